#include "app/utf8_notice.h"

#include <string>

#include "app/picker_state.h"
#include "shell/wide_text.h"
#include "store/face_file_sync.h"
#include "store/file_stamp.h"

void TellFaceListIsUtf8(HWND pickerWindow)
{
    std::wstring text =
        L"Shift-JIS では保存できない文字が加わったため、顔文字リストは次の保存から UTF-8 で保存します。";
    if (StampOf(FaceFilePath).exists) {
        std::string kept = FreeShiftJisCopyPath(FaceFilePath);
        text += L"\n\nこれまでの Shift-JIS のファイルは、同じフォルダーに「" +
                WideFromShiftJis(kept.substr(kept.find_last_of("/\\") + 1)) + L"」として残します。";
    }
    MessageBoxW(pickerWindow, text.c_str(), L"Vemplor", MB_OK | MB_ICONINFORMATION);
}
