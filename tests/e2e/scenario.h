#pragma once
// The set-up end-to-end scenarios share: a fresh working directory holding the files and settings
// keys a scenario names, the picker started in it, and the picker's windows at hand.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "harness.h"

// Name and bytes of each file, or key and value of each settings key, in the order written.
using NamedTexts = std::vector<std::pair<std::string, std::string>>;

// The fixture of every suite that drives the picker (each test file names it after its suite).
// A test may start the picker again, in a fresh directory or in the one it has.
class PickerScenario : public ::testing::Test {
protected:
    // Ends the picker started before and makes dir a fresh directory (see WorkDir) holding the
    // files and then the keys of section "Option" of the settings file.
    void Prepare(const NamedTexts& files = {}, const NamedTexts& settings = {},
                 const std::string& label = "", const std::string& parent = "");
    // Starts the picker in dir as it is now; false when its window never showed.
    bool Launch();
    bool Start(const NamedTexts& files = {}, const NamedTexts& settings = {});

    WorkDir dir;
    RunningPicker picker;
    PickerWindows windows;
};
