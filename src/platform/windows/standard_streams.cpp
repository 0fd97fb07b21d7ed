#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/system.h"
#include "platform/windows/system_error.h"

namespace qm {

namespace {

// Ctrl-Z typed at the start of a console line ends the input, as it does for every console
// program.
constexpr char kEndOfInputKey = '\x1a';

// A console takes at most this much in one write.
constexpr DWORD kLargestWrite = 1 << 15;

HANDLE handleOf(int descriptor) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// The reader of a pipe has gone away: nobody is left to tell.
bool readerHasLeft(DWORD error) {
  return error == ERROR_BROKEN_PIPE || error == ERROR_NO_DATA || error == ERROR_PIPE_NOT_CONNECTED;
}

void reportWriteFailure(DWORD error) {
  const std::string message =
      "quillmarrow: cannot write the output: " + systemErrorText(error) + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), message.data(), static_cast<DWORD>(message.size()),
            &written, nullptr);
}

}  // namespace

void prepareStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

StandardInput::StandardInput(int descriptor) : descriptor_(descriptor) {}

// A closed pipe, an input that cannot be read and Ctrl-Z at a console all end the input.
std::size_t StandardInput::readSome(char* buffer, std::size_t size) {
  const HANDLE input = handleOf(descriptor_);
  DWORD got = 0;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
  if (!ReadFile(input, buffer, wanted, &got, nullptr)) return 0;
  if (got > 0 && buffer[0] == kEndOfInputKey && isConsole(input)) return 0;
  return got;
}

StandardOutput::StandardOutput(int descriptor) : descriptor_(descriptor) {}

void StandardOutput::write(std::string_view bytes) {
  const HANDLE output = handleOf(descriptor_);
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kLargestWrite));
    DWORD put = 0;
    const BOOL wrote = WriteFile(output, bytes.data(), chunk, &put, nullptr);
    if (!wrote || put == 0) {
      const DWORD error = wrote ? ERROR_WRITE_FAULT : GetLastError();
      if (!readerHasLeft(error)) reportWriteFailure(error);
      throw OutputFailed{};
    }
    bytes.remove_prefix(put);
  }
}

}  // namespace qm
