// Saving at exit onto a full disk: the settings file and the list stay whole, nothing is left
// behind, and the first exit with room to spare saves again.
#include <gtest/gtest.h>

#include <cstdio>

#include "scenario.h"

namespace {

using FullDisk = PickerScenario;

const std::string SmallDisk = VEMPLOR_SMALL_DISK_PATH;

// A file grows on the disk until it takes no more.
void FillDisk(const WorkDir& dir)
{
    std::FILE* file = std::fopen(dir.PathOf("filler").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const std::string block(4096, 'f');
    while (std::fwrite(block.data(), 1, block.size(), file) == block.size() &&
           std::fflush(file) == 0) {
    }
    std::fclose(file);
}

TEST_F(FullDisk, SavingOntoAFullDiskLeavesTheSettingsAndTheListWhole)
{
    if (GetFileAttributesA((SmallDisk + "\\.small-disk").c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no small disk mounted (mounting needs root)";
    }
    // Just short of a disk block: the position written at exit makes it need another.
    const std::string head = "[Option]\r\nWidth=420\r\nMemo=";
    const std::string memo(4090 - head.size() - 2, 'm');
    const std::string settings = head + memo + "\r\n";
    const std::string list = "a\t(^_^)\r\nb\t(;_;)";
    Prepare({{SettingsFile, settings}, {FaceFile, list}}, {}, "", SmallDisk);
    FillDisk(dir);

    ASSERT_TRUE(Launch());
    SetWindowPos(picker.Picker(), nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(SettingsFile), settings);
    EXPECT_EQ(dir.Read(FaceFile), list);
    for (const std::string& name : dir.FileNames()) {
        EXPECT_EQ(name.find(".saving"), std::string::npos) << name;
    }

    DeleteFileA(dir.PathOf("filler").c_str());
    ASSERT_TRUE(Launch());
    SetWindowPos(picker.Picker(), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(SettingsFile), settings + "Left=70\r\nTop=80\r\n");
    EXPECT_EQ(dir.Read(FaceFile), list);
}

} // namespace
