#include "app/end_screen.h"

#include <gtest/gtest.h>

#include "art/pictures.h"
#include "support/harness.h"
#include "town/hub.h"

namespace qm::testing {
namespace {

TEST(EndScreen, ListsEveryAchievementInTheTablesOrder) {
  Harness h("\n\n\n\n");
  h.state.AchievementPuns = 1;
  h.state.AchievementGotAway = 1;
  h.state.AchievementHooligans = 1;
  h.state.AchievementBlastwright = 1;
  h.state.AchievementAnnoying = 1;
  EXPECT_EQ(h.play(showEndScreen), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You have died.", "You got the achievement; \"Most Annoying Player\"!",
       "You got the achievement; \"Blastwright\"!", "You got the achievement; \"Hooligans!!!\"!",
       "You got the achievement; \"The one that got away\"!",
       "You got the achievement; \"Puns\""}));
}

TEST(EndScreen, WithoutAchievementsHasTwoPausesBetweenCreditsAndShark) {
  Harness h("\n\n\n\n");
  h.play(showEndScreen);
  const std::string out = h.output();
  EXPECT_EQ(occurrences(out, "You got the achievement"), 0);
  EXPECT_TRUE(out.starts_with("You have died.\n\nPress Enter to continue . . . \nCredits\n"));
  const std::string sharkTop = std::string(art::kShark[0]) + "\n";
  const std::string twoPauses = std::string(kPauseText) + std::string(kPauseText);
  EXPECT_NE(out.find("Thank you for playing Quillmarrow!\n" + twoPauses + sharkTop),
            std::string::npos);
  EXPECT_TRUE(out.ends_with(std::string(art::kShark[15]) + "\n" + std::string(kPauseText)));
  EXPECT_EQ(occurrences(out, "Press Enter"), 4);
}

TEST(EndScreen, NineCreditLinesAndSixteenRowsOfShark) {
  Harness h("\n\n\n\n");
  h.play(showEndScreen);
  const std::vector<std::string> lines = h.lines();
  // "You have died.", the pause, nine credits, the pause, the pause, the shark, the pause.
  ASSERT_EQ(lines.size(), 1u + 2 + 9 + 2 + 2 + 16 + 2);
  EXPECT_EQ(lines[3], "Credits");
  for (std::size_t row = 0; row < art::kShark.size(); ++row) {
    EXPECT_EQ(lines[16 + row], art::kShark[row]);
  }
}

TEST(EndScreen, AnAchievementCountsOnlyWhenItIsExactlyOne) {
  Harness h("\n\n\n\n");
  h.state.AchievementPuns = 2;
  h.play(showEndScreen);
  EXPECT_EQ(occurrences(h.output(), "Puns"), 0);
}

}  // namespace
}  // namespace qm::testing
