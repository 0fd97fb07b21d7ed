#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_storage.h"
#include "core/console.h"
#include "core/platform.h"

// What the console program needs of the system it runs on, besides the game: its standard
// streams, its terminal or console window, its save file. Each desktop system implements it in a
// folder of its own under platform/, and the build takes the folder of the system it builds for.
// The web page needs none of it: it has its own entry, console and storage (platform/web/).
namespace qm {

// The streams are named by the C library's numbers for them (0 standard input, 1 standard
// output), which every system has; the tests name the ends of a pipe instead.
inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;

// Standard input, read as it arrives. A read interrupted by a signal is tried again, and a
// non-blocking input with nothing in it yet is waited on: only a real end of input (or an input
// that cannot be read at all) ends it.
std::unique_ptr<InputSource> standardInput(int stream = kStandardInput);

// Standard output. A write that cannot be done ends the game: a reader that has gone away is
// left quietly, any other failure is reported in one line on standard error. Either way the
// sink throws OutputFailed. A full non-blocking output is waited on.
std::unique_ptr<OutputSink> standardOutput(int stream = kStandardOutput);

// The program's arguments after its name, in UTF-8 (a program can be started with no name at
// all). POSIX gives them as they are; Windows reads its UTF-16 command line, since the ANSI one
// turns a character outside its code page into '?'.
std::vector<std::string> programArguments(int argc, char** argv);

// Readies standard input, output and error; called once before anything is read, written or
// opened. They carry their bytes as they are, with no translation of line ends on any system,
// and a stream the program was started without keeps its place empty of any file the game
// opens later (the save's lock, say), so the game's screen never goes into such a file.
void prepareStandardStreams();

bool standardInputIsTerminal();
bool standardOutputIsTerminal();
bool standardErrorIsTerminal();

// The width of the terminal that standard output shows (standard error's, where output is not a
// terminal), in columns: read at start-up and again after each resize (SIGWINCH on POSIX; Windows
// asks its console each time). 0 when neither is a terminal or its width is unknown.
class TerminalWidth {
 public:
  TerminalWidth();
  ~TerminalWidth();
  TerminalWidth(const TerminalWidth&) = delete;
  TerminalWidth& operator=(const TerminalWidth&) = delete;

  std::size_t columns();
};

// The console or terminal the game runs in: the window title (set at start-up, the one shown
// before put back when the game ends, Ctrl-C included) and the beep.
//
// On a POSIX terminal the title is set with the terminal's escape sequences, only where the
// terminal takes titles (a terminal named by TERM and not "dumb"), and the old title is kept on
// the terminal's title stack; the beep is left out, since a beep of frequency 0 is at most a
// pause. On Windows the console's own title and beep calls are used.
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

// The file a run is kept in when the command line names none: in the user's folder for the state
// of programs (POSIX: $XDG_STATE_HOME/quillmarrow/save, or ~/.local/state/quillmarrow/save;
// Windows: %LOCALAPPDATA%\Quillmarrow\save). Nothing when the system names no such folder.
std::optional<std::string> defaultSaveFile();

// The variable of the environment that must name the user's folder for defaultSaveFile() to
// give one (HOME; LOCALAPPDATA on Windows), for the line that says why no run is kept.
std::string_view userFolderVariable();

// A file as the storage of a kept run: claimed with a lock on a file beside it, replaced whole
// through a temporary file beside it that is flushed to the disk first, and set aside as
// FILE.damaged (or FILE.damaged.2 and on). With `makeFolders` the folders that lead to it are
// made as needed, for the user alone.
std::unique_ptr<RunStorage> saveFileStorage(std::string path, bool makeFolders);

}  // namespace qm
