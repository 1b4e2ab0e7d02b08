#include "settings/font_size_choices.h"

const int FontSizeChoices[FontSizeChoiceCount] = {8,  9,  10, 11, 12, 14, 16, 18,
                                                  20, 22, 24, 26, 28, 36, 48, 72};

int FontSizeChoiceIndex(int fontSize)
{
    const int tenPoints = 2;
    for (int i = 0; i < FontSizeChoiceCount; ++i) {
        if (FontSizeChoices[i] == fontSize) {
            return i;
        }
    }
    return tenPoints;
}
