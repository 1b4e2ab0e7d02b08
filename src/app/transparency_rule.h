#pragma once
// Which Windows versions can draw PickerWindow translucent (layered windows).

// The version rule applied to GetVersionExW's platform id and version numbers: only the NT
// platform (2) from 5.0 to 5.2 and from major version 6 on. NT 3.51 and 4.0, other NT 5.x,
// the consumer platform (1) and a failed query (platform 0) all answer false.
bool LayeringAllowed(unsigned long platformId, unsigned long majorVersion,
                     unsigned long minorVersion);
