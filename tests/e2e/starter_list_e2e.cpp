// The starter list the program carries, added to a list of the user's own from the context menu:
// the faces the list lacks go to its end with their readings, edit mode's rows show them, the
// user is told how many, and they are found by reading at once.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "scenario.h"

namespace {

using StarterList = PickerScenario;
using Entries = std::vector<std::pair<std::string, std::string>>;

const char* const CommandCaption = "顔文字セットを追加";
const std::string Utf8Mark = "\xEF\xBB\xBF";

// The entries of a list file in UTF-8 with a mark and CR LF line ends, as tag and face.
Entries EntriesOf(const std::string& bytes)
{
    Entries entries;
    std::size_t start = bytes.compare(0, Utf8Mark.size(), Utf8Mark) == 0 ? Utf8Mark.size() : 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        end = end == std::string::npos ? bytes.size() : end;
        std::size_t tab = bytes.find('\t', start);
        entries.emplace_back(bytes.substr(start, tab - start),
                             bytes.substr(tab + 1, end - tab - 1));
        start = end + 2;
    }
    return entries;
}

std::vector<std::string> FacesOf(const Entries& entries)
{
    std::vector<std::string> faces;
    for (const auto& entry : entries) {
        faces.push_back(entry.second);
    }
    return faces;
}

// Runs the command and closes the message that ends it; its text, or "" when none showed.
std::string AddStarterFacesOver(HWND over)
{
    HWND box = ChooseFromContextMenu(over, 'P') ? WaitForDialog(CommandCaption) : nullptr;
    if (box == nullptr) {
        return "";
    }
    std::string text = MessageText(box);
    return ClickAndWaitClosed(box, IDOK) ? text : "";
}

std::string Counter(std::size_t shown, std::size_t total)
{
    return "Vemplor 登録数[" + std::to_string(shown) + "/" + std::to_string(total) + "]";
}

// A Shift-JIS list of the user's holding three of the starter faces under tags of its own: the
// rest come after them in the starter list's order, and the list is UTF-8 from then on.
TEST_F(StarterList, AddsTheFacesAListLacksAtItsEndInEditModeAndTheyAreFoundByReading)
{
    std::string starterBytes;
    ASSERT_TRUE(ReadFileBytes(VEMPLOR_SAMPLE_DIR "/Vemplor.txt", starterBytes));
    const Entries starter = EntriesOf(starterBytes);
    const Entries own = {{u8"わたし", "(^_^)"}, {"", "(o_o)"}, {"mine", "(T_T)"}, {"", u8"(=^・^=)"}};
    const std::string shiftJisList = "わたし\t(^_^)\r\n\t(o_o)\r\nmine\t(T_T)\r\n\t(=^・^=)";
    Entries expected = own;
    for (const auto& entry : starter) {
        if (entry.second != "(^_^)" && entry.second != "(T_T)" && entry.second != u8"(=^・^=)") {
            expected.push_back(entry);
        }
    }
    const std::size_t added = expected.size() - own.size();
    ASSERT_GT(added, 300u);

    ASSERT_TRUE(Start({{FaceFile, shiftJisList}}));
    ASSERT_TRUE(EnterEditModeOverList(windows));
    EXPECT_EQ(AddStarterFacesOver(windows.editListView),
              "顔文字を " + std::to_string(added) + " 件追加しました。");
    HWND notice = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (notice = MessageBoxOver(windows.picker)) != nullptr; }))
        << "a Shift-JIS list taking a heart is told it is UTF-8 now";
    EXPECT_NE(MessageText(notice).find("Vemplor.sjis.txt"), std::string::npos);
    ASSERT_TRUE(ClickAndWaitClosed(notice, IDOK));
    HWND rows = windows.editListView;
    ASSERT_EQ(ListViewRowCount(rows), static_cast<int>(expected.size()));
    EXPECT_EQ(Utf8ListViewCell(rows, 4, 0), expected[4].first);
    EXPECT_EQ(Utf8ListViewCell(rows, 4, 1), expected[4].second);

    ASSERT_TRUE(ChooseFromContextMenu(rows, 'E'));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.faceCombo) != 0; }));
    EXPECT_EQ(WindowTitle(windows.picker), Counter(expected.size(), expected.size()));
    // A long list is filled a slice at a time after the title counts it.
    EXPECT_TRUE(WaitUntil([&] { return Utf8ComboItems(windows.faceCombo) == FacesOf(expected); }));

    EXPECT_EQ(AddStarterFacesOver(windows.faceCombo), "追加する顔文字はありません。");
    EXPECT_EQ(WindowTitle(windows.picker), Counter(expected.size(), expected.size()));

    // Only the new cats: the user's own (=^・^=) has no reading.
    std::vector<std::string> cats;
    for (std::size_t i = own.size(); i < expected.size(); ++i) {
        if (expected[i].first.find(u8"ねこ") != std::string::npos) {
            cats.push_back(expected[i].second);
        }
    }
    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    TypeText("neko");
    EXPECT_TRUE(WaitUntil([&] {
        return WindowTitle(windows.picker) == Counter(cats.size(), expected.size());
    })) << WindowTitle(windows.picker);
    EXPECT_TRUE(WaitUntil([&] { return Utf8ComboItems(windows.faceCombo) == cats; }));

    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_TRUE(dir.Read("Vemplor.sjis.txt") == shiftJisList);
    EXPECT_TRUE(EntriesOf(dir.Read(FaceFile)) == expected);
    EXPECT_EQ(dir.Read(FaceFile).substr(0, 3), Utf8Mark);
}

} // namespace
