#pragma once
#include <string>

// The bytes of an INI file with one key set, changed the way the system's profile functions
// change it, every other byte kept as it was: the key's line in the first section of that name
// is replaced; a key the section lacks is added after its last line; a missing section is added
// at the end with the key. Section and key names are matched without regard to ASCII case and
// to the blanks around them. Added lines end in CR LF.
std::string WithIniValue(const std::string& contents, const std::string& section,
                         const std::string& key, const std::string& value);
