#include "town/nautical_map.h"

#include <gtest/gtest.h>

#include <string>

namespace qm::testing {
namespace {

// No boat can sail beside the grass, yet the words tell it as the drawing shows it: a boat on a
// cell of grass stands before that cell's own piece.
TEST(NauticalMapInWords, TellsGrassAsTheDrawingShowsIt) {
  const std::string words = nauticalMapInWords(5, 0);
  EXPECT_NE(words.find("your boat is in the top row, the sixth square from the left; the edge to "
                       "the north; the dock to the south; grass to the west and to the east"),
            std::string::npos)
      << words;
}

}  // namespace
}  // namespace qm::testing
