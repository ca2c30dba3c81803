// SPDX-License-Identifier: MIT
#include "forums/SiteAddress.h"

namespace SiteAddress {

std::string Normalise(std::string_view typed)
{
    std::string address(typed.substr(0, typed.find(IndexPage)));
    if (!address.empty() && address.back() != '/')
        address.push_back('/');
    return address;
}

}  // namespace SiteAddress
