#include "art/portraits.h"

#include <gtest/gtest.h>

namespace qm::testing {
namespace {

TEST(Portraits, EveryRowIsSeventeenCharactersOfTheShadingSet) {
  const std::vector<art::Picture> portraits = {
      art::kHumanPortrait, art::kLacertiPortrait, art::kIlmungaePortrait, art::kPearPortrait,
      art::kThiefPortrait, art::kWizardPortrait,  art::kKnightPortrait,   art::kHunterPortrait};
  for (std::size_t picture = 0; picture < portraits.size(); ++picture) {
    for (const std::string_view row : portraits[picture]) {
      EXPECT_EQ(row.size(), art::kPortraitWidth) << "picture " << picture << ": " << row;
      EXPECT_EQ(row.find_first_not_of("+#@';:.,` "), std::string_view::npos)
          << "picture " << picture << ": " << row;
    }
  }
}

}  // namespace
}  // namespace qm::testing
