#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace qm {

// The title of the console the program is attached to; none when it has no console.
std::optional<std::wstring> consoleTitle();

// The width in columns of the console window that shows `output` (a console screen handle);
// 0 when `output` is not a console (a pipe or a file).
std::size_t consoleColumns(void* output);

}  // namespace qm
