#pragma once

#include <string>
#include <string_view>

// Inside the program, file names are UTF-8 on every system. Windows takes them in UTF-16, and
// these convert at the calls to it, so a name in any script (a user folder named in Chinese on
// an English Windows, say) reaches the disk as it is, which the ANSI code page cannot promise.
namespace qm {

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

}  // namespace qm
