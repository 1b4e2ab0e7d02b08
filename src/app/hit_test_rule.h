#pragma once

// The picker is a bar whose height follows its font: only its left and right edges resize it.
// Takes the default hit-test code and returns the one the window answers with: the top and
// bottom edges and the four corners become plain border.
int MapPickerHitTest(int defaultHitTest);
