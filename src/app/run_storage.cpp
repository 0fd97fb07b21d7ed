#include "app/run_storage.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qm {

namespace {

// The name of the `number`th damaged run beside `save`: SAVE.damaged, SAVE.damaged.2, ...
std::string setAsideName(const std::string& save, long number) {
  std::string name = save + ".damaged";
  if (number > 1) name.append(".").append(std::to_string(number));
  return name;
}

// The number of a damaged run's name beside `save`, as setAsideName() makes it; 0 for any other
// name (a number too long to be one the storage gave included).
long setAsideNumber(std::string_view save, std::string_view name) {
  constexpr std::string_view kEnding = ".damaged";
  if (!name.starts_with(save) || !name.substr(save.size()).starts_with(kEnding)) return 0;
  name.remove_prefix(save.size() + kEnding.size());
  if (name.empty()) return 1;
  if (name.size() < 2 || name.size() > 10 || name[0] != '.' || name[1] == '0') return 0;
  long number = 0;
  for (const char digit : name.substr(1)) {
    if (digit < '0' || digit > '9') return 0;
    number = number * 10 + (digit - '0');
  }
  return number >= 2 ? number : 0;
}

}  // namespace

RunStorage::SetAside setAsideUnderAFreeName(
    const std::string& save, const std::function<bool(const std::string&)>& taken,
    const std::function<std::optional<std::string>(const std::string&)>& move) {
  for (int number = 1; number <= kMostSetAside; ++number) {
    std::string name = setAsideName(save, number);
    if (taken(name)) continue;
    std::optional<std::string> error = move(name);
    return {.name = std::move(name), .error = std::move(error)};
  }
  return {.name = save + ".damaged",
          .error = std::to_string(kMostSetAside) + " damaged runs stand beside it already"};
}

RunStorage::SetAside setAsideKeepingTheNewest(
    const std::string& save, const std::vector<std::string_view>& names, int keep,
    const std::function<std::optional<std::string>(const std::string&)>& move,
    const std::function<void(const std::string&)>& drop) {
  long newest = 0;
  for (const std::string_view name : names)
    newest = std::max(newest, setAsideNumber(save, name));
  std::string name = setAsideName(save, newest + 1);
  std::optional<std::string> error = move(name);
  if (!error) {
    for (const std::string_view old : names) {
      const long number = setAsideNumber(save, old);
      if (number > 0 && number <= newest + 1 - keep) drop(std::string(old));
    }
  }
  return {.name = std::move(name), .error = std::move(error)};
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
