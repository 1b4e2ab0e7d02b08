// The context menu: it opens at the cursor from the window and from its caption, offers its items
// by the clipboard and the place it was opened over, and its exit item always quits and saves.
#include <gtest/gtest.h>

#include <vector>

#include "scenario.h"

namespace {

using ContextMenu = PickerScenario;

// The menu's items from the top, separators not counted.
const std::size_t ContextMenuItemCount = 14;
const std::size_t AddFromClipboardItem = 2;
const std::size_t InsertRowItem = 11;
const std::size_t DeleteRowsItem = 12;
const std::size_t ExitItem = 13;

// Wine draws an enabled item's text in COLOR_MENUTEXT and a grayed one's in mid-gray.
const COLORREF GrayedMenuText = RGB(0x80, 0x80, 0x80);

struct MenuItemLook {
    int top;
    int bottom;
    bool enabled;
};

// A menu handle means nothing in another process, so the item states are read off the screen:
// each run of pixel rows holding item text is one item, enabled when some of its text is drawn
// in the menu text colour.
std::vector<MenuItemLook> MenuItemsOnScreen(HWND menuWindow)
{
    RECT rect = WindowRectOf(menuWindow);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    std::vector<MenuItemLook> items;
    const std::vector<RGBQUAD> pixels = ScreenPixels(rect);
    if (pixels.empty()) {
        return items;
    }
    const COLORREF enabledText = GetSysColor(COLOR_MENUTEXT);
    bool inItem = false;
    for (int y = 0; y < height; ++y) {
        bool enabledRow = false;
        bool textRow = false;
        for (int x = 0; x < width; ++x) {
            const RGBQUAD& pixel = pixels[static_cast<std::size_t>(y) * width + x];
            COLORREF colour = RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
            enabledRow = enabledRow || colour == enabledText;
            textRow = textRow || colour == enabledText || colour == GrayedMenuText;
        }
        if (textRow && !inItem) {
            items.push_back({rect.top + y, rect.top + y, false});
        }
        if (textRow) {
            items.back().bottom = rect.top + y;
            items.back().enabled = items.back().enabled || enabledRow;
        }
        inItem = textRow;
    }
    return items;
}

// Waits for a menu to be shown and drawn whole; null when none opened.
HWND WaitForMenu(std::vector<MenuItemLook>& items)
{
    HWND menuWindow = nullptr;
    WaitUntil([&] {
        menuWindow = VisibleMenuWindow();
        items = menuWindow != nullptr ? MenuItemsOnScreen(menuWindow) : std::vector<MenuItemLook>{};
        return items.size() == ContextMenuItemCount;
    });
    return menuWindow;
}

HWND RightClickForMenu(POINT at, std::vector<MenuItemLook>& items)
{
    SettleMouseAt(at);
    MouseButtonAt(at, false, true);
    MouseButtonAt(at, false, false);
    return WaitForMenu(items);
}

// Halfway between the window's top edge and its client area: inside the caption.
POINT CaptionPointOf(HWND window)
{
    RECT rect = WindowRectOf(window);
    POINT clientOrigin = {0, 0};
    ClientToScreen(window, &clientOrigin);
    return {(rect.left + rect.right) / 2, (rect.top + clientOrigin.y) / 2};
}

void DismissMenu(HWND menuWindow)
{
    PressKey(VK_ESCAPE);
    WaitUntil([&] { return !IsWindowVisible(menuWindow); });
}

void PutBitmapOnlyOnTheClipboard()
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    if (WaitUntil([] { return OpenClipboard(nullptr) != 0; }, 2000)) {
        EmptyClipboard();
        SetClipboardData(CF_BITMAP, bitmap);
        CloseClipboard();
    }
}

TEST_F(ContextMenu, OpensAtTheCursorOverThePickerAndEscapeRunsNothing)
{
    const std::string list = "a\t(^_^)\n";
    ASSERT_TRUE(Start({{FaceFile, list}}));
    SetForegroundWindow(picker.Picker());

    POINT click = CentreOf(windows.faceCombo);
    std::vector<MenuItemLook> items;
    HWND menuWindow = RightClickForMenu(click, items);
    ASSERT_NE(menuWindow, nullptr) << "a right click on the picker opens the menu";
    ASSERT_EQ(items.size(), ContextMenuItemCount);
    RECT menuRect = WindowRectOf(menuWindow);
    EXPECT_EQ(menuRect.left, click.x);
    EXPECT_EQ(menuRect.top, click.y);

    DismissMenu(menuWindow);
    EXPECT_FALSE(IsWindowVisible(menuWindow));
    EXPECT_TRUE(picker.Running());
    EXPECT_EQ(dir.Read(FaceFile), list);
    EXPECT_FALSE(dir.Exists(SettingsFile)) << "a dismissed menu writes nothing";
}

