#include "creation/creation.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace qm::testing {
namespace {

TEST(Creation, RunsEveryStepWithTheDrawsInTheirOrder) {
  // A chosen Lacerti woman: name indices 3, 2, 1 and the female first name 8, the home place
  // 1, 2, the event 4 and the age 20. A line per answer or pause.
  Harness h("C L\nF\nR\n\n\n\n\nRoll\nI\n\nH\n\nY\n", {3, 2, 1, 8, 1, 2, 4, 20});
  h.state.PlayerStrength = h.state.PlayerIntellect = h.state.PlayerBrawn = 6;
  h.state.Gears = 4;
  h.state.HatchStage = 69;
  bool accepted = false;
  h.play([&](Context& context) { accepted = createCharacter(context); });
  EXPECT_TRUE(accepted);
  h.expectAllDrawsUsed();
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"Your name is Channib Kaelilji and you're a Lacerti",
       "You're very strong, you're kinda smart, and pretty brawny", "I think you should pick Thief",
       "             <    LACERTI    >             <    HUNTER     >",
       "Channib Kaelilji is a Lacerti Hunter from Daggervalley.  When she was 20 years old she failed her knight entrance exam. ",
       "Are you okay with this?"}));
  EXPECT_EQ(h.state.Weapon, "Bendy Bow");
  EXPECT_EQ(h.state.Gears, 0);
  EXPECT_EQ(h.state.HatchStage, 1);
}

}  // namespace
}  // namespace qm::testing
