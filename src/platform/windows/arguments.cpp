#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/system.h"
#include "platform/windows/unicode.h"

namespace qm {

// The C library's argv is in the ANSI code page; the command line itself is UTF-16, split here
// by the system's own rules.
std::vector<std::string> programArguments(int /*argc*/, char** /*argv*/) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int at = 1; words && at < count; ++at)
    arguments.push_back(utf8FromWide(words[at]));
  LocalFree(words);
  return arguments;
}

}  // namespace qm
