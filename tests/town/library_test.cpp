#include <gtest/gtest.h>

#include <vector>

#include "core/quest_stages.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// The listings' transcript ends with the puns' achievement, the book's with the stage it leaves
// (Owen revealed, or, for a dead player, as it was).
TEST(Library, TheVisitsAsThePlayerSeesThem) {
  const Prepare withBook = all({makeWizard, [](GameState& s) { s.HasMysteriousBook = true; }});
  checkTranscripts({
      {"library-closed-at-night", visitLibrary, set(&GameState::ClockHour, 20)},
      // Without the book "R" is neither shown nor accepted.
      {"library-no-book-to-return", visitLibrary, {}},
      // Every listing earns the puns; the menu comes back without the greeting.
      {"library-the-inventory-twice", visitLibrary, {}},
      // The intro's two pauses, the Suggestion's pause, then the story's two pauses.
      {"library-the-book-returned-and-the-librarians-story", thenReport(visitLibrary), withBook},
      {"library-the-book-kills-the-player", visitLibrary,
       all({withBook, set(&GameState::PlayerHealth, 10)})},
  });
}

}  // namespace
}  // namespace qm::testing
