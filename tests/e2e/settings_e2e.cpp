// Start-up from the settings file: each key is read by its own rule and put into effect, nothing
// is written while the program starts, and at exit only the window's place is written, whatever
// else the file holds.
#include <gtest/gtest.h>

#include <map>

#include "scenario.h"

namespace {

using Settings = PickerScenario;

// The keys the program has no business writing.
OptionKeys WithoutThePlace(OptionKeys keys)
{
    keys.erase("Left");
    keys.erase("Top");
    keys.erase("Width");
    return keys;
}

// The picker font seen from outside: the emoticon list's item height is the font's character
// height, and the filter box lays out a sample text by the font's advance widths.
struct FontLook {
    int height;
    int sampleWidth;
    bool operator==(const FontLook& other) const
    {
        return height == other.height && sampleWidth == other.sampleWidth;
    }
    bool operator!=(const FontLook& other) const { return !(*this == other); }
};

std::ostream& operator<<(std::ostream& out, const FontLook& look)
{
    return out << "{height " << look.height << ", sample width " << look.sampleWidth << "}";
}

// Narrow letters: the fixed-pitch and the proportional IPA faces give them different widths,
// and synthetic bold widens each one.
const std::string FontSample = "iiiiiiiiii";

FontLook PickerFontLook(const PickerWindows& windows)
{
    HWND edit = windows.filterEdit;
    std::string text = FontSample + "|";
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    LRESULT start = SendMessageA(edit, EM_POSFROMCHAR, 0, 0);
    LRESULT end = SendMessageA(edit, EM_POSFROMCHAR, FontSample.size(), 0);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    int height = static_cast<int>(SendMessageA(windows.faceCombo, CB_GETITEMHEIGHT, 0, 0));
    return {height, static_cast<short>(LOWORD(end)) - static_cast<short>(LOWORD(start))};
}

// The same measurements of a font made here from the settings' values.
FontLook ExpectedFontLook(int points, int weight, bool italic, const std::string& faceName)
{
    HDC screen = GetDC(nullptr);
    LOGFONTA description = {};
    description.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    description.lfWeight = weight;
    description.lfItalic = italic ? 1 : 0;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(description.lfFaceName, faceName.c_str(), sizeof description.lfFaceName);
    HFONT font = CreateFontIndirectA(&description);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SIZE extent = {};
    GetTextExtentPoint32A(screen, FontSample.c_str(), static_cast<int>(FontSample.size()), &extent);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return {metrics.tmHeight, extent.cx};
}

const std::string DefaultFace = "ＭＳ Ｐゴシック";
const std::string ProportionalFace = "IPA Pゴシック";

// While it lives, the font mapper takes the name as the proportional IPA face. Which name the
// picker asked for then shows in its text widths: every other unknown name falls back to the
// fixed-pitch face. A program reads the table when it starts.
class FaceAlias {
public:
    explicit FaceAlias(const std::string& name) : name_(name)
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, SubstitutesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key_, nullptr);
        RegSetValueExA(key_, name_.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(ProportionalFace.c_str()),
                       static_cast<DWORD>(ProportionalFace.size() + 1));
    }
    ~FaceAlias()
    {
        RegDeleteValueA(key_, name_.c_str());
        RegCloseKey(key_);
    }
    FaceAlias(const FaceAlias&) = delete;
    FaceAlias& operator=(const FaceAlias&) = delete;

private:
    static constexpr const char* SubstitutesKey =
        "Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
    std::string name_;
    HKEY key_ = nullptr;
};

