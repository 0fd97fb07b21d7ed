#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
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

namespace {

class HandleInput final : public InputSource {
 public:
  explicit HandleInput(HANDLE input) : input_(input) {}

  // A closed pipe, an input that cannot be read and Ctrl-Z at a console all end the input.
  std::size_t readSome(char* buffer, std::size_t size) override {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
    if (!ReadFile(input_, buffer, wanted, &got, nullptr)) return 0;
    if (got > 0 && buffer[0] == kEndOfInputKey && isConsole(input_)) return 0;
    return got;
  }

 private:
  HANDLE input_;
};

class HandleOutput final : public OutputSink {
 public:
  explicit HandleOutput(HANDLE output) : output_(output) {}

  void write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kLargestWrite));
      DWORD put = 0;
      const BOOL wrote = WriteFile(output_, bytes.data(), chunk, &put, nullptr);
      if (!wrote || put == 0) {
        const DWORD error = wrote ? ERROR_WRITE_FAULT : GetLastError();
        if (!readerHasLeft(error)) reportWriteFailure(error);
        throw OutputFailed{};
      }
      bytes.remove_prefix(put);
    }
  }

 private:
  HANDLE output_;
};

}  // namespace

std::unique_ptr<InputSource> standardInput(int stream) {
  return std::make_unique<HandleInput>(handleOf(stream));
}

std::unique_ptr<OutputSink> standardOutput(int stream) {
  return std::make_unique<HandleOutput>(handleOf(stream));
}

}  // namespace qm
