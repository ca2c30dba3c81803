// SPDX-License-Identifier: MIT
#pragma once
// Reading web addresses as the boards' PHP code does: an address's scheme,
// and the decoding of "+" and "%XX". Qt-free.

#include <string>
#include <string_view>

namespace UrlText {

// The scheme of an address ("javascript" in "javascript:x"), lower case;
// empty when it has none: a letter, then letters, digits, "+", "-" and
// ".", then ":" (a host followed by a port number, "host:80" or
// "host:80/", is not one).
std::string SchemeOf(std::string_view url);

// PHP's urldecode(): "+" as a space and "%" with two hexadecimal digits as
// that byte; anything else as it is.
std::string Decode(std::string_view s);

}  // namespace UrlText
