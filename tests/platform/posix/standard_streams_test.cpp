#include "app/system.h"
#include "platform/posix/write_all.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace qm::testing {
namespace {

// A pipe whose reading end does not block, as a parent process may hand it over.
struct NonBlockingPipe {
  NonBlockingPipe() {
    EXPECT_EQ(::pipe(ends), 0);
    EXPECT_EQ(::fcntl(ends[0], F_SETFL, O_NONBLOCK), 0);
  }
  ~NonBlockingPipe() {
    ::close(ends[0]);
    if (ends[1] >= 0) ::close(ends[1]);
  }
  int ends[2] = {-1, -1};
};

// The lowest descriptor free now: the one the next open() takes.
int lowestFreeDescriptor() {
  const int free = ::dup(STDIN_FILENO);
  ::close(free);
  return free;
}

// Closed streams are filled in by the real program (tests/program/kept_run.py); open ones are
// left alone, with nothing opened beside them.
TEST(StandardStreams, OpenOnesArePreparedWithoutOpeningAnything) {
  const int before = lowestFreeDescriptor();
  prepareStandardStreams();
  EXPECT_EQ(lowestFreeDescriptor(), before);
}

TEST(StandardInput, WaitsForASlowWriterAndEndsOnlyAtTheRealEnd) {
  NonBlockingPipe pipe;
  std::thread slowWriter([&pipe] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(::write(pipe.ends[1], "W 1\n", 4), 4);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::close(pipe.ends[1]);
    pipe.ends[1] = -1;
  });
  const std::unique_ptr<InputSource> input = standardInput(pipe.ends[0]);
  char buffer[16] = {};
  const std::size_t got = input->readSome(buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, got), "W 1\n");
  EXPECT_EQ(input->readSome(buffer, sizeof buffer), 0u);
  slowWriter.join();
}

// SIGUSR1 with a handler that does nothing, installed without SA_RESTART, so that a read, a
// write or a wait that it interrupts fails with EINTR, as a terminal's resize signal can make it.
struct InterruptingSignal {
  InterruptingSignal() {
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGUSR1, &action, &previous);
  }
  ~InterruptingSignal() { ::sigaction(SIGUSR1, &previous, nullptr); }
  struct sigaction previous {};
};

// Interrupts `thread` while it waits, then does `then`.
std::thread interruptThen(pthread_t thread, std::function<void()> then) {
  return std::thread([thread, then = std::move(then)] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::pthread_kill(thread, SIGUSR1);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    then();
  });
}

TEST(StandardInput, AReadOrAWaitInterruptedByASignalIsTriedAgain) {
  const InterruptingSignal signal;
  for (const bool nonBlocking : {false, true}) {
    int ends[2] = {-1, -1};
    ASSERT_EQ(::pipe(ends), 0);
    if (nonBlocking) ::fcntl(ends[0], F_SETFL, O_NONBLOCK);  // interrupted in the wait instead
    std::thread writer =
        interruptThen(::pthread_self(), [&] { EXPECT_EQ(::write(ends[1], "Y\n", 2), 2); });
    char buffer[8] = {};
    const std::size_t got = standardInput(ends[0])->readSome(buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, got), "Y\n") << (nonBlocking ? "non-blocking" : "blocking");
    writer.join();
    ::close(ends[0]);
    ::close(ends[1]);
  }
}

// Both ways the game writes: through the console, and straight to a descriptor (the terminal's
// title, the save file).
TEST(StandardOutput, AWriteInterruptedByASignalIsTriedAgain) {
  const InterruptingSignal signal;
  const std::function<bool(int)> writers[] = {
      [](int end) {
        standardOutput(end)->write("Hello");
        return true;
      },
      [](int end) { return writeAll(end, "Hello") == 0; },
  };
  for (const auto& write : writers) {
    int ends[2] = {-1, -1};
    ASSERT_EQ(::pipe(ends), 0);
    // Fill the pipe, so that the write below waits before it has written anything.
    ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
    std::size_t filled = 0;
    for (char block[4096] = {}; ::write(ends[1], block, sizeof block) > 0;)
      filled += sizeof block;
    ::fcntl(ends[1], F_SETFL, 0);
    std::size_t drained = 0;
    std::thread reader = interruptThen(::pthread_self(), [&] {
      char buffer[4096];
      for (ssize_t got; drained < filled + 5 && (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        drained += static_cast<std::size_t>(got);
    });
    bool written = false;
    EXPECT_NO_THROW(written = write(ends[1]));
    EXPECT_TRUE(written);
    ::close(ends[1]);  // the reader sees the end even when the write gave up
    reader.join();
    EXPECT_EQ(drained, filled + 5);
    ::close(ends[0]);
  }
  // A failure other than a signal ends the write, and the write's own error is told.
  errno = EINTR;
  EXPECT_EQ(writeAll(-1, "Hello"), EBADF);
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (full < 0) GTEST_SKIP() << "no /dev/full to fill here";
  EXPECT_EQ(writeAll(full, "Hello"), ENOSPC);
  ::close(full);
}

}  // namespace
}  // namespace qm::testing
