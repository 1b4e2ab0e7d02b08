#pragma once

// Reads every setting from the settings file into the Settings record. Nothing is applied here:
// the application shell puts the record into effect.
void LoadSettings();
