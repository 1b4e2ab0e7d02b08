// Every seed of the fuzz targets and every input that ever broke one of their properties still
// keeps them, on every platform the unit tests run on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz_properties.h"

namespace {

std::string Contents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(FuzzInputs, SeedsAndInputsThatOnceFoundAFaultKeepEveryProperty)
{
    const std::filesystem::path root = VEMPLOR_FUZZ_INPUTS;
    int replayed = 0;
    for (const FuzzTarget& target : FuzzTargets) {
        for (const char* kind : {"corpus", "regressions"}) {
            std::filesystem::path directory = root / kind / target.name;
            if (!std::filesystem::is_directory(directory)) {
                continue;
            }
            for (const auto& entry : std::filesystem::directory_iterator(directory)) {
                EXPECT_TRUE(target.check(Contents(entry.path()))) << entry.path();
                ++replayed;
            }
        }
    }
    EXPECT_GT(replayed, 10);
}

} // namespace
