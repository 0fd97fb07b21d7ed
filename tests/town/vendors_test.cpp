#include <gtest/gtest.h>

#include "support/harness.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kStreetMenu =
    "Let's go buy some fruit (F) I need a doctor (D) Who's that shady hat salesman (H) I'm going to buy weapons (W) I'd like to try something else (I)";
constexpr std::string_view kFruitBan = "\"GET THE HECK OUT OF HERE! PAYING CUSTOMERS ONLY!\"";

std::string pauses(int count) {
  return std::string(count, '\n');
}

// A visit in the opening hours, with the pause on the way in already answered.
struct Street : Harness {
  explicit Street(const std::string& errands) : Harness(pauses(1) + errands) {
    state.ClockHour = 10;
  }
};

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
