#pragma once
#include <string>

// The value of a key in the first section of that name, read the way the system's profile
// functions read it: names matched as below, the blanks around the value dropped, and one pair
// of matching quotes around it too. Lines end in CR LF, LF or a lone CR, and a UTF-8 byte-order
// mark before the first line is passed over. False when the key is not there.
bool FindIniValue(const std::string& contents, const std::string& section, const std::string& key,
                  std::string& value);

// The bytes of an INI file with one key set, changed the way the system's profile functions
// change it, every other byte kept as it was: the key's line in the first section of that name
// is replaced; a key the section lacks is added after its last line; a missing section is added
// at the end with the key. Section and key names are matched without regard to ASCII case and
// to the blanks around them. Added lines end as the file's first line does (CR LF in a file
// without one).
std::string WithIniValue(const std::string& contents, const std::string& section,
                         const std::string& key, const std::string& value);
