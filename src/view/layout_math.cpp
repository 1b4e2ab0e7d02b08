#include "view/layout_math.h"

int ScaleFrom96Dpi(int pixelsAt96, int dpi)
{
    if (dpi <= 0)
        return pixelsAt96;
    const long long product = static_cast<long long>(pixelsAt96) * dpi;
    const long long magnitude = (product < 0 ? -product : product) + 48;
    return static_cast<int>(product < 0 ? -(magnitude / 96) : magnitude / 96);
}

int FilterComboWidth(int clientWidth, bool filterOn)
{
    return filterOn ? clientWidth / 3 : 0;
}

FaceComboPlacement PlaceFaceCombo(int filterComboOuterWidth, int clientWidth)
{
    return FaceComboPlacement{filterComboOuterWidth, clientWidth - filterComboOuterWidth};
}

int CaptionAllowance(int cyEdge, int cyBorder, int cyFrame, int cySmCaption)
{
    return cyEdge + cyBorder + cyFrame + cySmCaption;
}

int PickerOuterHeight(int comboHeight, int captionAllowance)
{
    return comboHeight + captionAllowance;
}

int EditModeOuterHeight(int screenHeight, int normalBottom)
{
    return screenHeight - normalBottom;
}

int DropDownHeight(int workAreaHeight, int normalBottom, int comboOuterHeight)
{
    return workAreaHeight - normalBottom + comboOuterHeight;
}

EditListColumnWidths EditListColumns(int filterComboOuterWidth, int faceComboOuterWidth,
                                     int verticalScrollBarWidth)
{
    // Unsigned arithmetic keeps the subtraction defined for any measurement; only the low
    // 16 bits travel in the message anyway.
    const unsigned int faceColumn = static_cast<unsigned int>(faceComboOuterWidth) -
                                    static_cast<unsigned int>(verticalScrollBarWidth);
    return EditListColumnWidths{
        static_cast<std::uint16_t>(static_cast<unsigned int>(filterComboOuterWidth) & 0xFFFFu),
        static_cast<std::uint16_t>(faceColumn & 0xFFFFu)};
}

unsigned char TransparencyAlpha(bool transparentOn, int alphaSetting)
{
    if (!transparentOn)
        return 255;
    const unsigned int lowByte = static_cast<unsigned int>(alphaSetting) & 0xFFu;
    // A stored value such as 256 must not leave an invisible window the user cannot reach.
    return static_cast<unsigned char>(lowByte < MinimumOpacity ? MinimumOpacity : lowByte);
}
