#pragma once

#include <cstddef>
#include <string_view>

#include "game/console.h"

namespace qm {

// Standard input, read as it arrives. A read interrupted by a signal is tried again, and a
// non-blocking input with nothing in it yet is waited on: only a real end of input (or an input
// that cannot be read at all) ends it.
class StandardInput final : public InputSource {
 public:
  static constexpr int kStandardInput = 0;

  explicit StandardInput(int descriptor = kStandardInput);
  std::size_t readSome(char* buffer, std::size_t size) override;

 private:
  int descriptor_;
};

// Standard output. A write that cannot be done ends the game: a reader that has gone away is
// left quietly, any other failure is reported in one line on standard error. Either way the
// sink throws OutputFailed. A full non-blocking output is waited on.
class StandardOutput final : public OutputSink {
 public:
  static constexpr int kStandardOutput = 1;

  explicit StandardOutput(int descriptor = kStandardOutput);
  void write(std::string_view bytes) override;

 private:
  int descriptor_;
};

// Standard input, output and error carry their bytes as they are, with no translation of line
// ends on any system; called once before anything is read or written.
void useBinaryStandardStreams();

}  // namespace qm
