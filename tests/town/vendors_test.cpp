#include <gtest/gtest.h>

#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// The street's thresholds that no transcript below plays on both sides: each row kills the
// mutant named beside it (tools/mutate src/town/vendors.cpp, with and without this table), and
// the last row keeps the healing from paying the player, which no transcript reaches.
TEST(VendorsStreet, DecisionsAtTheirEdges) {
  constexpr std::string_view kOneBag = "\"That'll be 1 gold please!";
  constexpr std::string_view kFruitSold = "\"Thank you! And here's your fruit!\"";
  constexpr std::string_view kLightWounds = "\"You seem okay, a few scratches, simple enough\"";
  constexpr std::string_view kSeriousWounds = "\"Looks like that one hurt a bit.\"";
  constexpr std::string_view kHealed =
      "He waves his arm over you, and instantly all your wounds are healed";
  constexpr std::string_view kSeenIt = "You've seen this before, and it doesn't end well...";
  constexpr std::string_view kFree =
      "\"it's going to cost you 0 gold. Are you sure you need this?\"";
  const std::string fruit = pauses(1) + "F\n" + pauses(1);
  const std::string tent = pauses(1) + "D\n" + pauses(1);
  const std::string askForHealing = tent + "Y\n" + pauses(1);
  const std::string threat = tent + "H\n" + pauses(2);
  // At health 41 and the first visit's welcome of 4 the price is 6 gold.
  const auto price = [&](char answer) {
    return askForHealing + pauses(1) + answer + "\n" + pauses(1);
  };
  const auto gold = [](int g) { return set(&GameState::PlayerGold, g); };
  const auto health = [](int h) { return set(&GameState::PlayerHealth, h); };
  const auto intellect = [](int i) { return set(&GameState::PlayerIntellect, i); };
  const Prepare generous = all({health(45), set(&GameState::HealerWelcome, 25)});
  checkEdges(
      visitVendors, set(&GameState::ClockHour, 10),
      {
          // bags >= 1 made > 1
          {"1 bag: taken", {}, fruit + "S\n1\n", {}, kOneBag, true},
          // PlayerGold >= ApplePurchase made >
          {"40 bags for 40 gold: sold", {}, fruit + "S\n40\n", {}, kFruitSold, true},
          // health > 40 made >=
          {"health 40: not light", health(40), askForHealing, {}, kLightWounds, false},
          // health >= 20 made >
          {"health 20: serious wounds", health(20), askForHealing, {}, kSeriousWounds, true},
          // PlayerGold < Cost made <=
          {"gold 6, price 6: healed", all({health(41), gold(6)}), price('Y'), {}, kHealed, true},
          // PlayerIntellect > 8 made >=
          {"intellect 8: never seen it", intellect(8), threat, {}, kSeenIt, false},
          // the price's floor of nothing (std::max) taken away
          {"welcome 25 over a price of 10: free", generous, price('N'), {}, kFree, true},
      });
}

TEST(VendorsStreet, TheVisitsAsThePlayerSeesThem) {
  const auto at10 = [](const Prepare& prepare) {
    return all({set(&GameState::ClockHour, 10), prepare});
  };
  const auto gold = [](int g) { return set(&GameState::PlayerGold, g); };
  const auto health = [](int h) { return set(&GameState::PlayerHealth, h); };
  checkTranscripts({
      {"vendors-closed-at-dawn", visitVendors, nullptr},
      // Bags read again until a whole number of 1 or more; too dear; refusals until the ban.
      {"vendors-apples-bought-and-refused-until-the-fruit-lady-bans", thenReport(visitVendors),
       at10(set(&GameState::PlayerStrength, 4))},
      // Sorry, then robbed: the hat salesman turns his back and the street is left.
      {"vendors-the-fruit-lady-robbed-and-the-hat-salesman-silent", thenReport(visitVendors),
       at10(set(&GameState::PlayerStrength, 5))},
      // Turned away by the weapon vendor and the healer, then the disguise wins them back.
      {"vendors-the-hat-salesman-his-pitch-and-the-disguise", thenReport(visitVendors),
       at10(all({gold(20), set(&GameState::WeaponVendorWelcome, 0),
                 set(&GameState::HealerWelcome, 0)}))},
      // Serious wounds healed, then none; the healer and the weapon vendor wronged.
      {"vendors-healed-then-the-healer-and-the-weapon-vendor-wronged", thenReport(visitVendors),
       at10(all({health(30), set(&GameState::PlayerIntellect, 9)}))},
      // The vendor looks at the purse first, so even "Nothing, please" is met with it.
      {"vendors-light-wounds-and-a-weapon-too-dear-and-the-healer-left", thenReport(visitVendors),
       at10(all({health(41), gold(5)}))},
      {"vendors-grave-wounds-healed-and-a-sword-bought", thenReport(visitVendors),
       at10(all({health(19), gold(41)}))},
  });
}

// What no line shows: each showing of the street costs an hour, also past closing time, and
// the closed street none; a healing makes the healer one step more welcoming; a weapon bought
// brings its own fight action, and the second is kept; the disguise makes the Pint welcome again
// and the blacksmith friendly, with his fire burning again.
TEST(VendorsStreet, TheHoursAndTheDisguiseElsewhere) {
  const SceneRun visit = visitVendors;
  const auto at = [](int hour, const Prepare& more = {}) {
    return all({set(&GameState::ClockHour, hour), more});
  };
  const std::string twoLooks = pauses(1) + "W\n\nN\nW\n\nN\nI\n";
  const Prepare disguised =
      all({set(&GameState::PintWelcome, 0), set(&GameState::BlacksmithFire, 0),
           set(&GameState::BlacksmithMood, -10), set(&GameState::PlayerGold, 20)});
  checkTranscripts({
      {"vendors-leaves-two-looks-at-closing-time", visit, at(20)},
      {"vendors-leaves-two-looks-before-closing-time", visit, at(19)},
      {"vendors-leaves-the-healer-more-welcoming", visit,
       at(10, set(&GameState::PlayerHealth, 41))},
      {"vendors-leaves-a-thief-with-a-wand", visit,
       at(10, all({makeThief, set(&GameState::PlayerGold, 15)}))},
      {"vendors-leaves-a-disguise-for-the-pint-and-the-blacksmith",
       [](Context& c) {
         visitVendors(c);
         visitBlacksmith(c);
       },
       at(10, disguised)},
  });
}

}  // namespace
}  // namespace qm::testing
