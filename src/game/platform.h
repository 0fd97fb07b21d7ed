#pragma once

#include <cstddef>
#include <string_view>

#include "game/console.h"

namespace qm {

// The few calls the game makes to the machine it runs on, besides text in and out.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual void setWindowTitle(std::string_view title) = 0;
  virtual void beep(int frequency, int milliseconds) = 0;
};

// A POSIX terminal: the title is set with the terminal's title escape sequence, and only when
// standard output is a terminal. The beep is left out: a beep of frequency 0 is at most a pause.
class PosixPlatform final : public Platform {
 public:
  explicit PosixPlatform(Console& console);
  void setWindowTitle(std::string_view title) override;
  void beep(int frequency, int milliseconds) override;

 private:
  Console& console_;
  bool outputIsTerminal_;
};

// Standard input, read as it arrives.
class StandardInput final : public InputSource {
 public:
  std::size_t readSome(char* buffer, std::size_t size) override;
};

// Standard output. A reader that has gone away is not an error: the output is dropped and the
// game goes on until its input ends.
class StandardOutput final : public OutputSink {
 public:
  StandardOutput();
  void write(std::string_view bytes) override;

 private:
  bool broken_ = false;
};

}  // namespace qm
