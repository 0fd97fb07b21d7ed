#include <gtest/gtest.h>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kStreetMenu =
    "Let's go buy some fruit (F) I need a doctor (D) Who's that shady hat salesman (H) I'm going to buy weapons (W) I'd like to try something else (I)";
constexpr std::string_view kFruitBan = "\"GET THE HECK OUT OF HERE! PAYING CUSTOMERS ONLY!\"";

// A visit in the opening hours, with the pause on the way in already answered.
struct Street : Harness {
  explicit Street(const std::string& errands) : Harness(pauses(1) + errands) {
    state.ClockHour = 10;
  }
};

// The street's decisions, every comparison in vendors.cpp of the hour, a stat, the gold, the
// health, a welcome value, a count or a menu letter with a constant, read from the code.
TEST(VendorsStreet, DecisionsAtTheirEdges) {
  constexpr std::string_view kClosed = "The vendors are not open yet, come back later.";
  constexpr std::string_view kWeaponsVendor =
      "The weapons vendor is a colorful looking Lacerti in ancient Lacerti armor";
  constexpr std::string_view kOneBag = "\"That'll be 1 gold please!";
  constexpr std::string_view kNoBags = "\"That'll be 0 gold please!";
  constexpr std::string_view kFruitSold = "\"Thank you! And here's your fruit!\"";
  constexpr std::string_view kCane =
      "The old lady grabs her wooden cane, and smacks you over the head with it!";
  constexpr std::string_view kThatsOkay = "\"That's okay...\"";
  constexpr std::string_view kWeaponBan = "\"GET OUTTA HERE! PAYING CUSTOMERS ONLY!\"";
  constexpr std::string_view kNoWeaponGold = "You don't have enough gold";
  constexpr std::string_view kWeaponSold = "\"Thank you\"";
  constexpr std::string_view kHeyMan = "\"Hey man. You need somethin'.\"";
  constexpr std::string_view kSaidSure = "\"Sure.\"";
  constexpr std::string_view kSeeYou = "\"See you around, of course, you won't see me...\"";
  constexpr std::string_view kNoDisguiseGold = "\"You don't have the gold, right now...\"";
  constexpr std::string_view kHealerBan = "\"Do I need to shock you again?\"";
  constexpr std::string_view kHealthy = "\"You're fine! You don't need healing at all!\"";
  constexpr std::string_view kLightWounds = "\"You seem okay, a few scratches, simple enough\"";
  constexpr std::string_view kSeriousWounds = "\"Looks like that one hurt a bit.\"";
  constexpr std::string_view kHealed =
      "He waves his arm over you, and instantly all your wounds are healed";
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
  checkEdges(
      visitVendors, hour(10),
      {
          {"hour 6: closed", hour(6), pauses(1), {}, kClosed, true},
          {"hour 7: open", hour(7), pauses(1), {}, kClosed, false},
          {"hour 19: open", hour(19), pauses(1), {}, kClosed, false},
          {"hour 20: closed", hour(20), pauses(1), {}, kClosed, true},
          {"a stall done: the street again", {}, fruit + "N\nW\n", {}, kWeaponsVendor, true},
          {"the salesman silent: the hub", fruitWelcome(0), hat + "W\n", {}, kWeaponsVendor, false},
          {"fruit welcome -1: banned", fruitWelcome(-1), fruit, {}, kFruitBan, true},
          {"fruit welcome 0: served", fruitWelcome(0), fruit, {}, kFruitBan, false},
          {"1 bag: taken", {}, fruit + "S\n1\n", {}, kOneBag, true},
          {"0 bags: read again", {}, fruit + "S\n0\n", {}, kNoBags, false},
          {"40 bags for 40 gold: sold", {}, fruit + "S\n40\n", {}, kFruitSold, true},
          {"41 bags for 40 gold: not sold", {}, fruit + "S\n41\n", {}, kFruitSold, false},
          {"strength 4: the cane", strength(4), fruit + "B\n", {}, kCane, true},
          {"strength 5: she gives in", strength(5), fruit + "B\n", {}, kCane, false},
          {"S to her plea: sorry", strength(5), fruit + "B\nS\n", {}, kThatsOkay, true},
          {"F to her plea: robbed", strength(5), fruit + "B\nF\n", {}, kThatsOkay, false},
          {"weapon welcome 0: banned", weaponWelcome(0), weapons, {}, kWeaponBan, true},
          {"weapon welcome 1: served", weaponWelcome(1), weapons, {}, kWeaponBan, false},
          {"gold 14: no weapon", gold(14), weapons + "S\n", {}, kNoWeaponGold, true},
          {"gold 15: a weapon", gold(15), weapons + "S\n", {}, kNoWeaponGold, false},
          {"S at the stock: bought", gold(15), weapons + "S\n", {}, kWeaponSold, true},
          {"N at the stock: not bought", gold(15), weapons + "N\n", {}, kWeaponSold, false},
          {"fruit welcome 1: the salesman talks", fruitWelcome(1), hat, {}, kHeyMan, true},
          {"fruit welcome 0: the salesman is silent", fruitWelcome(0), hat, {}, kHeyMan, false},
          {"N to the salesman: no pitch", {}, hat + "N\n", {}, kSaidSure, true},
          {"S to the salesman: the pitch", {}, hat + "S\n", {}, kSaidSure, false},
          {"N to the disguise: see you", gold(20), pitch + "N\n", {}, kSeeYou, true},
          {"Y to the disguise: no goodbye", gold(20), pitch + "Y\n", {}, kSeeYou, false},
          {"gold 19: no disguise", gold(19), pitch + "Y\n", {}, kNoDisguiseGold, true},
          {"gold 20: the disguise", gold(20), pitch + "Y\n", {}, kNoDisguiseGold, false},
          {"healer welcome 0: banned", healerWelcome(0), tent, {}, kHealerBan, true},
          {"healer welcome 1: served", healerWelcome(1), tent, {}, kHealerBan, false},
          {"health 50: no healing needed", health(50), askForHealing, {}, kHealthy, true},
          {"health 49: healing needed", health(49), askForHealing, {}, kHealthy, false},
          {"health 41: light wounds", health(41), askForHealing, {}, kLightWounds, true},
          {"health 40: not light", health(40), askForHealing, {}, kLightWounds, false},
          {"health 20: serious wounds", health(20), askForHealing, {}, kSeriousWounds, true},
          {"health 19: grave wounds", health(19), askForHealing, {}, kSeriousWounds, false},
          {"Y to the price: healed", health(41), price('Y'), {}, kHealed, true},
          {"N to the price: not healed", health(41), price('N'), {}, kHealed, false},
          {"gold 6, price 6: healed", lightWounds(6), price('Y'), {}, kHealed, true},
          {"gold 5, price 6: not healed", lightWounds(5), price('Y'), {}, kHealed, false},
          {"intellect 9: seen it before", intellect(9), threat, {}, kSeenIt, true},
          {"intellect 8: never seen it", intellect(8), threat, {}, kSeenIt, false},
      });
}

