#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "app/system.h"
#include "platform/windows/console_window.h"
#include "support/scripted_io.h"

namespace qm::testing {
namespace {

// An anonymous pipe whose two ends are C library descriptors, as standard streams are.
struct Pipe {
  Pipe() {
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    EXPECT_TRUE(CreatePipe(&reading, &writing, nullptr, 0));
    readEnd = _open_osfhandle(reinterpret_cast<intptr_t>(reading), _O_RDONLY | _O_BINARY);
    writeEnd = _open_osfhandle(reinterpret_cast<intptr_t>(writing), _O_WRONLY | _O_BINARY);
  }
  ~Pipe() {
    closeReadEnd();
    closeWriteEnd();
  }
  void closeReadEnd() {
    if (readEnd >= 0) _close(readEnd);
    readEnd = -1;
  }
  void closeWriteEnd() {
    if (writeEnd >= 0) _close(writeEnd);
    writeEnd = -1;
  }
  void* writeHandle() const { return reinterpret_cast<void*>(_get_osfhandle(writeEnd)); }
  int readEnd = -1;
  int writeEnd = -1;
};

// Run from a pipe (as CTest runs it) the program has no console with a title; CTest runs these
// tests a second time on a terminal, where a console must be found.
bool hasConsole() {
  return consoleTitle().has_value();
}

bool consoleExpected() {
  return std::getenv("QUILLMARROW_EXPECT_CONSOLE") != nullptr;
}

TEST(WindowsConsole, TheGameSetsItsTitleAndPutsTheOldOneBack) {
  if (!hasConsole() && !consoleExpected()) GTEST_SKIP() << "no console to test the title with";
  ASSERT_TRUE(hasConsole());
  ASSERT_TRUE(SetConsoleTitleW(L"Before the game"));
  {
    ScriptedInput input("");
    CapturedOutput output;
    Console console(input, output);
    ConsolePlatform platform(console);
    platform.setWindowTitle("Quillmarrow");
    EXPECT_EQ(consoleTitle(), std::wstring(L"Quillmarrow"));
  }
  EXPECT_EQ(consoleTitle(), std::wstring(L"Before the game"));
}

TEST(WindowsConsole, TheWidthIsTheConsoleWindowsAndAPipeHasNone) {
  Pipe pipe;
  EXPECT_EQ(consoleColumns(pipe.writeHandle()), 0u);
  EXPECT_EQ(consoleColumns(INVALID_HANDLE_VALUE), 0u);
  if (!hasConsole() && !consoleExpected()) GTEST_SKIP() << "no console to measure";
  EXPECT_GT(TerminalWidth().columns(), 0u);
}

TEST(WindowsStreams, InputEndsWhenThePipeClosesAndAGoneReaderEndsTheOutputQuietly) {
  Pipe pipe;
  standardOutput(pipe.writeEnd)->write("L\r\n");
  pipe.closeWriteEnd();
  const std::unique_ptr<InputSource> input = standardInput(pipe.readEnd);
  std::array<char, 16> buffer{};
  EXPECT_EQ(std::string(buffer.data(), input->readSome(buffer.data(), buffer.size())), "L\r\n");
  EXPECT_EQ(input->readSome(buffer.data(), buffer.size()), 0u);

  Pipe abandoned;
  abandoned.closeReadEnd();
  EXPECT_THROW(standardOutput(abandoned.writeEnd)->write("Hello"), OutputFailed);
}

}  // namespace
}  // namespace qm::testing
