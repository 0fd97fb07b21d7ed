#include "basement/scientist.h"

#include "combat/fight.h"
#include "core/counters.h"
#include "core/death.h"
#include "core/dialogue.h"
#include "core/weapons.h"

namespace qm {

namespace {

constexpr int kLastWeakRoll = 10;
constexpr int kMisfire = 1;
constexpr int kSuitFinishingAt = 10;
constexpr int kWreckageGold = 56;

constexpr const char* kBarelyADent =
    "You stab the huge robot in the chest, but you barely make a dent";

// The Face Destroyer 3000. Its bands are by its own roll: the weak band from 1 to 10, the strong
// one above; the fumble comes after the weak band on a roll of 1.
constexpr FightTable kSuit = {
    .startingHealth = kSuitHitPoints,
    .stab = Strike{kBarelyADent, kBarelyADent,
                   "You try to stab the scientist, but he dodges and you miss!"},
    .magicMissile = Strike{"You blast the scientist with a missle, and he stumbles backward!",
                           "You blast him, and the suit falls over, but he picks himself up.",
                           "You miss, and the missile explodes behind him."},
    .slash = Strike{"You barely cut through his armor",
                    "You slice him again, and a couple gears fall to the floor",
                    "You slash wildly at the scientist, but he's moving too quickly and you miss!"},
    .shoot =
        Strike{
            "You shoot the robot in the chest, but he's still coming at you!",
            "You shoot another arrow into robot, and a couple gears fall out!",
            "You shoot a couple arrows at the suit, but he activates his flamethrower, and they burn to a crisp mid air!"},
    .pickpocket =
        Deed{.lines = {"You powerslide under his legs, and pull a huge gear out of his suit",
                       kPause},
             .effect = {.enemyFalls = true}},
    .suggestion =
        Deed{
            .lines =
                {"You raise your hand in the air, and try to make the scientist stop fighting you!",
                 kPause, "But it doesn't work on crazy people!"}},
    .bash =
        Deed{
            .lines =
                {"You try to smash the robot with your shield! But he smacks you back with his claw-hand!"},
            .effect = {.playerLoses = 5}},
    .tame = Deed{.lines = {"\"I AM UNTAMEABLE!!! AHAHAHAHAHAH!!!\""}},
    .apples = Deed{.lines = {"You toss the apples at the scientist!",
                             "\"Ouch hey! What'd you do that for!\"", kPause}},
    .enemy =
        {.fumble = {.lines = {"The flamethrower malfunctions, and the suit catches fire!"},
                    .effect = {.enemyFalls = true}},
         .weak =
             {.lines =
                  {"The scientist turns grabs you with his claw hand, and throws you against the wall!"},
              .effect = {.playerLoses = 10}},
         .strong =
             {.lines =
                  {"The scientist pulls  lever, and a blast of flame bursts out of his flamethrower, scorching your eyebrows off!"},
              .effect = {.playerLoses = 3}}},
    .victory = {"All of a sudden his suit starts to malfunction.", "\"Hey! What's happening!\"",
                "Then it falls over, crushing him!"},
};

// The suit fights on every round, wrecked or not, and a player it beats dies on the spot: before
// the suit's fall is told and before any bomb.
void suitTurn(Fight& fight) {
  GameState& state = fight.state();
  const Bands& bands = fight.table().enemy;
  const int roll = fight.drawTurnRoll();
  fight.perform(roll <= kLastWeakRoll ? bands.weak : bands.strong);
  if (roll == kMisfire) fight.perform(bands.fumble);
  dieIfHealthGone(state);
}

void meetTheScientist(Context& context) {
  Console& console = context.console;
  tell(
      console,
      {"In the middle of this room is a very short man in a dirty white labcoat.  He has big bronze gloves, and you wonder how he even lifts his hands.",
       kPause, "He quickly notices you and begins to speak in a very high pitch; ", kPause,
       "\"I see you have finally made it to my inner sanctum! Hue hue hue hue hue! But I've come prepared! Hue hue hue!\"",
       "He claps his gloves together and the wall behind him retracts, revealing a huge robotic suit!",
       "it has claws on one hand, and on the other, a flamethrower!", kPause,
       "\"Soon you will be the first victim of the Face Destroyer 3000! Patent Pending!\"", kPause,
       "He climbs in side, and the suit starts to shake and hum"});
  if (menu(context, kSneakOrAttackHim, "RH") == 'R') {
    console.line(
        "You try to run out the door, but the robot grabs you and drags you back into the room with its huge claws");
  }
}

// The Polished Pint goes up with the basement; the hatch is gone for good.
void setOffTheBomb(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(
      console,
      {"Behind him, a timer sarts to tick down...", kPause,
       "All of a sudden it hits you! You realize that its a bomb!", kPause,
       "You run out of the basement as fast as you can, and behind you The Polished Pint explodes!",
       kPause});
  state.AchievementBlastwright = 1;
  console.line("Achievement get; Blastwright");
  console.line("After scavenging through the wreckage, you find 56 gold and a Wand");
  add(state.PlayerGold, kWreckageGold);
  console.pause();
  offerWeapon(context, kWilyWand);
  console.pause();
  state.HatchStage = kHatchBlownUp;
}

}  // namespace

RoomEnd scientistRoom(Context& context, const Room& /*room*/) {
  GameState& state = context.state;
  meetTheScientist(context);
  stageFight(context, kSuit, state.Basement.SuitHealth,
             FightRules{.finishingAt = kSuitFinishingAt, .enemyTurn = suitTurn});
  state.Basement.ScientistWaiting = 0;
  setOffTheBomb(context);
  return RoomEnd::Leave;
}

}  // namespace qm