TEST(VendorsStreet, OpenFromSevenToNineteenAndEveryMenuCostsAnHour) {
  for (const int hour : {0, 6, 20, 24}) {
    Street h("I\n");
    h.state.ClockHour = hour;
    h.play(visitVendors);
    EXPECT_EQ(h.output(), "The vendors are not open yet, come back later.\n") << hour;
    EXPECT_EQ(h.state.ClockHour, hour);
  }
  Street early("I\n");
  early.state.ClockHour = 7;
  early.play(visitVendors);
  EXPECT_EQ(early.state.ClockHour, 8);
  // Entering at 19, shopping goes on past closing time.
  Street late("W\n\nN\nW\n\nN\nI\n");
  late.state.ClockHour = 19;
  late.play(visitVendors);
  EXPECT_EQ(occurrences(late.output(), kStreetMenu), 3);
  EXPECT_EQ(late.state.ClockHour, 22);
}

TEST(FruitStall, TheFourthRefusalBansThePlayer) {
  std::string errands;
  for (int refusal = 0; refusal < 4; ++refusal)
    errands += "F\n" + pauses(1) + "N\n";
  Street h(errands + "F\nI\n");
  h.play(visitVendors);
  EXPECT_EQ(h.state.FruitLadyWelcome, -1);
  EXPECT_EQ(occurrences(h.output(), "\"Oh well, sorry sweety!\""), 4);
  EXPECT_TRUE(hasLinesInOrder(h.lines(), {"\"Oh well, sorry sweety!\"", kFruitBan, kStreetMenu}));
}

TEST(FruitStall, SellsOnlyAPositiveNumberOfBagsThePurseCanPayFor) {
  Street h("F\n" + pauses(1) + "S\n0 -3 two 4\nF\n" + pauses(1) + "S\n37\nI\n");
  h.play(visitVendors);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(), {"\"That'll be 4 gold please!", "\"Thank you! And here's your fruit!\"",
                  "\"That'll be 37 gold please!", "\"Sorry sweety, you haven't got the gold!\""}));
  EXPECT_EQ(occurrences(h.output(), "\"That'll be "), 2);
  EXPECT_EQ(h.state.Apples, 4);
  EXPECT_EQ(h.state.PlayerGold, 36);
  EXPECT_EQ(h.state.FruitLadyWelcome, 2);
}

