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

CLibraryRandom::CLibraryRandom(std::optional<unsigned> seed) : seed_(seed) {}

void CLibraryRandom::reseed() {
  if (seed_) {
    std::srand(seedOfStart(*seed_, starts_++));
  } else {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
  }
}

int CLibraryRandom::next(int count, int offset) {
  return std::rand() % count + offset;
}

}  // namespace qm
