#include "art/pictures.h"

namespace qm::art {

void draw(Console& console, std::string_view shows, Picture picture) {
  console.beginPicture(shows);
  for (const std::string_view row : picture)
    console.line(row);
  console.endPicture();
}

}  // namespace qm::art
