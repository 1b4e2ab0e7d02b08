#pragma once
#include "settings/settings_record.h"

// Reads every setting from the settings file at path into the record, each by its start-up rule.
// Nothing is applied here: the application shell puts the record into effect.
void LoadSettings(SettingsRecord& settings, const char* path);
