#include "app/run_storage.h"

#include <utility>

namespace qm {

RunStorage::SetAside setAsideUnderAFreeName(
    const std::string& save, const std::function<bool(const std::string&)>& taken,
    const std::function<std::optional<std::string>(const std::string&)>& move) {
  for (int number = 1; number <= kMostSetAside; ++number) {
    // Appended piece by piece: GCC 12 at -O3 takes "." + std::to_string() for an overlapping copy.
    std::string name = save + ".damaged";
    if (number > 1) name.append(".").append(std::to_string(number));
    if (taken(name)) continue;
    std::optional<std::string> error = move(name);
    return {.name = std::move(name), .error = std::move(error)};
  }
  return {.name = save + ".damaged",
          .error = std::to_string(kMostSetAside) + " damaged runs stand beside it already"};
}

}  // namespace qm
