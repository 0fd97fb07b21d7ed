#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "game/platform.h"

namespace qm {

PosixPlatform::PosixPlatform(Console& console)
    : console_(console), outputIsTerminal_(::isatty(STDOUT_FILENO) == 1) {}

void PosixPlatform::setWindowTitle(std::string_view title) {
  if (!outputIsTerminal_) return;
  console_.control("\033]0;");
  console_.control(title);
  console_.control("\a");
}

void PosixPlatform::beep(int /*frequency*/, int /*milliseconds*/) {}

std::size_t StandardInput::readSome(char* buffer, std::size_t size) {
  while (true) {
    const ssize_t got = ::read(STDIN_FILENO, buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return 0;  // an unreadable input counts as ended
  }
}

StandardOutput::StandardOutput() {
  std::signal(SIGPIPE, SIG_IGN);
}

void StandardOutput::write(std::string_view bytes) {
  while (!broken_ && !bytes.empty()) {
    const ssize_t put = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (put >= 0) {
      bytes.remove_prefix(static_cast<std::size_t>(put));
    } else if (errno != EINTR) {
      broken_ = true;
    }
  }
}

}  // namespace qm
