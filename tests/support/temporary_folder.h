#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace qm::testing {

// A folder of its own under the system's temporary one, named in Chinese (which no Western ANSI
// code page holds, so a save file's name must reach Windows in UTF-16), and removed with all in
// it, whatever permissions a test left on what it holds.
class TemporaryFolder {
 public:
  TemporaryFolder()
      : path_(
            std::filesystem::temp_directory_path() /
            std::filesystem::path(u8"quillmarrow-\u6d4b\u8bd5-" + number(std::random_device()()))) {
    std::filesystem::create_directory(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  // The path of `name` inside, in UTF-8, as the game names files.
  std::string operator/(std::string_view name) const {
    const std::u8string inside = path(name).u8string();
    return {inside.begin(), inside.end()};
  }
  std::filesystem::path path(std::string_view name) const {
    return path_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
  }

  // Writes `text` into the file `name` inside.
  void put(std::string_view name, std::string_view text) const {
    std::ofstream(path(name), std::ios::binary) << text;
  }

 private:
  static std::u8string number(unsigned value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
  }

  std::filesystem::path path_;
};

}  // namespace qm::testing
