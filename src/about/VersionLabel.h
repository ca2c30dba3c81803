// SPDX-License-Identifier: MIT
#pragma once
// The version text of the about window. Qt-free.

#include <string>

namespace About {

// "Version " followed by the three numbers joined by ".", each a plain
// decimal number without leading zeros: (1, 2, 12) gives "Version 1.2.12".
std::string VersionLabel(int major, int minor, int revision);

}  // namespace About
