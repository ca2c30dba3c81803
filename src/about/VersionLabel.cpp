// SPDX-License-Identifier: MIT
#include "about/VersionLabel.h"

namespace About {

std::string VersionLabel(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

}  // namespace About
