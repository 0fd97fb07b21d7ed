#include "core/random.h"

#include <cstdlib>
#include <ctime>

namespace qm {

namespace {

// The seed of the given start: the first is the seed itself, every restart gets its own. The
// restarts step by an odd constant (the golden ratio in 32 bits) rather than by one, so the
// restarts of seed N do not replay the games of seeds N + 1, N + 2 and so on.
unsigned seedOfStart(unsigned seed, unsigned start) {
  constexpr unsigned kRestartStep = 0x9E3779B9u;
  return seed + start * kRestartStep;
}

}  // namespace

void GlibcRandom::reseed(unsigned seed) {
  // The seed is kept in a signed 32-bit word while the table fills, as the C library keeps it:
  // seeds of 2^31 and above start from a negative word.
  std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1 : seed);
  table_[0] = word;
  for (std::size_t i = 1; i < kWords; ++i) {
    // word = 16807 * word % 2147483647, without overflowing 31 bits
    const std::int64_t high = word / 127773;
    const std::int64_t low = word % 127773;
    std::int64_t next = 16807 * low - 2836 * high;
    if (next < 0) next += 2147483647;
    word = static_cast<std::int32_t>(next);
    table_[i] = word;
  }
  front_ = kSeparation;
  rear_ = 0;
  constexpr int kThrownAway = 10 * static_cast<int>(kWords);
  for (int i = 0; i < kThrownAway; ++i)
    next();
}

int GlibcRandom::next() {
  const std::uint32_t sum =
      static_cast<std::uint32_t>(table_[front_]) + static_cast<std::uint32_t>(table_[rear_]);
  table_[front_] = static_cast<std::int32_t>(sum);
  if (++front_ == kWords) {
    front_ = 0;
    ++rear_;
  } else if (++rear_ == kWords) {
    rear_ = 0;
  }
  return static_cast<int>(sum >> 1);
}

CLibraryRandom::CLibraryRandom(std::optional<unsigned> seed) : seed_(seed) {}

void CLibraryRandom::reseed() {
  if (seed_) {
    seeded_.reseed(seedOfStart(*seed_, starts_++));
  } else {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
  }
}

int CLibraryRandom::next(int count, int offset) {
  return (seed_ ? seeded_.next() : std::rand()) % count + offset;
}

}  // namespace qm
