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

// The width of the terminal that standard output shows, in columns: read at start-up and again
// after each resize (SIGWINCH on POSIX; Windows asks its console each time). 0 when standard
// output is not a terminal or its width is unknown.
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

// The console or terminal the game runs in, with one implementation per system, chosen by the
// build: the window title (set at start-up, the one shown before put back when the game ends,
// Ctrl-C included) and the beep.
//
// On a POSIX terminal the title is set with the terminal's escape sequences, only where the
// terminal takes titles (a terminal named by TERM and not "dumb"), and the old title is kept on the
// terminal's title stack; the beep is left out, since a beep of frequency 0 is at most a pause.
// On Windows the console's own title and beep calls are used.
class ConsolePlatform final : public Platform {
 public:
  explicit ConsolePlatform(Console& console);
  ~ConsolePlatform() override;
  ConsolePlatform(const ConsolePlatform&) = delete;
  ConsolePlatform& operator=(const ConsolePlatform&) = delete;

  void setWindowTitle(std::string_view title) override;
  void beep(int frequency, int milliseconds) override;

 private:
  Console& console_;
  bool setsTitles_;
};

}  // namespace qm
