// Saving at exit onto a full disk: the settings file and the list stay whole, nothing is left
// behind, and the first exit with room to spare saves again.
#include <gtest/gtest.h>

#include <cstdio>

#include "harness.h"

namespace {

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

void RunAndCloseAt(const WorkDir& dir, int left, int top)
{
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    SetWindowPos(picker.Picker(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
}

TEST(FullDisk, SavingOntoAFullDiskLeavesTheSettingsAndTheListWhole)
{
    if (GetFileAttributesA((SmallDisk + "\\.small-disk").c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no small disk mounted (mounting needs root)";
    }
    WorkDir dir("", SmallDisk);
    // Just short of a disk block: the position written at exit makes it need another.
    const std::string head = "[Option]\r\nWidth=420\r\nMemo=";
    const std::string memo(4090 - head.size() - 2, 'm');
    const std::string settings = head + memo + "\r\n";
    const std::string list = "a\t(^_^)\r\nb\t(;_;)";
    dir.Write("Vemplor.ini", settings);
    dir.Write("Vemplor.txt", list);
    FillDisk(dir);

    RunAndCloseAt(dir, 50, 60);
    EXPECT_EQ(dir.Read("Vemplor.ini"), settings);
    EXPECT_EQ(dir.Read("Vemplor.txt"), list);
    for (const std::string& name : dir.FileNames()) {
        EXPECT_EQ(name.find(".saving"), std::string::npos) << name;
    }

    DeleteFileA(dir.PathOf("filler").c_str());
    RunAndCloseAt(dir, 70, 80);
    EXPECT_EQ(dir.Read("Vemplor.ini"), settings + "Left=70\r\nTop=80\r\n");
    EXPECT_EQ(dir.Read("Vemplor.txt"), list);
}

} // namespace
