// Replays fuzz inputs without libFuzzer, with any compiler: every file named, and every file in
// every directory named, is played once. With --show the game's output of each is printed; with
// --saves the inputs are read as kept runs instead of played.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_play.h"

namespace {

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& path) {
  if (!std::filesystem::is_directory(path)) return {path};
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::uint8_t> contentsOf(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) {
    std::cerr << "cannot read " << file << "\n";
    std::exit(2);
  }
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  bool show = false;
  bool saves = false;
  int played = 0;
  for (int argument = 1; argument < argc; ++argument) {
    if (std::string_view(argv[argument]) == "--show") {
      show = true;
      continue;
    }
    if (std::string_view(argv[argument]) == "--saves") {
      saves = true;
      continue;
    }
    for (const std::filesystem::path& file : inputsIn(argv[argument])) {
      const std::vector<std::uint8_t> bytes = contentsOf(file);
      if (saves) {
        qm::fuzz::readFuzzSave(bytes.data(), bytes.size());
        ++played;
        continue;
      }
      const std::string output = qm::fuzz::playFuzzInput(bytes.data(), bytes.size());
      if (show) std::cout << "==== " << file.string() << "\n" << output;
      ++played;
    }
  }
  if (played == 0) {
    std::cerr << "usage: quillmarrow_fuzz_replay [--show | --saves] FILE_OR_DIRECTORY...\n";
    return 2;
  }
  std::cerr << "replayed " << played << " inputs\n";
  return 0;
}
