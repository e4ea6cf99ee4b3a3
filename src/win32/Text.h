#pragma once

#include <string>

// The core speaks UTF-8; Windows' wide functions speak UTF-16. Text crosses
// here, and nowhere else, so names in any language survive. Text that is not
// valid in its encoding comes out with U+FFFD in place of the bad part.
std::wstring wideText(const std::string& utf8);
std::string utf8Text(const std::wstring& wide);
