#pragma once

// The font sizes the options dialog offers, in list order.
const int FontSizeChoiceCount = 16;
extern const int FontSizeChoices[FontSizeChoiceCount];

// The list entry of a stored size; a size the list lacks selects 10 points.
int FontSizeChoiceIndex(int fontSize);
