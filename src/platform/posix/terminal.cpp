#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdlib>

#include "app/system.h"
#include "platform/posix/terminal.h"
#include "platform/posix/write_all.h"

namespace qm {

namespace {

// The title stack of xterm and the terminals that follow it: push the title shown now, pop it.
constexpr std::string_view kPushTitle = "\033[22;0t";
constexpr std::string_view kPopTitle = "\033[23;0t";
constexpr std::array kStoppingSignals = {SIGINT, SIGTERM};

volatile std::sig_atomic_t terminalResized = 0;

extern "C" void noteResize(int /*signal*/) {
  terminalResized = 1;
}

// Straight to the terminal, past the console: used before the first output, after the last,
// and inside a signal handler. A terminal that cannot take the title is left as it is.
void writeToTerminal(std::string_view bytes) {
  writeAll(STDOUT_FILENO, bytes);
}

// Ctrl-C (or a polite kill) while titles are in use: restore the title, then stop the way the
// signal stops a program, with its usual status.
extern "C" void restoreTitleAndStop(int signal) {
  writeToTerminal(kPopTitle);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

using SignalHandler = void (*)(int);

SignalHandler currentHandler(int signal) {
  struct sigaction current {};
  ::sigaction(signal, nullptr, &current);
  return current.sa_handler;
}

void handleSignal(int signal, SignalHandler handler) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

// A signal that was ignored when the game started (a game run in the background by a script) is
// left ignored.
void restoreTitleOnStoppingSignals() {
  for (const int signal : kStoppingSignals) {
    if (currentHandler(signal) != SIG_IGN) handleSignal(signal, restoreTitleAndStop);
  }
}

void stopRestoringTitleOnSignals() {
  for (const int signal : kStoppingSignals) {
    if (currentHandler(signal) == restoreTitleAndStop) handleSignal(signal, SIG_DFL);
  }
}

std::size_t queryColumns() {
  for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
    struct winsize size {};
    if (::ioctl(stream, TIOCGWINSZ, &size) == 0) return size.ws_col;
  }
  return 0;
}

}  // namespace

bool terminalTakesTitles(bool outputIsTerminal, const char* term) {
  return outputIsTerminal && term != nullptr && *term != '\0' && std::string_view(term) != "dumb";
}

bool standardInputIsTerminal() {
  return ::isatty(STDIN_FILENO) == 1;
}

bool standardOutputIsTerminal() {
  return ::isatty(STDOUT_FILENO) == 1;
}

bool standardErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

// The width last read, read again after a resize.
std::size_t knownColumns = 0;

TerminalWidth::TerminalWidth() {
  knownColumns = queryColumns();
  handleSignal(SIGWINCH, noteResize);
}

TerminalWidth::~TerminalWidth() {
  handleSignal(SIGWINCH, SIG_DFL);
}

std::size_t TerminalWidth::columns() {
  if (terminalResized != 0) {
    terminalResized = 0;
    knownColumns = queryColumns();
  }
  return knownColumns;
}

ConsolePlatform::ConsolePlatform(Console& console)
    : console_(console),
      setsTitles_(terminalTakesTitles(standardOutputIsTerminal(), std::getenv("TERM"))) {
  if (!setsTitles_) return;
  writeToTerminal(kPushTitle);
  restoreTitleOnStoppingSignals();
}

// The game routine has handed all its output to the terminal by now, so the old title comes back
// after the last line.
ConsolePlatform::~ConsolePlatform() {
  if (!setsTitles_) return;
  stopRestoringTitleOnSignals();
  writeToTerminal(kPopTitle);
}

void ConsolePlatform::setWindowTitle(std::string_view title) {
  if (!setsTitles_) return;
  console_.control("\033]0;");
  console_.control(title);
  console_.control("\a");
}

void ConsolePlatform::beep(int /*frequency*/, int /*milliseconds*/) {}

}  // namespace qm
