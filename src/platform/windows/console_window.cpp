#include <windows.h>

#include <array>
#include <string>

#include "app/system.h"
#include "platform/windows/console_window.h"

namespace qm {

namespace {

// The console's title before the game set its own, put back when the game ends. Kept here, not
// in the platform object, because the Ctrl-C handler runs on a thread of its own.
std::wstring titleBefore;
bool titleSaved = false;

void restoreTitle() {
  if (titleSaved) SetConsoleTitleW(titleBefore.c_str());
}

// Ctrl-C, Ctrl-Break or the console window closing: the old title comes back. Ctrl-C and
// Ctrl-Break then end the game at once with the status every console program gets from them;
// the other events go on to the default handler.
BOOL WINAPI restoreTitleOnStop(DWORD event) {
  restoreTitle();
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(STATUS_CONTROL_C_EXIT));
  }
  return FALSE;
}

bool isConsole(DWORD handleName) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(handleName), &mode) != 0;
}

}  // namespace

std::optional<std::wstring> consoleTitle() {
  std::array<wchar_t, 1024> title{};
  SetLastError(ERROR_SUCCESS);
  const DWORD length = GetConsoleTitleW(title.data(), static_cast<DWORD>(title.size()));
  // An empty title is a title too; a failure sets an error.
  if (length == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
  return std::wstring(title.data(), length);
}

std::size_t consoleColumns(void* output) {
  CONSOLE_SCREEN_BUFFER_INFO screen{};
  if (!GetConsoleScreenBufferInfo(static_cast<HANDLE>(output), &screen)) return 0;
  return static_cast<std::size_t>(screen.srWindow.Right - screen.srWindow.Left + 1);
}

bool standardInputIsTerminal() {
  return isConsole(STD_INPUT_HANDLE);
}

bool standardOutputIsTerminal() {
  return isConsole(STD_OUTPUT_HANDLE);
}

bool standardErrorIsTerminal() {
  return isConsole(STD_ERROR_HANDLE);
}

// The console is asked every time: a resized window needs no signal to be noticed.
TerminalWidth::TerminalWidth() = default;

TerminalWidth::~TerminalWidth() = default;

std::size_t TerminalWidth::columns() {
  const std::size_t output = consoleColumns(GetStdHandle(STD_OUTPUT_HANDLE));
  return output != 0 ? output : consoleColumns(GetStdHandle(STD_ERROR_HANDLE));
}

// Without a console (a program started with its streams piped and no window) there is no title
// to set or to put back.
ConsolePlatform::ConsolePlatform(Console& console) : console_(console), setsTitles_(false) {
  if (const std::optional<std::wstring> title = consoleTitle()) {
    titleBefore = *title;
    titleSaved = true;
    setsTitles_ = true;
    SetConsoleCtrlHandler(restoreTitleOnStop, TRUE);
  }
}

ConsolePlatform::~ConsolePlatform() {
  if (!setsTitles_) return;
  SetConsoleCtrlHandler(restoreTitleOnStop, FALSE);
  restoreTitle();
  titleSaved = false;
}

// The game's titles are plain ASCII.
void ConsolePlatform::setWindowTitle(std::string_view title) {
  if (!setsTitles_) return;
  SetConsoleTitleW(std::wstring(title.begin(), title.end()).c_str());
}

void ConsolePlatform::beep(int frequency, int milliseconds) {
  Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(milliseconds));
}

}  // namespace qm
