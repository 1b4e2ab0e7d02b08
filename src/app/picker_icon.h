#pragma once
#include <windows.h>

enum class IconMetric { Small, Large };

// The program's icon at the size the system asks for small icons (the tray, a caption) or large
// ones (Alt+Tab), made from the image drawn for that size or scaled down from the next larger
// one. The caller destroys it with DestroyIcon.
HICON LoadPickerIcon(IconMetric metric);
