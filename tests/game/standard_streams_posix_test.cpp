#include "game/standard_streams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
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

TEST(StandardInput, WaitsForASlowWriterAndEndsOnlyAtTheRealEnd) {
  NonBlockingPipe pipe;
  std::thread slowWriter([&pipe] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(::write(pipe.ends[1], "W 1\n", 4), 4);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::close(pipe.ends[1]);
    pipe.ends[1] = -1;
  });
  StandardInput input(pipe.ends[0]);
  char buffer[16] = {};
  const std::size_t got = input.readSome(buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, got), "W 1\n");
  EXPECT_EQ(input.readSome(buffer, sizeof buffer), 0u);
  slowWriter.join();
}

}  // namespace
}  // namespace qm::testing