std::string Repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST_F(Settings, WithoutAFileEveryDefaultHoldsAndExitWritesOnlyThePlace)
{
    ASSERT_TRUE(Start());
    HWND window = picker.Picker();
    RECT rect = WindowRectOf(window);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_TRUE(IsTopMost(window));
    EXPECT_TRUE(IsWindowVisible(windows.filterCombo));
    EXPECT_EQ(LayeredAlpha(window), 255) << "opaque";
    EXPECT_EQ(PickerFontLook(windows), ExpectedFontLook(12, FW_NORMAL, false, DefaultFace));
    EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, 'K')) << "Ctrl+K belongs to the picker";
    EXPECT_FALSE(dir.Exists(SettingsFile)) << "starting writes nothing";

    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(ReadOptionKeys(dir), (OptionKeys{{"Left", "0"}, {"Top", "0"}, {"Width", "300"}}));
}

TEST_F(Settings, TopMostIsOnForAnyNonZeroValue)
{
    const struct {
        const char* stored;
        bool topMost;
    } cases[] = {{"2", true}, {"-1", true}, {"1", true}, {"0", false}, {"off", false}};
    for (const auto& topMost : cases) {
        SCOPED_TRACE(topMost.stored);
        ASSERT_TRUE(Start({}, {{"TopMost", topMost.stored}}));
        EXPECT_EQ(IsTopMost(picker.Picker()), topMost.topMost);
    }
}

TEST_F(Settings, OnlySavePositionOneWritesTheMovedPlace)
{
    const struct {
        const char* stored;
        bool saves;
    } cases[] = {{"0", false}, {"2", false}, {"1", true}};
    for (const auto& savePosition : cases) {
        SCOPED_TRACE(savePosition.stored);
        ASSERT_TRUE(Start({}, {{"SavePosition", savePosition.stored},
                               {"Left", "120"}, {"Top", "80"}, {"Width", "350"}}));
        RECT rect = WindowRectOf(picker.Picker());
        EXPECT_EQ(rect.left, 120) << "the stored place is used whatever SavePosition says";
        EXPECT_EQ(rect.top, 80);
        EXPECT_EQ(rect.right - rect.left, 350);
        ASSERT_TRUE(MoveWindowTo(picker.Picker(), 300, 200));
        EXPECT_EQ(CloseAndWait(picker), 0);
        EXPECT_EQ(dir.ReadSetting("Left"), savePosition.saves ? "300" : "120");
        EXPECT_EQ(dir.ReadSetting("Top"), savePosition.saves ? "200" : "80");
        EXPECT_EQ(dir.ReadSetting("Width"), "350");
        EXPECT_EQ(dir.ReadSetting("SavePosition"), savePosition.stored);

        ASSERT_TRUE(Launch());
        rect = WindowRectOf(picker.Picker());
        EXPECT_EQ(rect.left, savePosition.saves ? 300 : 120);
        EXPECT_EQ(rect.top, savePosition.saves ? 200 : 80);
    }
}

TEST_F(Settings, FontSizeAndStyleShapeThePickerFont)
{
    const struct {
        const char* size;
        const char* style;
        int points;
        int weight;
        bool italic;
    } cases[] = {
        {"8", "0", 8, FW_NORMAL, false},
        {"13", "0", 13, FW_NORMAL, false},
        {"36", "1", 36, FW_NORMAL, true},
        {"12", "2", 12, FW_BOLD, false},
        {"12", "3", 12, FW_BOLD, true},
        {"12", "7", 12, FW_NORMAL, false},
    };
    for (const auto& font : cases) {
        SCOPED_TRACE(std::string("FontSize ") + font.size + ", FontStyle " + font.style);
        ASSERT_TRUE(Start({}, {{"FontSize", font.size}, {"FontStyle", font.style}}));
        EXPECT_EQ(PickerFontLook(windows),
                  ExpectedFontLook(font.points, font.weight, font.italic, DefaultFace));
    }
}

