#pragma once

// Loads the emoticon file into the lists and the picker, item 0 selected.
void LoadFaceFile();
// Loads the filter file into the filter list and FilterCombo.
void LoadFilterFile();
// Writes the lists back to the emoticon file; a failed save leaves the old file as it was.
void SaveFaceFile();
