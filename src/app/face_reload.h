#pragma once

// Loads the emoticon file again and brings everything that shows it up to date: the picker's
// lists under the current filter, the list view in edit mode, and the title's counter.
void ReloadFaceList();