TEST_F(ContextMenu, AddFromClipboardIsOfferedExactlyWhileTheClipboardHoldsText)
{
    ASSERT_TRUE(Start());
    SetForegroundWindow(picker.Picker());
    POINT click = CentreOf(windows.faceCombo);

    struct ClipboardCase {
        const char* what;
        void (*fill)();
        bool offered;
    };
    // The state is set anew at each showing, so offering it once must not stick.
    const ClipboardCase cases[] = {
        {"empty clipboard", [] { SetClipboardText(""); }, false},
        {"text", [] { SetClipboardText("(^o^)"); }, true},
        {"an image only", PutBitmapOnlyOnTheClipboard, false},
        {"Japanese text", [] { SetClipboardText("顔文字"); }, true},
        {"emptied again", [] { SetClipboardText(""); }, false},
    };
    for (const ClipboardCase& clipboard : cases) {
        SCOPED_TRACE(clipboard.what);
        clipboard.fill();
        std::vector<MenuItemLook> items;
        HWND menuWindow = RightClickForMenu(click, items);
        ASSERT_NE(menuWindow, nullptr);
        ASSERT_EQ(items.size(), ContextMenuItemCount);
        for (std::size_t i = 0; i < items.size(); ++i) {
            bool expected = i == AddFromClipboardItem ? clipboard.offered
                                                      : i != InsertRowItem && i != DeleteRowsItem;
            EXPECT_EQ(items[i].enabled, expected) << "item " << i;
        }
        DismissMenu(menuWindow);
    }
}

TEST_F(ContextMenu, ACaptionRightClickShowsThisMenuAndItsExitItemWorksByMouse)
{
    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n"}}));
    SetForegroundWindow(picker.Picker());
    SetClipboardText("");

    // The press alone opens it: the caption's own handling never gets the click.
    POINT caption = CaptionPointOf(picker.Picker());
    SettleMouseAt(caption);
    MouseButtonAt(caption, false, true);
    std::vector<MenuItemLook> items;
    HWND menuWindow = WaitForMenu(items);
    MouseButtonAt(caption, false, false);
    ASSERT_NE(menuWindow, nullptr) << "the caption opens the context menu, not the system menu";
    ASSERT_EQ(items.size(), ContextMenuItemCount);
    EXPECT_FALSE(items[AddFromClipboardItem].enabled);
    EXPECT_FALSE(items[InsertRowItem].enabled) << "adding rows is offered only over the list";
    EXPECT_FALSE(items[DeleteRowsItem].enabled);

    RECT menuRect = WindowRectOf(menuWindow);
    POINT exitItem = {(menuRect.left + menuRect.right) / 2,
                      (items[ExitItem].top + items[ExitItem].bottom) / 2};
    SettleMouseAt(exitItem);
    MouseButtonAt(exitItem, true, true);
    MouseButtonAt(exitItem, true, false);
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "\t(^_^)");
}

TEST_F(ContextMenu, ExitQuitsAndSavesEvenWhenClosingWouldOnlyHide)
{
    ASSERT_TRUE(Start({{FaceFile, "b\t(>_<)\n\t(^_^)\n"}}, {{"Close", "0"}, {"Width", "420"}}));
    ASSERT_TRUE(MoveWindowTo(picker.Picker(), 150, 100));
    SetForegroundWindow(picker.Picker());

    std::vector<MenuItemLook> items;
    HWND menuWindow = RightClickForMenu(CentreOf(windows.faceCombo), items);
    ASSERT_NE(menuWindow, nullptr);
    PressKey('X');
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "b\t(>_<)\r\n\t(^_^)");
    EXPECT_EQ(dir.ReadSetting("Left"), "150");
    EXPECT_EQ(dir.ReadSetting("Top"), "100");
    EXPECT_EQ(dir.ReadSetting("Width"), "420");
    EXPECT_EQ(dir.ReadSetting("Close"), "0");
}

} // namespace
