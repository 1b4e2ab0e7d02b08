#include "about/about_pages.h"

#include <gtest/gtest.h>

TEST(AboutPages, TheUpdateQueryReadsTheDigitsAtTheirOffsets)
{
    const std::string query = "update/update.php?Software=Vemplor&Version=";
    const std::string base = std::string(SiteAddress) + query;
    EXPECT_EQ(UpdateCheckAddress("4.1.1"), base + "411");
    EXPECT_EQ(UpdateCheckAddress("5.0.12"), base + "5012");
    EXPECT_EQ(UpdateCheckAddress("4.x.1b"), base + "401");
    EXPECT_EQ(UpdateCheckAddress("4.1"), base + "410") << "no reading past the end";
    EXPECT_EQ(UpdateCheckAddress(""), base + "000");
    EXPECT_EQ(UpdateCheckAddress(nullptr), base + "000");
}