TEST_F(Settings, AFontNameIsUsedUpToItsFirst31Bytes)
{
    const std::string first31 = "VemplorFaceAliasForTheTest31byt";
    ASSERT_EQ(first31.size(), 31u);
    // Twenty double-byte characters: the 31st byte is the first half of the 16th character,
    // which must not end the name.
    const std::string first15Kanji = Repeated("顔", 15);
    FaceAlias asciiAlias(first31);
    FaceAlias kanjiAlias(first15Kanji);
    const FontLook aliased = ExpectedFontLook(12, FW_NORMAL, false, ProportionalFace);
    const FontLook unknown = ExpectedFontLook(12, FW_NORMAL, false, "VemplorNoSuchFace");
    ASSERT_NE(aliased, unknown) << "the alias must make a visible difference";

    const struct {
        std::string stored;
        bool aliased;
    } cases[] = {
        {ProportionalFace, true},
        {first31, true},
        {first31 + "-and-nine", true},
        {first31.substr(0, 30) + "X-and-nine", false},
        {first15Kanji + Repeated("顔", 5), true},
    };
    for (const auto& name : cases) {
        SCOPED_TRACE(name.stored);
        ASSERT_TRUE(Start({}, {{"FontName", name.stored}}));
        EXPECT_EQ(PickerFontLook(windows), name.aliased ? aliased : unknown);
        EXPECT_EQ(CloseAndWait(picker), 0);
        EXPECT_EQ(dir.ReadSetting("FontName"), name.stored) << "the stored name stays whole";
    }
}

TEST_F(Settings, TransparencyTakesTheLowByteOfAlphaButNeverHidesTheWindow)
{
    const struct {
        const char* transparent;
        const char* alpha;
        int layeredAlpha;
    } cases[] = {
        {"1", "300", 44},
        {"1", "200", 200},
        {"0", "300", 255},
        {"2", "-1", 255},
        {"1", "99999999999", 255},
        {"1", "-0", 10},
        {"1", "256", 10},
        {"1", "265", 10},
    };
    for (const auto& transparency : cases) {
        SCOPED_TRACE(std::string("Transparent ") + transparency.transparent + ", Alpha " +
                     transparency.alpha);
        ASSERT_TRUE(Start(
            {}, {{"Transparent", transparency.transparent}, {"Alpha", transparency.alpha}}));
        EXPECT_EQ(LayeredAlpha(picker.Picker()), transparency.layeredAlpha);
    }
}

TEST_F(Settings, GarbledNumbersReadByTheirDigitsAndStayAsTheyWere)
{
    const std::string contents = "[Option]\r\n"
                                 "Left=  12abc\r\n"
                                 "Top=-0\r\n"
                                 "TopMost=0x10\r\n"
                                 "Width=0x10\r\n"
                                 "Transparent= 1\r\n"
                                 "Alpha=-99999999999\r\n"
                                 "FontSize=36pt\r\n"
                                 "HotKey=1.5\r\n"
                                 "Comment=not ours\r\n";
    Prepare({{SettingsFile, contents}});
    const OptionKeys before = ReadOptionKeys(dir);
    ASSERT_TRUE(Launch());
    HWND window = picker.Picker();
    RECT rect = WindowRectOf(window);
    EXPECT_EQ(rect.left, 12);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 300) << "a width of 0 stops at the minimum";
    EXPECT_FALSE(IsTopMost(window));
    EXPECT_EQ(LayeredAlpha(window), 10) << "a low byte of 0 would leave an invisible window";
    EXPECT_EQ(PickerFontLook(windows).height,
              ExpectedFontLook(36, FW_NORMAL, false, DefaultFace).height);
    EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, 'K')) << "HotKey 1.5 reads as 1";
    EXPECT_EQ(dir.Read(SettingsFile), contents) << "starting writes nothing";

    EXPECT_EQ(CloseAndWait(picker), 0);
    OptionKeys after = ReadOptionKeys(dir);
    EXPECT_EQ(WithoutThePlace(after), WithoutThePlace(before));
    EXPECT_EQ(after["Left"], "12");
    EXPECT_EQ(after["Top"], "0");
    EXPECT_EQ(after["Width"], "300");
}

