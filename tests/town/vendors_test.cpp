#include <gtest/gtest.h>

#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// The street's thresholds, read from vendors.cpp: every comparison of the hour, a stat, the gold,
// the health, a welcome value or a count with a constant, each played on both sides of its edge,
// and the healing's price by its tier less the welcome, never below nothing. Full health and the
// menu letters are compared for equality: the transcripts play each of their branches.
TEST(VendorsStreet, DecisionsAtTheirEdges) {
  constexpr std::string_view kFruitBan = "\"GET THE HECK OUT OF HERE! PAYING CUSTOMERS ONLY!\"";
  constexpr std::string_view kClosed = "The vendors are not open yet, come back later.";
  constexpr std::string_view kOneBag = "\"That'll be 1 gold please!";
  constexpr std::string_view kNoBags = "\"That'll be 0 gold please!";
  constexpr std::string_view kFruitSold = "\"Thank you! And here's your fruit!\"";
  constexpr std::string_view kCane =
      "The old lady grabs her wooden cane, and smacks you over the head with it!";
  constexpr std::string_view kWeaponBan = "\"GET OUTTA HERE! PAYING CUSTOMERS ONLY!\"";
  constexpr std::string_view kNoWeaponGold = "You don't have enough gold";
  constexpr std::string_view kHeyMan = "\"Hey man. You need somethin'.\"";
  constexpr std::string_view kNoDisguiseGold = "\"You don't have the gold, right now...\"";
  constexpr std::string_view kHealerBan = "\"Do I need to shock you again?\"";
  constexpr std::string_view kLightWounds = "\"You seem okay, a few scratches, simple enough\"";
  constexpr std::string_view kSeriousWounds = "\"Looks like that one hurt a bit.\"";
  constexpr std::string_view kHealed =
      "He waves his arm over you, and instantly all your wounds are healed";
  constexpr std::string_view kCost16 =
      "\"it's going to cost you 16 gold. Are you sure you need this?\"";
  constexpr std::string_view kCost26 =
      "\"it's going to cost you 26 gold. Are you sure you need this?\"";
  constexpr std::string_view kFree =
      "\"it's going to cost you 0 gold. Are you sure you need this?\"";
  constexpr std::string_view kSeenIt = "You've seen this before, and it doesn't end well...";
  const std::string fruit = pauses(1) + "F\n" + pauses(1);
  const std::string weapons = pauses(1) + "W\n" + pauses(1) + "S\n";
  const std::string hat = pauses(1) + "H\n" + pauses(1);
  const std::string pitch = hat + "S\n" + pauses(8);
  const std::string tent = pauses(1) + "D\n" + pauses(1);
  const std::string askForHealing = tent + "Y\n" + pauses(1);
  const std::string threat = tent + "H\n" + pauses(2);
  // At health 41 and the first visit's welcome of 4 the price is 6 gold.
  const auto price = [&](char answer) {
    return askForHealing + pauses(1) + answer + "\n" + pauses(1);
  };
  const auto hour = [](int h) { return set(&GameState::ClockHour, h); };
  const auto gold = [](int g) { return set(&GameState::PlayerGold, g); };
  const auto health = [](int h) { return set(&GameState::PlayerHealth, h); };
  const auto strength = [](int s) { return set(&GameState::PlayerStrength, s); };
  const auto intellect = [](int i) { return set(&GameState::PlayerIntellect, i); };
  const auto fruitWelcome = [](int w) { return set(&GameState::FruitLadyWelcome, w); };
  const auto weaponWelcome = [](int w) { return set(&GameState::WeaponVendorWelcome, w); };
  const auto healerWelcome = [](int w) { return set(&GameState::HealerWelcome, w); };
  const auto lightWounds = [&](int g) { return all({health(41), gold(g)}); };
  const Prepare generous = all({health(45), healerWelcome(25)});
  checkEdges(
      visitVendors, hour(10),
      {
          {"hour 6: closed", hour(6), pauses(1), {}, kClosed, true},
          {"hour 7: open", hour(7), pauses(1), {}, kClosed, false},
          {"hour 19: open", hour(19), pauses(1), {}, kClosed, false},
          {"hour 20: closed", hour(20), pauses(1), {}, kClosed, true},
          {"fruit welcome -1: banned", fruitWelcome(-1), fruit, {}, kFruitBan, true},
          {"fruit welcome 0: served", fruitWelcome(0), fruit, {}, kFruitBan, false},
          {"1 bag: taken", {}, fruit + "S\n1\n", {}, kOneBag, true},
          {"0 bags: read again", {}, fruit + "S\n0\n", {}, kNoBags, false},
          {"40 bags for 40 gold: sold", {}, fruit + "S\n40\n", {}, kFruitSold, true},
          {"41 bags for 40 gold: not sold", {}, fruit + "S\n41\n", {}, kFruitSold, false},
          {"strength 4: the cane", strength(4), fruit + "B\n", {}, kCane, true},
          {"strength 5: she gives in", strength(5), fruit + "B\n", {}, kCane, false},
          {"weapon welcome 0: banned", weaponWelcome(0), weapons, {}, kWeaponBan, true},
          {"weapon welcome 1: served", weaponWelcome(1), weapons, {}, kWeaponBan, false},
          {"gold 14: no weapon", gold(14), weapons + "S\n", {}, kNoWeaponGold, true},
          {"gold 15: a weapon", gold(15), weapons + "S\n", {}, kNoWeaponGold, false},
          {"fruit welcome 1: the salesman talks", fruitWelcome(1), hat, {}, kHeyMan, true},
          {"fruit welcome 0: the salesman is silent", fruitWelcome(0), hat, {}, kHeyMan, false},
          {"gold 19: no disguise", gold(19), pitch + "Y\n", {}, kNoDisguiseGold, true},
          {"gold 20: the disguise", gold(20), pitch + "Y\n", {}, kNoDisguiseGold, false},
          {"healer welcome 0: banned", healerWelcome(0), tent, {}, kHealerBan, true},
          {"healer welcome 1: served", healerWelcome(1), tent, {}, kHealerBan, false},
          {"health 41: light wounds", health(41), askForHealing, {}, kLightWounds, true},
          {"health 40: not light", health(40), askForHealing, {}, kLightWounds, false},
          {"health 20: serious wounds", health(20), askForHealing, {}, kSeriousWounds, true},
          {"health 19: grave wounds", health(19), askForHealing, {}, kSeriousWounds, false},
          {"gold 6, price 6: healed", lightWounds(6), price('Y'), {}, kHealed, true},
          {"gold 5, price 6: not healed", lightWounds(5), price('Y'), {}, kHealed, false},
          {"health 40: 16 gold", health(40), price('N'), {}, kCost16, true},
          {"health 20: 16 gold", health(20), price('N'), {}, kCost16, true},
          {"health 19: 26 gold", health(19), price('N'), {}, kCost26, true},
          {"welcome 25 over a price of 10: free", generous, price('N'), {}, kFree, true},
          {"intellect 9: seen it before", intellect(9), threat, {}, kSeenIt, true},
          {"intellect 8: never seen it", intellect(8), threat, {}, kSeenIt, false},
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
