#include "shell/wide_text.h"

#include <gtest/gtest.h>

#include <string>

// Shift-JIS holds a text only when it gives back the very same characters: look-alikes that the
// conversion substitutes do not count.
TEST(WideText, ShiftJisHoldsATextOnlyWhenItComesBackTheSame)
{
    const struct {
        std::wstring text;
        bool fits;
    } cases[] = {
        {L"(^_^)", true},
        {L"ねこ ネコ ﾈｺ", true},
        {L"\xFF5E", true},               // ～ full-width tilde
        {L"\x7E8A\x2460", true},         // 纊 and ①, from the vendor rows
        {L"", true},
        {L"\x301C", false},              // 〜 wave dash comes back as ～
        {L"\x2212", false},              // − minus sign comes back as －
        {L"\x00A5", false},              // ¥ becomes a backslash
        {L"(\x2661)", false},            // ♡
        {L"\x0295 \x2022\x1D25\x2022 \x0294", false},  // ʕ •ᴥ• ʔ
        {L"\xD83D\xDE00", false},        // an emoji beyond the BMP
        {L"?", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitsShiftJis(c.text), c.fits) << Utf8FromWide(c.text);
    }
}
