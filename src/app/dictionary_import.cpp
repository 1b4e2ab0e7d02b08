#include "app/dictionary_import.h"

#include <commdlg.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/modal_guard.h"
#include "app/utf8_notice.h"
#include "resource.h"
#include "shell/wide_text.h"
#include "store/dictionary_file.h"
#include "store/dictionary_merge.h"
#include "store/file_path.h"
#include "view/edit_mode.h"
#include "view/entry_fitting.h"

namespace {

const wchar_t* const CommandCaption = L"インポート";

const struct {
    DictionaryProblem problem;
    const wchar_t* text;
} ProblemTexts[] = {
    {DictionaryProblem::Unreadable, L"ファイルを開けないか、読み込めませんでした。"},
    {DictionaryProblem::Empty, L"ファイルが空です。"},
    {DictionaryProblem::TooLarge, L"ファイルが大きすぎます。読み込めるのは 32 MB までです。"},
    {DictionaryProblem::LineTooLong,
     L"長すぎる行があります（1 行 64 KB まで）。辞書か顔文字リストのファイルを選んでください。"},
    {DictionaryProblem::Binary, L"テキストファイルではありません。"},
    {DictionaryProblem::UnknownEncoding,
     L"文字コードがわかりません。UTF-8、UTF-16（BOM 付き）、Shift-JIS のファイルを選んでください。"},
    {DictionaryProblem::NoWords, L"取り込める語がありません。"},
};

const wchar_t* const FormatNames[] = {L"Microsoft IME の辞書", L"Google 日本語入力・Mozc の辞書",
                                      L"ATOK の辞書", L"顔文字リスト"};

// What the preview works on: the lists and the file's words in UTF-8, and the plan for the box's
// state.
struct ImportPreview {
    TextList faces;
    TextList tags;
    DictionaryFile file;
    ImportPlan plan;
};

std::wstring FileNameOf(const std::wstring& path)
{
    return path.substr(path.find_last_of(L"\\/") + 1);
}

void TellProblem(HWND owner, const std::wstring& path, DictionaryProblem problem)
{
    std::wstring text = L"「" + FileNameOf(path) + L"」は取り込めません。\n\n";
    for (const auto& entry : ProblemTexts) {
        if (entry.problem == problem) {
            text += entry.text;
        }
    }
    text += L"\n\n顔文字リストは変わっていません。";
    MessageBoxW(owner, text.c_str(), CommandCaption, MB_OK | MB_ICONWARNING);
}

std::wstring PlanSentence(const ImportPlan& plan)
{
    std::size_t added = plan.newFaces.size();
    std::size_t tagged = plan.taggedEntries.size();
    if (added > 0 && tagged > 0) {
        return L"顔文字 " + std::to_wstring(added) + L" 件を追加し、" + std::to_wstring(tagged) + L" 件に読みを加えます。";
    }
    if (added > 0) {
        return L"顔文字 " + std::to_wstring(added) + L" 件を追加します。";
    }
    return tagged > 0 ? L"顔文字 " + std::to_wstring(tagged) + L" 件に読みを加えます。"
                      : L"追加する顔文字も、加える読みもありません。";
}

std::wstring SummaryOf(const ImportPreview& preview)
{
    const ImportPlan& plan = preview.plan;
    std::wstring text = PlanSentence(plan) + L"\n\n" +
                        FormatNames[static_cast<int>(preview.file.format)] + L"の " +
                        std::to_wstring(plan.wordsTaken) + L" 語から。";
    if (plan.wordsLeftOut > 0) {
        text += L"品詞が顔文字でない " + std::to_wstring(plan.wordsLeftOut) + L" 語は取り込みません。";
    }
    if (preview.file.badLines > 0) {
        text += L"語のない " + std::to_wstring(preview.file.badLines) + L" 行は飛ばします。";
    }
    return text;
}

void ShowPlan(HWND dialog, ImportPreview& preview)
{
    bool everyWord = IsDlgButtonChecked(dialog, IDC_IMPORT_EVERY_WORD) == BST_CHECKED;
    preview.plan = PlanImport(preview.faces, preview.tags, preview.file.words, everyWord);
    SetDlgItemTextW(dialog, IDC_IMPORT_SUMMARY, SummaryOf(preview).c_str());
    EnableWindow(GetDlgItem(dialog, IDOK),
                 !preview.plan.newFaces.empty() || !preview.plan.taggedEntries.empty());
}

ImportPreview& PreviewOf(HWND dialog)
{
    return *reinterpret_cast<ImportPreview*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

// An emoticon list's entries are all taken: the box is only for a dictionary's parts of speech.
void OnInitDialog(HWND dialog, LPARAM preview)
{
    SetWindowLongPtrW(dialog, GWLP_USERDATA, preview);
    EnableWindow(GetDlgItem(dialog, IDC_IMPORT_EVERY_WORD),
                 PreviewOf(dialog).file.format != DictionaryFormat::FaceList);
    ShowPlan(dialog, PreviewOf(dialog));
}

void OnDialogCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_IMPORT_EVERY_WORD: ShowPlan(dialog, PreviewOf(dialog)); break;
    case IDOK: EndDialog(dialog, IDOK); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

INT_PTR CALLBACK ImportPreviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog, lParam); return TRUE;
    case WM_COMMAND: OnDialogCommand(dialog, wParam); return TRUE;
    }
    return FALSE;
}

