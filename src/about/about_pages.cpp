#include "about/about_pages.h"

#include <cstring>

const char SiteAddress[] = "https://vemplor.invalid/";

namespace {

// The leading decimal digits at offset; 0 when the text ends before it or holds none there.
int VersionPartAt(const char* versionText, std::size_t offset)
{
    if (versionText == nullptr || std::strlen(versionText) <= offset) {
        return 0;
    }
    int value = 0;
    for (const char* p = versionText + offset; *p >= '0' && *p <= '9' && value < 100000; ++p) {
        value = value * 10 + (*p - '0');
    }
    return value;
}

} // namespace

std::string HomePageAddress()
{
    return SiteAddress;
}

std::string MailFormAddress()
{
    return std::string(SiteAddress) + "mail.php";
}

std::string UpdateCheckAddress(const char* versionText)
{
    return std::string(SiteAddress) + "update/update.php?Software=Vemplor&Version=" +
           std::to_string(VersionPartAt(versionText, 0)) +
           std::to_string(VersionPartAt(versionText, 2)) +
           std::to_string(VersionPartAt(versionText, 4));
}
