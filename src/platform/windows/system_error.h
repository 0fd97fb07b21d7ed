#pragma once

#include <string>

namespace qm {

// The system's own words for an error code of GetLastError, without the full stop and the line
// end it adds.
std::string systemErrorText(unsigned long error);

}  // namespace qm
