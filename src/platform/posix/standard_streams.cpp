#include "app/system.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <string>

namespace qm {

namespace {

// True when the call that failed with `error` can be made again: at once after a signal, and
// once the descriptor is ready when it is a non-blocking one that was not.
bool readyToRetry(int error, int descriptor, short readiness) {
  if (error == EINTR) return true;
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  pollfd waiting = {.fd = descriptor, .events = readiness, .revents = 0};
  while (::poll(&waiting, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

void reportWriteFailure(int error) {
  const std::string message =
      std::string("quillmarrow: cannot write the output: ") + std::strerror(error) + "\n";
  [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, message.data(), message.size());
}

}  // namespace

// POSIX streams carry bytes as they are already. A stream the program was started without gets
// /dev/null, opened for reading only, in its place (open() takes the lowest free number, and the
// lower ones are open by then): reading it is an end of input and writing it fails with EBADF,
// as with the closed stream, but no file opened later can take its number.
void prepareStandardStreams() {
  for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
    if (::fcntl(stream, F_GETFD) == -1) ::open("/dev/null", O_RDONLY);
  }
}

namespace {

class DescriptorInput final : public InputSource {
 public:
  explicit DescriptorInput(int descriptor) : descriptor_(descriptor) {}

  std::size_t readSome(char* buffer, std::size_t size) override {
    while (true) {
      const ssize_t got = ::read(descriptor_, buffer, size);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (!readyToRetry(errno, descriptor_, POLLIN)) return 0;  // unreadable: counts as ended
    }
  }

 private:
  int descriptor_;
};

class DescriptorOutput final : public OutputSink {
 public:
  // A closed pipe must show as EPIPE on the write, not kill the program before it can leave.
  explicit DescriptorOutput(int descriptor) : descriptor_(descriptor) {
    std::signal(SIGPIPE, SIG_IGN);
  }

  void write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t put = ::write(descriptor_, bytes.data(), bytes.size());
      if (put >= 0) {
        bytes.remove_prefix(static_cast<std::size_t>(put));
        continue;
      }
      const int error = errno;
      if (readyToRetry(error, descriptor_, POLLOUT)) continue;
      if (error != EPIPE) reportWriteFailure(error);
      throw OutputFailed{};
    }
  }

 private:
  int descriptor_;
};

}  // namespace

std::unique_ptr<InputSource> standardInput(int stream) {
  return std::make_unique<DescriptorInput>(stream);
}

std::unique_ptr<OutputSink> standardOutput(int stream) {
  return std::make_unique<DescriptorOutput>(stream);
}

}  // namespace qm
