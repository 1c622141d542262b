#pragma once

#include <string>
#include <string_view>

// Conversion between the program's UTF-8 texts and the GBK bytes of the
// settings file and the help files. Bytes that cannot be converted become
// "?" (to GBK) or U+FFFD (from GBK); conversion never fails.
std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);
