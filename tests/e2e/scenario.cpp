#include "scenario.h"

void PickerScenario::Prepare(const NamedTexts& files, const NamedTexts& settings,
                             const std::string& label, const std::string& parent)
{
    picker.End();
    windows = {};
    dir.Renew(label, parent);
    for (const auto& [name, bytes] : files) {
        dir.Write(name, bytes);
    }
    for (const auto& [key, value] : settings) {
        dir.WriteSetting(key, value);
    }
}

bool PickerScenario::Launch()
{
    bool started = picker.Launch(dir);
    windows = picker.Windows();
    return started;
}

bool PickerScenario::Start(const NamedTexts& files, const NamedTexts& settings)
{
    Prepare(files, settings);
    return Launch();
}
