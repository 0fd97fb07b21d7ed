#include "art/pictures.h"

namespace qm::art {

void draw(Console& console, Picture picture) {
  for (const std::string_view row : picture)
    console.line(row);
}

}  // namespace qm::art
