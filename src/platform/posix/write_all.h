#pragma once

#include <string_view>

namespace qm {

// Writes every byte to `descriptor`, again where a signal interrupts the write. 0 when all are
// written, else why not: the errno of the write that failed, or EIO for one that took no byte.
// Safe inside a signal handler.
int writeAll(int descriptor, std::string_view bytes);

}  // namespace qm
