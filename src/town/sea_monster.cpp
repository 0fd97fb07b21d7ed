#include "town/sea_monster.h"

#include "combat/fight.h"
#include "combat/fight_tables.h"
#include "core/counters.h"
#include "core/death.h"
#include "core/dialogue.h"
#include "core/weapons.h"

namespace qm {

namespace {

constexpr int kActivistGold = 30;

// The sailor turns back into the monster and holds the player under.
[[noreturn]] void drownAtTheSailorsHands(Context& context) {
  Console& console = context.console;
  console.line("\"Sorry, ", context.state.PlayerName, "I can't let you do that\"");
  tell(
      console,
      {kPause,
       "In front of your eyes the sailor transforms into the monster, grabs you, and dunks you in the water",
       kPause, "You drown"});
  context.state.PlayerHealth = 0;
  dieNow();
}

// The sailor pays for his idea with gold and his bow, whether or not the bow is taken up.
void sendOffTheActivist(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(console, {"\"Thas a good idea, I'll get on that!\"", kPause, "\"Here, take these\""});
  add(state.PlayerGold, kActivistGold);
  console.line("You got 30 gold, you now have ", state.PlayerGold,
               " gold.  He also gives you a bow");
  offerWeapon(context, kBowedBow);
  tell(console, {kPause, "\"I'll see ya' aroun'\""});
}

void hearTheConfession(Context& context) {
  Console& console = context.console;
  tell(console,
       {"Suddenly, you see the old sailor swimming back to the boat from where the serpent sank...",
        kPause, "His clothes are all torn up, and he looks pretty fatigued", kPause,
        "He climbs onto the battered vessel...", kPause,
        "\"Aye, I know what it looks like, but I wasn't gunna hurt ya I promise!\"", kPause,
        "What? I was not prepared for this!", kPause, "\"I was the monster all along!\""});
  if (menu(context, "Wat. (W) I'LL KILL YOU! (K)", "WK") == 'K') drownAtTheSailorsHands(context);
  console.line(
      "\"Well, ya see, I wa' born this way.  I've been tryin' to prevent the fishermen from fishin' up all my funny fishy freinds.\"");
  if (menu(context, "You should start an activist group (A) I have to turn you in (I)", "AI") ==
      'I') {
    drownAtTheSailorsHands(context);
  }
  sendOffTheActivist(context);
}

}  // namespace

void raiseTheSeaMonster(Context& context) {
  GameState& state = context.state;
  tell(
      context.console,
      {"You've got a huge yank on your line!", kPause,
       "You can't pull it up! You look for the fisherman for help, but he's nowhere to be found!",
       kPause,
       "All of a sudden he breaks through the waves! You can see clearly now, it's a giant six headed sharkodile, with knives for teeth and huge, spiky scales!",
       kPause});
  stageFight(context, kSeaMonster, state.SeaMonsterHealth);
  // The quest is over from the moment the monster sinks, whatever the sailor says next.
  state.AchievementGotAway = 1;
  context.console.line("Achievement get; The one that got away");
  state.OldManStage = kOldManDone;
  context.console.pause();
  hearTheConfession(context);
}

}  // namespace qm
