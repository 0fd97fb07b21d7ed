#include "town/nautical_map.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

// The chart's far edges, which no voyage reaches, and a boat off the chart, told with no square.
TEST(NauticalMapInWords, TellsTheFarEdgesAndABoatOffIt) {
  EXPECT_NE(nauticalMapInWords(9, 5).find("the tenth square from the left; water to the north, to "
                                          "the south and to the west; the edge to the east"),
            std::string::npos);
  EXPECT_NE(nauticalMapInWords(0, 9).find("the edge to the south and to the west"),
            std::string::npos);
  for (const auto& [x, y] : {std::pair{10, 0}, std::pair{0, 10}}) {
    EXPECT_NE(nauticalMapInWords(x, y).find("your boat is off it"), std::string::npos) << x << y;
  }
}

}  // namespace
}  // namespace qm::testing