TEST(FruitStall, RobbingHerTakesStrengthFiveAndSilencesTheHatSalesman) {
  Street weak("F\n" + pauses(1) + "B\nI\n");
  weak.state.PlayerStrength = 4;
  weak.play(visitVendors);
  EXPECT_EQ(weak.state.PlayerHealth, 45);
  EXPECT_EQ(weak.state.FruitLadyWelcome, 3);

  // No "I": the salesman turns his back and the street is left.
  Street strong("F\n" + pauses(1) + "B\nF\nH\n" + pauses(1));
  strong.state.PlayerStrength = 5;
  EXPECT_EQ(strong.play(visitVendors), Ending::Returned);
  EXPECT_EQ(strong.state.PlayerGold, 45);
  EXPECT_EQ(strong.state.FruitLadyWelcome, 0);
  EXPECT_TRUE(strong.output().ends_with("glued on...\n" + std::string(kPauseText)));
}

TEST(WeaponVendor, LooksAtThePurseBeforeTheAnswer) {
  Street poor("W\n" + pauses(1) + "S\nN\nI\n");
  poor.state.PlayerGold = 14;
  poor.play(visitVendors);
  EXPECT_TRUE(hasLinesInOrder(poor.lines(),
                              {"You have 14 gold", "You don't have enough gold", kStreetMenu}));

  // No "I": a purchase itself ends the visit.
  Street buyer("W\n" + pauses(1) + "S\nw\n");
  buyer.state.PlayerGold = 15;
  buyer.state.SecondaryAbility = "Pickpocket";
  EXPECT_EQ(buyer.play(visitVendors), Ending::Returned);
  EXPECT_EQ(buyer.state.Weapon, "Wicked Wand");
  EXPECT_EQ(buyer.state.PrimaryAbility, "Magic Missile");
  EXPECT_EQ(buyer.state.SecondaryAbility, "Pickpocket");
  EXPECT_EQ(buyer.state.PlayerGold, 0);
}

// The tent, "Y", the pauses after "Hmmm." and before the price, "Y", the pause after "Thanks.".
const std::string kHealing = "D\n" + pauses(1) + "Y\n" + pauses(2) + "Y\n" + pauses(1) + "I\n";

TEST(HealingTent, PriceTiersLessTheWelcomeNeverBelowNothing) {
  struct Case {
    int health;
    int welcome;
    int cost;
  };
  // 20 is priced with the middle tier; a discount above the price makes the healing free.
  const Case cases[] = {{41, 4, 6},  {40, 4, 16}, {21, 4, 16}, {20, 4, 16},
                        {19, 4, 26}, {45, 25, 0}, {1, 30, 0}};
  for (const Case& c : cases) {
    Street h(kHealing);
    h.state.PlayerHealth = c.health;
    h.state.HealerWelcome = c.welcome;
    h.play(visitVendors);
    EXPECT_EQ(occurrences(h.output(), "\"it's going to cost you " + std::to_string(c.cost) +
                                          " gold. Are you sure you need this?\""),
              1)
        << c.health;
    EXPECT_EQ(h.state.PlayerGold, 40 - c.cost) << c.health;
    EXPECT_EQ(h.state.PlayerHealth, 50) << c.health;
    EXPECT_EQ(h.state.HealerWelcome, c.welcome + 1) << c.health;
  }
  Street healthy("D\n" + pauses(1) + "Y\n" + pauses(1) + "I\n");
  healthy.play(visitVendors);
  EXPECT_EQ(occurrences(healthy.output(), "it's going to cost you"), 0);
}

TEST(HatSalesman, TheDisguiseWinsBackEveryPlaceAndRelightsTheFire) {
  // The greeting, the eight lines of the pitch, "Y"; then the blacksmith's four pauses and "R".
  Street h("H\n" + pauses(1) + "S\n" + pauses(8) + "Y\n" + pauses(1) + "I\n" + pauses(4) + "R\n");
  h.state.FruitLadyWelcome = 1;
  h.state.HealerWelcome = 0;
  h.state.WeaponVendorWelcome = 0;
  h.state.PintWelcome = 0;
  h.state.BlacksmithFire = 0;
  h.state.BlacksmithMood = -10;
  h.state.PlayerGold = 20;
  h.play(visitVendors);
  EXPECT_EQ(h.state.PlayerGold, 0);
  EXPECT_EQ(h.state.FruitLadyWelcome, 3);
  EXPECT_EQ(h.state.HealerWelcome, 5);
  EXPECT_EQ(h.state.WeaponVendorWelcome, 5);
  EXPECT_EQ(h.state.PintWelcome, 10);
  EXPECT_EQ(h.state.BlacksmithMood, 10);
  h.play(visitBlacksmith);
  EXPECT_EQ(occurrences(h.output(), "The blacksmith's shop is on fire!"), 1);
}

}  // namespace
}  // namespace qm::testing
