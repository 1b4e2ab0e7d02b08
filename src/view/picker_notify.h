#pragma once
#include <windows.h>

#include "settings/settings_record.h"
#include "store/face_store.h"
#include "view/picker_view.h"

// WM_NOTIFY of the picker window: the tooltip's and the edit list view's notifications.
LRESULT OnNotify(PickerView& view, FaceLists& lists, const SettingsRecord& settings,
                 WPARAM wParam, LPARAM lParam);
