#pragma once

#include <string>

namespace qm {

// The system's own words for an error code of GetLastError, without the line end it adds.
std::string systemErrorText(unsigned long error);

}  // namespace qm
