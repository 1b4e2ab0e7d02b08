#pragma once
#include <string>

// The three pages of the project's web site that the about box opens.
extern const char SiteAddress[];

std::string HomePageAddress();
std::string MailFormAddress();
// The update check names the program and its version, the digits at offsets 0, 2 and 4 of the
// version text ("4.1.1" gives Version=411). A part the text is too short for reads as 0.
std::string UpdateCheckAddress(const char* versionText);
