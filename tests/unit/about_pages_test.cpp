#include "about/about_pages.h"

#include <gtest/gtest.h>

TEST(AboutPages, ThePagesLieUnderTheSiteRoot)
{
    EXPECT_EQ(HomePageAddress(), "https://vemplor.invalid/");
    EXPECT_EQ(MailFormAddress(), "https://vemplor.invalid/mail.php");
    EXPECT_EQ(UpdateCheckAddress("4.1.1"),
              "https://vemplor.invalid/update/update.php?Software=Vemplor&Version=411");
}

TEST(AboutPages, TheUpdateQueryReadsTheDigitsAtTheirOffsets)
{
    const std::string query = "update/update.php?Software=Vemplor&Version=";
    const std::string base = std::string(SiteAddress) + query;
    EXPECT_EQ(UpdateCheckAddress("5.0.12"), base + "5012");
    EXPECT_EQ(UpdateCheckAddress("4.x.1b"), base + "401");
    EXPECT_EQ(UpdateCheckAddress("4.1"), base + "410") << "no reading past the end";
    EXPECT_EQ(UpdateCheckAddress(""), base + "000");
    EXPECT_EQ(UpdateCheckAddress(nullptr), base + "000");
}
