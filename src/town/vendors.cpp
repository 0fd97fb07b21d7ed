#include <algorithm>
#include <array>
#include <optional>

#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "core/weapons.h"
#include "town/places.h"

namespace qm {

namespace {

// Where the player stands once a stall is done with them.

// ---- The fruit stall ------------------------------------------------------------------------

// Reads the number of bags: only a whole number of 1 or more is taken, anything else is read
// again without a word.
int askBagCount(Console& console) {
  while (true) {
    if (const std::optional<int> bags = console.readNumber(); bags && *bags >= 1) return *bags;
  }
}

void buyApples(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("\"How many do you want to buy? it's one gold for a bag.\"");
  state.ApplePurchase = askBagCount(console);
  console.line("\"That'll be ", state.ApplePurchase, " gold please!");
  if (state.PlayerGold >= state.ApplePurchase) {
    console.line("\"Thank you! And here's your fruit!\"");
    add(state.Apples, state.ApplePurchase);
    subtract(state.PlayerGold, state.ApplePurchase);
  } else {
    console.line("\"Sorry sweety, you haven't got the gold!\"");
    subtract(state.FruitLadyWelcome, 1);
  }
}

void robTheOldLady(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  if (state.PlayerStrength < 5) {
    console.line("The old lady grabs her wooden cane, and smacks you over the head with it!");
    subtract(state.PlayerHealth, 5);
    return;
  }
  console.line("\"Oh no! This is all I have!\"");
  if (menu(context, "Oh I'm sorry (S) Fork it over lady (F)", "SF") == 'S') {
    console.line("\"That's okay...\"");
    return;
  }
  console.line("\"I'll get my revenge!\"");
  console.line("She tosses you a small leather sack, with a meager 5 gold in it...");
  add(state.PlayerGold, 5);
  state.FruitLadyWelcome = 0;
}

Next visitFruitStall(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  // At 0, where a robbery leaves her, she still serves; one more refusal bans the player.
  if (state.FruitLadyWelcome < 0) {
    console.line("\"GET THE HECK OUT OF HERE! PAYING CUSTOMERS ONLY!\"");
    return Next::Stay;
  }
  tell(
      console,
      {"The fruit stand has big crates of colorful fruits on it, some of them you don't even recognize",
       "The flashy stall is manned by a short old lady, with big, horn-rimmed glasses.", kPause});
  console.line("\"Oh hello deary, would you like to purchase a \"Bag O' Apples?\"");
  switch (menu(context, "Uh sure (S) Gimme your money you old bag of bones! (B) Not today (N)",
               "SBN")) {
    case 'S': buyApples(context); break;
    case 'B': robTheOldLady(context); break;
    default:
      console.line("\"Oh well, sorry sweety!\"");
      subtract(state.FruitLadyWelcome, 1);
      break;
  }
  return Next::Stay;
}

// ---- The weapon vendor ----------------------------------------------------------------------

struct WeaponForSale {
  char letter;
  Weapon weapon;
};

constexpr std::array<WeaponForSale, 4> kWeaponStock = {{
    {'S', kSharpSword},
    {'B', kBendyBow},
    {'W', kWickedWand},
    {'D', kDeadlyDagger},
}};

constexpr int kWeaponPrice = 15;

// The vendor looks at the purse before he listens to the answer: without the price, even
// "Nothing, please" is met with the lack of gold.
Next browseWeapons(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("\"Here, my stock\"");
  console.line("You have ", state.PlayerGold, " gold");
  const char letter = menu(
      context,
      "Sharp Sword - 15 Gold (S) Bendy Bow - 15 gold (B) Wicked Wand - 15 gold (W) Deadly Dagger - 15 gold (D) Nothing, please (N)",
      "SBWDN");
  if (state.PlayerGold < kWeaponPrice) {
    console.line("You don't have enough gold");
    return Next::Stay;
  }
  for (const WeaponForSale& offer : kWeaponStock) {
    if (offer.letter != letter) continue;
    subtract(state.PlayerGold, kWeaponPrice);
    equip(state, offer.weapon);
    console.line("\"Thank you\"");
    return Next::BackToHub;
  }
  return Next::Stay;
}

Next visitWeaponVendor(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  if (state.WeaponVendorWelcome <= 0) {
    console.line("\"GET OUTTA HERE! PAYING CUSTOMERS ONLY!\"");
    return Next::Stay;
  }
  tell(console, {"The weapons vendor is a colorful looking Lacerti in ancient Lacerti armor",
                 kPause, "\"Would you like to buy some weapons?\""});
  switch (menu(context, "Uh sure (S) Drop the gold brah (B) Not today (N)", "SBN")) {
    case 'S': return browseWeapons(context);
    case 'B':
      console.line("He flips you over the table by your arm, and you run out of the tent.");
      subtract(state.PlayerHealth, 5);
      state.WeaponVendorWelcome = 0;
      return Next::Stay;
    default: console.line("\"Yeah sure.\""); return Next::Stay;
  }
}

// ---- The hat salesman -----------------------------------------------------------------------

constexpr int kDisguisePrice = 20;

// A new face: every shop and inn of the town meets a newcomer again, and the blacksmith's fire
// will be burning again on the next visit there; the healer and the blacksmith even take to it.
constexpr TownMoods kNewFace{.HealerWelcome = 5, .BlacksmithMood = 10};

void wearTheDisguise(GameState& state) {
  subtract(state.PlayerGold, kDisguisePrice);
  setTownMoods(state, kNewFace);
}

void hearThePitch(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(console,
       {"\"You know. The real business isn't in hats...\"", kPause,
        "\"Some people call me a criminal, others call me a savior.\"", kPause,
        "\"I'm a bit of an entrepenuer, I invested in an, alternate, market...\"", kPause,
        "\"I sell, hats, but, better.\"", kPause, "\"Have you ever wanted to just, dissapear?\"",
        kPause, "\"That's the service I offer my customers\"", kPause,
        "\"For the measily price of, 20 gold, I can make you unrecognizable\"", kPause,
        "\"Think about my offer.  Maybe, one day, you'll need it...\"", kPause});
  console.line("You have ", state.PlayerGold, " gold.");
  if (menu(context, "Sure, reinvent me (Y) I'll see you around... (N)", "YN") == 'N') {
    console.line("\"See you around, of course, you won't see me...\"");
  } else if (state.PlayerGold < kDisguisePrice) {
    console.line("\"You don't have the gold, right now...\"");
  } else {
    tell(console, {"\"Here, wear this...\"", kPause, "\"Thanks. Have a nice day...\""});
    wearTheDisguise(state);
  }
}

Next visitHatSalesman(Context& context) {
  Console& console = context.console;
  tell(
      console,
      {"This hat stand barely has any hats at all, I guess it must be popular...",
       "The man managing the hat stand has a handlebar mustache, that looks like it was glued on...",
       kPause});
  // He deals only with people the old lady still likes, so robbing her shuts him up for good.
  if (context.state.FruitLadyWelcome <= 0) return Next::BackToHub;
  console.line("\"Hey man. You need somethin'.\"");
  if (menu(context, "Uh sure (S) Not today (N)", "SN") == 'N') {
    console.line("\"Sure.\"");
  } else {
    hearThePitch(context);
  }
  return Next::Stay;
}

// ---- The healing tent -----------------------------------------------------------------------

struct PriceTier {
  int basePrice;
  const char* remark;
};

// Light wounds above 40 health, serious ones from 21 to 40, grave ones below 20. Exactly 20 is
// priced with the serious wounds (20 gold): it is the nearer tier, and a player one point
// better off than the grave wounds should not pay the grave price.
PriceTier priceTier(int health) {
  if (health > 40) return {10, "\"You seem okay, a few scratches, simple enough\""};
  if (health >= 20) return {20, "\"Looks like that one hurt a bit.\""};
  return {kGraveWoundsPrice, "\"Mother of pearl, it's a miracle you're still alive\""};
}

void getHealed(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(console, {"\"Hmmm.\"", kPause});
  if (state.PlayerHealth == kFullHealth) {
    console.line("\"You're fine! You don't need healing at all!\"");
    return;
  }
  const PriceTier tier = priceTier(state.PlayerHealth);
  console.line(tier.remark);
  // The welcome is a discount; one larger than the price makes the healing free, it never
  // turns into gold paid to the player.
  state.Cost = std::max(0, tier.basePrice - state.HealerWelcome);
  console.pause();
  console.line("\"it's going to cost you ", state.Cost, " gold. Are you sure you need this?\"");
  if (menu(context, "Sure (Y) No, I'll come back later (N)", "YN") == 'N') return;
  if (state.PlayerGold < state.Cost) {
    console.line("\"You don't have enough gold... Come back when your ready.\"");
    subtract(state.HealerWelcome, 1);
    return;
  }
  tell(console, {"\"Thanks.\"", kPause,
                 "He waves his arm over you, and instantly all your wounds are healed"});
  state.PlayerHealth = kFullHealth;
  add(state.HealerWelcome, 1);
  subtract(state.PlayerGold, state.Cost);
}

void threatenTheHealer(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(console,
       {"The man slowly lifts his hand in the air...", kPause, "it starts to spark with magic!"});
  if (state.PlayerIntellect > 8) {
    tell(console, {kPause, "You've seen this before, and it doesn't end well..."});
  }
  tell(
      console,
      {kPause, "He points his finger at you, and a huge bolt of electricity flies from his finger!",
       kPause,
       "it hits you square in the chest, dazed and emberrassed you stumble out of the tent..."});
  subtract(state.PlayerHealth, 10);
  state.HealerWelcome = 0;
}

Next visitHealingTent(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  if (state.HealerWelcome <= 0) {
    console.line("\"Do I need to shock you again?\"");
    return Next::Stay;
  }
  tell(
      console,
      {"The healing tent is blindingly white, and has a lion insignia embroidered into the canvas.",
       "Inside is an older gentleman, in a brown vest and a tweed jacket.", kPause,
       "\"You don't look so good, do you need some healing?\""});
  switch (menu(context, "Yeah (Y) Hand over the gold and no one gets hurt (H) I think I'm okay (I)",
               "YHI")) {
    case 'Y': getHealed(context); return Next::Stay;
    case 'H': threatenTheHealer(context); return Next::Stay;
    default:
      console.line("\"Well. I hope to see you back here soon.\"");
      subtract(state.HealerWelcome, 1);
      return Next::BackToHub;
  }
}

// Every showing of the street menu costs an hour; the opening hours were checked on the way in
// only, so shopping can go on past closing time.
Next showTheStreet(Context& context) {
  addHours(context.state, 1);
  switch (menu(
      context,
      "Let's go buy some fruit (F) I need a doctor (D) Who's that shady hat salesman (H) I'm going to buy weapons (W) I'd like to try something else (I)",
      "FDHWI")) {
    case 'F': return visitFruitStall(context);
    case 'D': return visitHealingTent(context);
    case 'H': return visitHatSalesman(context);
    case 'W': return visitWeaponVendor(context);
    default: return Next::BackToHub;
  }
}

}  // namespace

void visitVendors(Context& context) {
  Console& console = context.console;
  const int hour = context.state.ClockHour;
  if (hour >= 20 || hour <= 6) {
    console.line("The vendors are not open yet, come back later.");
    return;
  }
  tell(console,
       {"The vendors are set up in stalls, with huge colorful canopies along side the street",
        "There's a fruit stall, a suspicous hat salesman, a weapon vendor, and a healing tent.",
        kPause});
  untilBackToHub(context, showTheStreet);
}

}  // namespace qm
