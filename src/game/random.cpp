#include "game/random.h"

#include <cstdlib>
#include <ctime>

namespace qm {

void CLibraryRandom::reseed() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
}

int CLibraryRandom::next(int count, int offset) {
  return std::rand() % count + offset;
}

}  // namespace qm
