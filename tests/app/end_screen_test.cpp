#include "app/end_screen.h"

#include <gtest/gtest.h>

#include "support/tables.h"

namespace qm::testing {
namespace {

// The end screen: every achievement in the table's order, or none, the nine credits and the
// shark with their pauses; an achievement counts only when it is exactly one. With no
// achievement at all it ends game-a-death-in-play-and-the-end-screen (game_test.cpp).
TEST(EndScreen, AsThePlayerSeesIt) {
  checkTranscripts({
      {"end-screen-every-achievement", showEndScreen,
       all({set(&GameState::AchievementPuns, 1), set(&GameState::AchievementGotAway, 1),
            set(&GameState::AchievementHooligans, 1), set(&GameState::AchievementBlastwright, 1),
            set(&GameState::AchievementAnnoying, 1)})},
      {"end-screen-an-achievement-of-two-is-none", showEndScreen,
       set(&GameState::AchievementPuns, 2)},
  });
}

}  // namespace
}  // namespace qm::testing
