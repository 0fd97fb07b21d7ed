#include "app/run_storage.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qm {

RunStorage::SetAside setAsideUnderAFreeName(
    const std::string& save, const std::function<bool(const std::string&)>& taken,
    const std::function<std::optional<std::string>(const std::string&)>& move) {
  for (int number = 1; number <= kMostSetAside; ++number) {
    std::string name = save + ".damaged";
    if (number > 1) name.append(".").append(std::to_string(number));
    if (taken(name)) continue;
    std::optional<std::string> error = move(name);
    return {.name = std::move(name), .error = std::move(error)};
  }
  return {.name = save + ".damaged",
          .error = std::to_string(kMostSetAside) + " damaged runs stand beside it already"};
}

bool namesAFolder(std::string_view path, std::string_view separators) {
  const std::size_t separator = path.find_last_of(separators);
  const std::string_view last =
      separator == std::string_view::npos ? path : path.substr(separator + 1);
  return last.empty() || last == "." || last == "..";
}

void makeFoldersLeadingTo(std::string_view path, std::string_view separators,
                          const std::function<void(const std::string&)>& make) {
  for (std::size_t at = path.find_first_of(separators, 1); at != std::string_view::npos;
       at = path.find_first_of(separators, at + 1)) {
    make(std::string(path.substr(0, at)));
  }
}

void readUpToPastTheLargestSave(RunStorage::Stored& stored,
                                const std::function<ReadSome(char*, std::size_t)>& read) {
  std::array<char, 4096> buffer{};
  while (stored.text.size() <= kLargestSave) {
    const std::size_t wanted = std::min(buffer.size(), kLargestSave + 1 - stored.text.size());
    const ReadSome got = read(buffer.data(), wanted);
    if (got.error) {
      stored.error = got.error;
      return;
    }
    if (got.count == 0) return;
    stored.text.append(buffer.data(), got.count);
  }
}

}  // namespace qm
