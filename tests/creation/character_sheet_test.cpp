#include <gtest/gtest.h>

#include <string>

#include "creation/steps.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// The portrait: its edge, the captions centred with an odd blank on the right, both pictures side
// by side, and a Human's sixteen rows, beside which the class picture starts one row lower.
TEST(Portrait, AsThePlayerSeesIt) {
  const auto portrait = [](std::string_view name, std::string race, std::string job) {
    return Transcript{name, [](Context& c) { creation::drawPortrait(c.console, c.state); },
                      [race, job](GameState& s) {
                        s.PlayerRace = race;
                        s.PlayerClass = job;
                      }};
  };
  checkTranscripts({
      portrait("portrait-an-ilmungae-wizard", "Ilmungae", "Wizard"),
      portrait("portrait-a-lacerti-knight", "Lacerti", "Knight"),
      portrait("portrait-a-pear-thief", "Pear", "Thief"),
      portrait("portrait-a-human-hunter", "Human", "Hunter"),
  });
}

}  // namespace
}  // namespace qm::testing
