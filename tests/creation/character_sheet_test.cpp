#include <gtest/gtest.h>

#include "art/portraits.h"
#include "creation/steps.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

std::vector<std::string> portraitOf(const std::string& race, const std::string& characterClass) {
  Harness h;
  h.state.PlayerRace = race;
  h.state.PlayerClass = characterClass;
  h.play([](Context& context) { creation::drawPortrait(context.console, context.state); });
  return h.lines();
}

std::string pictureRow(std::string_view race, std::string_view job) {
  return std::string(13, ' ') + std::string(race) + std::string(13, ' ') + std::string(job);
}

TEST(Portrait, HasTheEdgeTheCaptionsAndBothPicturesSideBySide) {
  const std::vector<std::string> lines = portraitOf("Ilmungae", "Wizard");
  ASSERT_EQ(lines.size(), 2u + 15u + 1u);
  EXPECT_EQ(lines[0], std::string(14, ' ') + std::string(15, '_') + std::string(15, ' ') +
                          std::string(15, '_'));
  EXPECT_EQ(lines[1], "             <   ILMUNGAE    >             <    WIZARD     >");
  for (std::size_t row = 0; row < 15; ++row) {
    EXPECT_EQ(lines[2 + row], pictureRow(art::kIlmungaePortrait[row], art::kWizardPortrait[row]));
  }
  EXPECT_EQ(lines.back(), "");
}

TEST(Portrait, CentresEveryCaptionWithAnOddBlankOnTheRight) {
  EXPECT_EQ(portraitOf("Lacerti", "Knight")[1],
            "             <    LACERTI    >             <    KNIGHT     >");
  EXPECT_EQ(portraitOf("Pear", "Thief")[1],
            "             <     PEAR      >             <     THIEF     >");
  EXPECT_EQ(portraitOf("Human", "Hunter")[1],
            "             <     HUMAN     >             <    HUNTER     >");
}

TEST(Portrait, AHumanHasSixteenRowsAndTheClassPictureStartsOneRowLower) {
  const std::vector<std::string> lines = portraitOf("Human", "Hunter");
  ASSERT_EQ(lines.size(), 2u + 16u + 1u);
  EXPECT_EQ(lines[2], pictureRow(art::kHumanPortrait[0], std::string(17, ' ')));
  for (std::size_t row = 1; row < 16; ++row) {
    EXPECT_EQ(lines[2 + row], pictureRow(art::kHumanPortrait[row], art::kHunterPortrait[row - 1]));
  }
}

}  // namespace
}  // namespace qm::testing
