#pragma once

// Reads every setting from the settings file at path into the Settings record, each by its
// start-up rule. Nothing is applied here: the application shell puts the record into effect.
void LoadSettings(const char* path);