TEST_F(Settings, BinaryBytesAroundTheSectionDoNotStopTheReader)
{
    std::string noise;
    unsigned state = 20100427;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        noise.push_back(static_cast<char>(state >> 16));
    }
    Prepare({{SettingsFile, noise + "\r\n[Option]\r\nTopMost=0\r\nLeft=33\r\nAlpha=77\r\n"
                            "Transparent=1\r\n" + noise}});
    const OptionKeys before = ReadOptionKeys(dir);
    ASSERT_TRUE(Launch());
    EXPECT_FALSE(IsTopMost(picker.Picker()));
    EXPECT_EQ(WindowRectOf(picker.Picker()).left, 33);
    EXPECT_EQ(LayeredAlpha(picker.Picker()), 77);

    // The system's INI writer rewrites the whole file and may reshape the noise itself (its
    // trailing blanks, its invalid double-byte pairs); the keys are what must survive.
    EXPECT_EQ(CloseAndWait(picker), 0);
    OptionKeys after = ReadOptionKeys(dir);
    for (const char* key : {"TopMost", "Alpha", "Transparent"}) {
        EXPECT_EQ(after[key], before.at(key)) << key;
    }
    EXPECT_EQ(after["Left"], "33");
    EXPECT_EQ(after["Width"], "300");
}

TEST_F(Settings, TenKilobyteLinesAreCutTo31BytesAndTheRestIsStillRead)
{
    const std::string faceName = Repeated("F", 31);
    FaceAlias alias(faceName);
    Prepare({{SettingsFile, "[Option]\r\n" + Repeated("junk without an equals sign ", 400) +
                                "\r\nFontName=" + faceName + Repeated("F", 10000) +
                                "\r\nTransparent=1\r\nAlpha=" + Repeated("9", 10000) +
                                "\r\nTopMost=0\r\nLeft=44\r\n"}});
    const OptionKeys before = ReadOptionKeys(dir);
    ASSERT_TRUE(Launch());
    EXPECT_EQ(PickerFontLook(windows), ExpectedFontLook(12, FW_NORMAL, false, ProportionalFace));
    EXPECT_EQ(LayeredAlpha(picker.Picker()), 255) << "the largest int has a low byte of 255";
    EXPECT_FALSE(IsTopMost(picker.Picker()));
    EXPECT_EQ(WindowRectOf(picker.Picker()).left, 44);

    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(WithoutThePlace(ReadOptionKeys(dir)), WithoutThePlace(before));
}

TEST_F(Settings, KeysOutsideTheOptionSectionAreNotTakenAndSurviveTheExit)
{
    ASSERT_TRUE(
        Start({{SettingsFile, "TopMost=0\r\nLeft=50\r\n[Other]\r\nTopMost=0\r\nWidth=500\r\n"}}));
    RECT rect = WindowRectOf(picker.Picker());
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_TRUE(IsTopMost(picker.Picker()));

    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(ReadOptionKeys(dir), (OptionKeys{{"Left", "0"}, {"Top", "0"}, {"Width", "300"}}));
    std::string saved = dir.Read(SettingsFile);
    EXPECT_NE(saved.find("TopMost=0\r\nLeft=50\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[Other]\r\nTopMost=0\r\nWidth=500\r\n"), std::string::npos) << saved;
}

TEST_F(Settings, AReadOnlyFileIsReadAndLeftUntouched)
{
    const std::string contents = "[Option]\r\nLeft=50\r\nTop=60\r\nWidth=400\r\nTopMost=0\r\n";
    Prepare({{SettingsFile, contents}});
    SetFileAttributesA(dir.PathOf(SettingsFile).c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(Launch());
    RECT rect = WindowRectOf(picker.Picker());
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.top, 60);
    EXPECT_EQ(rect.right - rect.left, 400);
    EXPECT_FALSE(IsTopMost(picker.Picker()));
    ASSERT_TRUE(MoveWindowTo(picker.Picker(), 210, 110));

    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(SettingsFile), contents);
}

} // namespace
