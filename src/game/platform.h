#pragma once

#include <string_view>

#include "game/console.h"
#include "game/standard_streams.h"  // the streams the shipped program pairs with it

namespace qm {

// The few calls the game makes to the machine it runs on, besides text in and out.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual void setWindowTitle(std::string_view title) = 0;
  virtual void beep(int frequency, int milliseconds) = 0;
};

// Whether the title may be set with the terminal's escape sequences: only on a terminal, and
// only when TERM names one that is not "dumb".
bool terminalTakesTitles(bool outputIsTerminal, const char* term);

// The width of the terminal that standard output shows, in columns: read at start-up and again
// after each resize (SIGWINCH). 0 when standard output is not a terminal or its width is unknown.
class TerminalWidth {
 public:
  TerminalWidth();
  ~TerminalWidth();
  TerminalWidth(const TerminalWidth&) = delete;
  TerminalWidth& operator=(const TerminalWidth&) = delete;

  std::size_t columns();

 private:
  std::size_t columns_;
};

bool standardInputIsTerminal();
bool standardOutputIsTerminal();

// A POSIX terminal: the title is set with the terminal's title escape sequence, where the
// terminal takes titles (see terminalTakesTitles). The title shown before the game is pushed on
// the terminal's title stack at start-up and popped again when the game ends, whether by the end
// screen, the end of input or Ctrl-C; a terminal without a title stack ignores both. The beep is
// left out: a beep of frequency 0 is at most a pause.
class PosixPlatform final : public Platform {
 public:
  explicit PosixPlatform(Console& console);
  ~PosixPlatform() override;
  PosixPlatform(const PosixPlatform&) = delete;
  PosixPlatform& operator=(const PosixPlatform&) = delete;

  void setWindowTitle(std::string_view title) override;
  void beep(int frequency, int milliseconds) override;

 private:
  Console& console_;
  bool takesTitles_;
};

}  // namespace qm