void WordsIntoUtf8(DictionaryFile& file)
{
    if (!file.shiftJis) {
        return;
    }
    for (DictionaryWord& word : file.words) {
        word.reading = Utf8FromWide(WideFromShiftJis(word.reading));
        word.word = Utf8FromWide(WideFromShiftJis(word.word));
    }
    file.shiftJis = false;
}

// Reads the file and makes the preview, under the wait cursor: a long dictionary takes a moment.
DictionaryProblem PrepareImport(const FaceLists& lists, const std::wstring& path,
                                ImportPreview& preview)
{
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    std::string bytes;
    DictionaryProblem problem = ReadDictionaryBytes(Utf8Path(path.c_str()).c_str(), bytes);
    if (problem == DictionaryProblem::None) {
        problem = ParseDictionary(bytes, preview.file);
    }
    if (problem == DictionaryProblem::None) {
        WordsIntoUtf8(preview.file);
        FaceListsAsUtf8(lists, preview.faces, preview.tags);
    }
    SetCursor(previous);
    return problem;
}

// In edit mode the rows are taken into the lists first and made again with what the file adds.
void ImportDictionaryFile(PickerState& state, const std::wstring& path)
{
    HWND pickerWindow = state.view.PickerWindow;
    ReadBackEditList(state.view, state.lists, state.settings, state.modes.EditMode);
    ImportPreview preview;
    DictionaryProblem problem = PrepareImport(state.lists, path, preview);
    if (problem != DictionaryProblem::None) {
        TellProblem(pickerWindow, path, problem);
        return;
    }
    INT_PTR answer =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_IMPORT_PREVIEW),
                        pickerWindow, ImportPreviewProc, reinterpret_cast<LPARAM>(&preview));
    if (answer != IDOK) {
        return;
    }
    bool turnedIntoUtf8 = false;
    ApplyUtf8ImportPlan(state.view, state.lists, state.settings.ReadingSearch != 0, preview.plan,
                        turnedIntoUtf8);
    NoteFaceListsChanged(state.lists);
    ShowChangedLists(state.view, state.lists, state.settings, state.modes.EditMode);
    if (turnedIntoUtf8) {
        TellFaceListIsUtf8(pickerWindow);
    }
}

// The program's files are found in the current folder: the dialog must not move it.
bool AskForFile(HWND owner, std::wstring& path)
{
    wchar_t chosen[32768] = L"";
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"テキストファイル (*.txt)\0*.txt\0すべてのファイル (*.*)\0*.*\0";
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = static_cast<DWORD>(sizeof chosen / sizeof chosen[0]);
    dialog.lpstrTitle = CommandCaption;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) {
        return false;
    }
    path = chosen;
    return true;
}

std::vector<std::wstring> DroppedPaths(HDROP drop)
{
    std::vector<std::wstring> paths;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, &path[0], static_cast<UINT>(path.size())));
        paths.push_back(path);
    }
    return paths;
}

} // namespace

void RunImportCommand(PickerState& state)
{
    ModalGuard(state, state.modes.DictionaryOpen, [&] {
        std::wstring path;
        if (AskForFile(state.view.PickerWindow, path)) {
            ImportDictionaryFile(state, path);
        }
        return INT_PTR(0);
    });
}

// Nothing is taken while a dialog or a choice has the picker.
void ImportDroppedFiles(PickerState& state, HDROP drop)
{
    std::vector<std::wstring> paths = DroppedPaths(drop);
    DragFinish(drop);
    if (!state.modes.InteractionAllowed || state.modes.ChoiceInProgress) {
        return;
    }
    ModalGuard(state, state.modes.DictionaryOpen, [&] {
        for (const std::wstring& path : paths) {
            ImportDictionaryFile(state, path);
        }
        return INT_PTR(0);
    });
}
