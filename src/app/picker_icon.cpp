#include "app/picker_icon.h"

#include "resource.h"
#include "shell/system_library.h"

namespace {

using LoadIconMetricPointer = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);

// LIM_SMALL and LIM_LARGE.
const int SmallIconMetric = 0;
const int LargeIconMetric = 1;

} // namespace

HICON LoadPickerIcon(IconMetric metric)
{
    bool small = metric == IconMetric::Small;
    // Vista's comctl32 6 and later scale a larger image down rather than a smaller one up; XP's
    // lacks the function, and its icons follow the one DPI of the system.
    auto loadIconMetric = reinterpret_cast<LoadIconMetricPointer>(
        ImportedDllFunction(L"comctl32.dll", "LoadIconMetric"));
    HICON icon = nullptr;
    if (loadIconMetric != nullptr &&
        loadIconMetric(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PICKER),
                       small ? SmallIconMetric : LargeIconMetric, &icon) == S_OK) {
        return icon;
    }
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PICKER), IMAGE_ICON,
                   GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON),
                   GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON), LR_DEFAULTCOLOR));
}
