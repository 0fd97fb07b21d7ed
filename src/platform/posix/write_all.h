#pragma once

#include <string_view>

namespace qm {

// Writes every byte to `descriptor`, again where a signal interrupts the write; false when the
// write fails (errno tells why). Safe inside a signal handler.
bool writeAll(int descriptor, std::string_view bytes);

}  // namespace qm
