#include "app/dictionary_export.h"

#include <commdlg.h>

#include <iterator>
#include <string>

#include "app/modal_guard.h"
#include "shell/wide_text.h"
#include "store/dictionary_export.h"
#include "store/file_path.h"
#include "store/file_replace.h"
#include "view/edit_mode.h"
#include "view/entry_fitting.h"

namespace {

const wchar_t* const CommandCaption = L"エクスポート";

// The save dialog's file types, in this order.
const struct {
    DictionaryFormat format;
    const wchar_t* name;
} ExportChoices[] = {
    {DictionaryFormat::MicrosoftIme, L"Microsoft IME の辞書"},
    {DictionaryFormat::Mozc, L"Google 日本語入力・Mozc の辞書"},
};

// How many left-out emoticons the final message names one by one.
const std::size_t NamedLeftOutLimit = 10;

std::wstring TypeFilter()
{
    std::wstring filter;
    for (const auto& choice : ExportChoices) {
        filter += std::wstring(choice.name) + L" (*.txt)" + L'\0' + L"*.txt" + L'\0';
    }
    return filter;
}

// The program's files are found in the current folder: the dialog must not move it.
bool AskWhere(HWND owner, std::wstring& path, std::size_t& choice)
{
    wchar_t chosen[32768] = L"顔文字辞書.txt";
    std::wstring filter = TypeFilter();
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = static_cast<DWORD>(sizeof chosen / sizeof chosen[0]);
    dialog.lpstrTitle = CommandCaption;
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) {
        return false;
    }
    path = chosen;
    choice = dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= std::size(ExportChoices)
                 ? dialog.nFilterIndex - 1
                 : 0;
    return true;
}

std::wstring FullPath(const std::wstring& path)
{
    wchar_t full[32768];
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
    return length > 0 && length < std::size(full) ? std::wstring(full, length) : path;
}

// The same file under any name: its volume and index, where it exists.
bool SameExistingFile(const std::wstring& one, const std::wstring& other)
{
    BY_HANDLE_FILE_INFORMATION info[2] = {};
    const std::wstring* paths[2] = {&one, &other};
    for (int i = 0; i < 2; ++i) {
        HANDLE file = CreateFileW(paths[i]->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        BOOL known = GetFileInformationByHandle(file, &info[i]);
        CloseHandle(file);
        if (!known) {
            return false;
        }
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

// The list, its filters and the settings are the program's own: an export never takes their
// place.
bool IsProgramFile(const std::wstring& path)
{
    std::wstring full = FullPath(path);
    for (const char* own : {FaceFilePath, FilterFilePath, SettingsFilePath}) {
        std::wstring ownFull = FullPath(WidePath(own));
        if (lstrcmpiW(full.c_str(), ownFull.c_str()) == 0 || SameExistingFile(full, ownFull)) {
            return true;
        }
    }
    return false;
}

std::wstring ReportOf(const DictionaryExport& exported, const wchar_t* formatName)
{
    std::wstring text = L"顔文字 " + std::to_wstring(exported.entriesWritten) + L" 件を " + formatName +
                        L"として書き出しました（" + std::to_wstring(exported.lines) + L" 行）。";
    if (exported.leftOut.empty()) {
        return text;
    }
    text += L"\n\n次の " + std::to_wstring(exported.leftOut.size()) +
            L" 件は、辞書に登録できる読み（ひらがな・カタカナ・英数字、60 文字まで）がないか、"
            L"顔文字が辞書に収まらないため書き出していません。\n";
    for (std::size_t i = 0; i < exported.leftOut.size() && i < NamedLeftOutLimit; ++i) {
        text += L"\n" + WideFromUtf8(exported.leftOut[i]);
    }
    if (exported.leftOut.size() > NamedLeftOutLimit) {
        text += L"\nほか " + std::to_wstring(exported.leftOut.size() - NamedLeftOutLimit) + L" 件";
    }
    return text;
}

// In edit mode the rows as edited are what is written.
void ExportTo(PickerState& state, const std::wstring& path, std::size_t choice)
{
    HWND pickerWindow = state.view.PickerWindow;
    if (IsProgramFile(path)) {
        MessageBoxW(pickerWindow,
                    L"顔文字リストや設定のファイルには書き出せません。別のファイル名を指定してください。",
                    CommandCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    ReadBackEditList(state.view, state.lists, state.settings, state.modes.EditMode);
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    TextList faces;
    TextList tags;
    FaceListsAsUtf8(state.lists, faces, tags);
    DictionaryExport exported = ExportDictionary(faces, tags, ExportChoices[choice].format);
    bool written = ReplaceFileContents(Utf8Path(path.c_str()).c_str(), exported.bytes);
    SetCursor(previous);
    if (!written) {
        MessageBoxW(pickerWindow,
                    (L"「" + path + L"」に書き出せませんでした。書き込めるフォルダーか、空き容量を確かめてください。").c_str(),
                    CommandCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    MessageBoxW(pickerWindow, ReportOf(exported, ExportChoices[choice].name).c_str(), CommandCaption,
                MB_OK | MB_ICONINFORMATION);
}

} // namespace

void RunExportCommand(PickerState& state)
{
    ModalGuard(state, state.modes.DictionaryOpen, [&] {
        std::wstring path;
        std::size_t choice = 0;
        if (AskWhere(state.view.PickerWindow, path, choice)) {
            ExportTo(state, path, choice);
        }
        return INT_PTR(0);
    });
}
