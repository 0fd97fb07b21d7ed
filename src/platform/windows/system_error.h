#pragma once

#include <string>

namespace qm {

// The system's own words for an error code of GetLastError, in UTF-8 whatever the ANSI code page,
// without the full stop and the line end it adds: in the language the system picks, or in
// `language` (a LANGID) when it is given.
std::string systemErrorText(unsigned long error, unsigned short language = 0);

}  // namespace qm
