#include "basement/encounters.h"

#include "combat/fight.h"
#include "core/counters.h"
#include "core/dialogue.h"

namespace qm {

namespace {

constexpr int kWornDown = 5;  // an automaton or a swarm this low is finished by a Bash

constexpr const char* kNoticed = "While you are trying to leave, he suddenly notices!";

// A kind of enemy of the basement: what its room tells and asks, and how its fight departs from
// the common round.
struct Enemy {
  const FightTable& table;  // its intro holds the lines that start the fight
  const char* laterVisit;   // once the fight is over, unless the room says its own
  Script opening;
  const char* sneakQuestion;             // unless the room asks its own
  bool (*sneaksPast)(Context& context);  // the sneak rule: true when the player gets by
  Turn getsReady = nullptr;              // after the fight-start lines
  FightRules rules = {};
};

void showDoors(Console& console, const Room& room) {
  if (room.doorLine) console.line(room.doorLine);
}

// The basement fight frame. A sneak that gets by and apples that end the fight leave the enemy
// waiting for the next visit; any other end of the rounds, the player's death included, clears
// the room.
RoomEnd playEncounter(Context& context, const Room& room, const Enemy& enemy) {
  Console& console = context.console;
  int& waiting = partOf(context.state, room.flag);
  if (waiting == 0) {
    console.line(room.laterVisit ? room.laterVisit : enemy.laterVisit);
    showDoors(console, room);
    return RoomEnd::GoOn;
  }
  tell(console, enemy.opening);
  int& enemyHealth = partOf(context.state, room.number);
  enemyHealth = enemy.table.startingHealth;
  const char* sneakQuestion = room.sneakQuestion ? room.sneakQuestion : enemy.sneakQuestion;
  if (menu(context, sneakQuestion, "RH") == 'R' && enemy.sneaksPast(context)) {
    return RoomEnd::EndStep;
  }
  tell(console, enemy.table.intro);
  FightRules rules = enemy.rules;
  rules.deathEndsGame = false;  // the step's death check acts on it
  if (room.count) rules.enemyCount = &partOf(context.state, room.count);
  Fight fight(context, enemy.table, enemyHealth, rules);
  if (enemy.getsReady) enemy.getsReady(fight);
  if (fight.play() == FightEnd::ApplesThrown) return RoomEnd::EndStep;
  waiting = 0;
  showDoors(console, room);
  return RoomEnd::GoOn;
}

// A Bash that only tells until the enemy is worn down; then it finishes it.
void bashWhenWornDown(Fight& fight, const char* holds, const char* finishes) {
  if (fight.enemyHealth() > kWornDown) {
    fight.console().line(holds);
    return;
  }
  fight.console().line(finishes);
  fight.enemyHealth() = 0;
}

// The zombie "Jimmy". It never lets the player sneak by. While its approach counter lasts it is
// still walking up; the counter starts at 0 or 1, so it strikes from the first round on.

bool zombieNotices(Context& context) {
  constexpr int kCaughtSneaking = 5;
  context.console.line(kNoticed);
  subtract(context.state.PlayerHealth, kCaughtSneaking);
  return false;
}

void zombieTurn(Fight& fight) {
  int& approach = fight.enemyCount();
  const int roll = fight.drawTurnRoll();
  const bool standing = fight.enemyHealth() > 0;
  if (approach > 0 && standing) fight.console().line("The monster is still walking towards you...");
  subtract(approach, 1);
  if (approach <= 0 && standing) fight.perform(Fight::band(fight.table().enemy, roll));
}

void startWalking(Fight& fight) {
  fight.enemyCount() = fight.context().random.draw(kApproachRounds);
}

constexpr FightTable kZombie = {
    .startingHealth = kZombieHitPoints,
    .intro = {"\"Jimmy no like you... Jimmy smash!\"", kPause, "Blegh...",
              "He starts shambling towards you... Slowly?"},
    .stab = Strike{"You stab the creation again! But he stays on his feet...",
                   "You stab, it? Can I call it an it? Is that like, politically correct?",
                   "You try to stab the creature again, but he's moving too, slowly?"},
    .magicMissile =
        Strike{"You toss a missile at him and blast his arm off! But he keeps coming...",
               "You blast him, and he falls to the ground.",
               "You miss, and the missile explodes behind him."},
    .slash =
        Strike{"You slice his arm off! But he keeps coming!",
               "You cut him in half like cheddar cheese!",
               "You slash wildly at the creation, but he's moving too... slowly? and you, miss."},
    .shoot =
        Strike{
            "You shoot the monster in the shoulder, but he stays up!",
            "You shoot another arrow into the creature's knee, and he falls over and passes out!",
            "You shoot a couple arrows at the creature, but he's coming too, slowly? And, you miss."},
    .pickpocket = Deed{.lines = {"You reach into his pocket, and pull out...",
                                 "Some of his skin!?!? Egggghhh."}},
    .suggestion =
        Deed{.lines =
                 {"You raise your hand in the air, and try to make the creature stop fighting you!",
                  kPause, "I guess it worked...", kPause, "The creature collapses on the floor!"},
             .effect = {.enemyFalls = true}},
    .bash = Deed{.lines = {"You smash the zombie against the wall and he dies!"},
                 .effect = {.enemyFalls = true}},
    .tame = Deed{.lines = {"\"Ha-ha, Jimmy doesn't speak turtle.\""}},
    .apples =
        Deed{.lines = {"You toss the apples at the monster, they just bounce off...", kPause}},
    .enemy = {.fumble = {.lines = {"The monsters arm suddenly falls off!"},
                         .effect = {.enemyLoses = 2}},
              .weak = {.lines = {"The zombie scratches you!"}, .effect = {.playerLoses = 5}},
              .strong = {.lines = {"The monster tickles you!"}, .effect = {.playerLoses = 2}}},
    .victory = {"The monster is now dead, lying on the floor"},
};

constexpr Enemy kZombieEnemy = {
    .table = kZombie,
    .laterVisit =
        "This room is completely empty, but it looks like something was dragged off, or crawled out...",
    .opening =
        {"This next room is in tatters.",
         "In the middle of the room, there's some kind of creature, that looks like it was sown together shambling around the room",
         kPause},
    .sneakQuestion = kSneakOrAttackHim,
    .sneaksPast = zombieNotices,
    .getsReady = startWalking,
    .rules = {.enemyTurn = zombieTurn},
};

// The peon with the toothbrush. He looks up from his scrubbing on half the rolls, and apples
// hurt him.

bool slipsPastPeon(Context& context) {
  constexpr int kSneakRolls = 20;
  constexpr int kUnseen = 10;
  context.state.Roll = context.random.draw(kSneakRolls);
  if (context.state.Roll >= kUnseen) return true;
  context.console.line(kNoticed);
  return false;
}

constexpr FightTable kPeon = {
    .startingHealth = kPeonHitPoints,
    .intro = {"\"Oi mate wa the blawdy hail awr yu dowin down hea!\"", kPause, "Huh?",
              "He starts coming at you with the toothbrush!"},
    .stab = Strike{"You stab the peon! But he stays on his feet...",
                   "Finally, I think the peon is dead now...",
                   "You try to stab the peon, but he blocks it with the toothbrush!"},
    .magicMissile = Strike{"You toss a missile at him in the chest! But he keeps coming...",
                           "You blast him, and he falls to the ground.",
                           "You miss, and the missile explodes behind him."},
    .slash =
        Strike{
            "You slash through his shirt! But he keeps coming!",
            "You slice his head off, and he falls to the floor!",
            "You slash wildly at the peon, but he expertly deflects your blows with his tooth brush!"},
    .shoot =
        Strike{
            "You shoot the peon in the shoulder, but he stays up!", "Pew! Pew! Pew! K.O!",
            "You shoot a couple arrows at the peon, but he cuts them in half midair with his toothbrush!"},
    .pickpocket = Deed{.lines = {"You reach into his pocket, and pull out...", kPause,
                                 "A dirty wash cloth..."}},
    .suggestion = Deed{.lines = {"You raise your hand in the air, and try him stop fighting you!",
                                 kPause, "\"Wut you tryin' do mut?\""}},
    .bash = Deed{.lines = {"The peon jumps out of the way!"}},
    .tame = Deed{.lines = {"\"Wa yu tryan puhl broh?\""}},
    .apples = Deed{.lines = {"\"Ouch bloody hail wa wuz tha met!?!\"", kPause},
                   .effect = {.enemyLoses = 10}},
    .enemy = {.fumble = {.lines = {"The peon brushes hiw own teeth?!?"}},
              .weak = {.lines = {"The peon stabs you with the toothbrush!"},
                       .effect = {.playerLoses = 5}},
              .strong = {.lines = {"The peon scrubs you with his toothbrush!"},
                         .effect = {.playerLoses = 2}}},
    .victory = {"The peon is dead on the floor."},
};

constexpr Enemy kPeonEnemy = {
    .table = kPeon,
    .laterVisit = "This room is empty, but you get the sinking feeling you've been here before...",
    .opening =
        {"Inside this next room, there's a lowly peon, scrubbing the floor with a tooth brush...",
         kPause},
    .sneakQuestion = kSneakOrAttackHim,
    .sneaksPast = slipsPastPeon,
};

// The dormant automaton. It never wakes for a sneak, it hits every round with no roll (also in
// the round it is destroyed), and apples end its fight.

bool slipsPastAutomaton(Context& /*context*/) {
  return true;
}

void grabAGear(Fight& fight) {
  tell(fight.console(), {"You slide under his legs, and grab a...", kPause, "Gear!", kPause,
                         "This could come in handy later..."});
  pocketGears(fight.context());
}

void bashTheAutomaton(Fight& fight) {
  bashWhenWornDown(fight, "You run into the robot with your shield, but he won't budge!",
                   "You smash the rest of the robot into bits!");
}

void automatonTurn(Fight& fight) {
  constexpr int kArmsHit = 5;
  if (fight.enemyHealth() > kWornDown) {
    fight.console().line(
        "The robot flails around at you, bashing you a couple times with his arms!");
  } else {
    fight.console().line("The robots backhands you with its stiff arms!");
  }
  subtract(fight.state().PlayerHealth, kArmsHit);
}

constexpr FightTable kAutomaton = {
    .startingHealth = kAutomatonHitPoints,
    .intro = {"All of a sudden, the robot is up on his feet!", kPause,
              "He starts running at you wildly!"},
    .stab = Strike{"You stab the robot, but he keeps coming!",
                   "You stab the robot in his metal gut, and he falls to the floor!",
                   "You try to stab the robot, but you miss!"},
    .magicMissile =
        Strike{
            "You toss magic missile at the robot, it hits him in the chest, a few gears fall out, but he's still coming!",
            "You blast him, and he falls to the ground in a huge smoking pile.",
            "You try to hit him with a magic missile, but he's moving to fast, and you miss!"},
    .slash =
        Strike{
            "Your sword cuts deep, into the robot, but only a couple gears fall out.",
            "You slice the robot's head off, and his decapitated body falls over still sparking.",
            "You slash wildly at the robot, but he's moving too quickly and you miss!"},
    .shoot =
        Strike{
            "You shoot the robot in the chest, but he's still coming at you!",
            "You shoot another arrow into the robots knee, you've jammed a servo! He falls over, helpless!",
            "You shoot a couple arrows at the robot, but he's coming to fast and you miss!"},
    .pickpocket = Special{grabAGear},
    .suggestion =
        Deed{.lines = {"You raise your hand in the air, and try to make the robot surrender...",
                       kPause, "But it doesn't work on robots!"}},
    .bash = Special{bashTheAutomaton},
    .tame =
        Deed{.lines = {"Using your nature skills, you call out in the robots native language...",
                       kPause, "Clang Clang, whizz, boom!", kPause, "You look like an idiot."}},
    .apples =
        Deed{
            .lines =
                {"You toss the apples at the robot, in mid-air he cuts them in half, and they fall to the floor, in a most epic fashion.",
                 kPause}},
};

void mayNoticeAMalfunction(Fight& fight) {
  constexpr int kSharpIntellect = 5;
  if (fight.state().PlayerIntellect > kSharpIntellect) {
    fight.console().line("it doesn't look like he was supposed to do this...");
  }
}

// Each automaton's room tells its own later visit and asks its own sneak question.
constexpr Enemy kAutomatonEnemy = {
    .table = kAutomaton,
    .laterVisit = nullptr,
    .opening =
        {"The room has solid brick walls, there's a pile of gears and springs in one corner, and in the other, another automoton!",
         kPause, "But he isn't moving..."},
    .sneakQuestion = nullptr,
    .sneaksPast = slipsPastAutomaton,
    .getsReady = mayNoticeAMalfunction,
    .rules = {.applesEndFight = true, .enemyTurn = automatonTurn},
};

// The swarm of giant rats, whose hit points are their number. They always spot a sneak, bite by
// half their number, and let the player escape while they eat the apples.

bool ratsSpotYou(Context& context) {
  context.console.line("You can't escape. the rats have already spotted you!");
  return false;
}

void bashTheRats(Fight& fight) {
  bashWhenWornDown(fight, "You run into the rats with your shield, but there are to many to move!",
                   "You smash the rest of the rats into the wall, and the survivors scurry away");
}

void callTheRats(Fight& fight) {
  constexpr int kTameRolls = 20;
  constexpr int kTamed = 10;
  tell(fight.console(),
       {"Using your nature skills, you call out in the rats native language...", kPause});
  fight.state().Roll = fight.context().random.draw(kTameRolls);
  if (fight.state().Roll >= kTamed) {
    fight.console().line("They disperse back into the walls!");
    fight.enemyHealth() = 0;
  } else {
    fight.console().line("You look like an idiot!");
  }
}

void ratsTurn(Fight& fight) {
  if (fight.enemyHealth() <= 0) return;
  fight.console().line("The rats jump up and bite at you!");
  subtract(fight.state().PlayerHealth, fight.enemyHealth() / 2);
}

constexpr const char* kLastOfTheRats = "You cut down the last of the rats";

constexpr FightTable kRats = {
    .startingHealth = kRatsInASwarm,
    .stab = Strike{"You slash at the rats, and start to thin their numbers.", kLastOfTheRats,
                   "You stab into the horde, but miss most of the rats!"},
    .magicMissile = Strike{"You blast at the rats, and start to thin their numbers", kLastOfTheRats,
                           "You blast at the horde, but miss the rats!"},
    .slash = Strike{"You slash at the rats, and start to thin their numbers.", kLastOfTheRats,
                    "You slash into the horde, but miss most of the rats!"},
    .shoot = Strike{"You shoot at the rats, and start to thin their numbers.", kLastOfTheRats,
                    "You shoot a couple arrows into the horde, but miss most of the rats!"},
    .pickpocket =
        Deed{.lines = {"You reach into the swarm, and pull out...", kPause, "A rat?", kPause,
                       "it bites your hand, you drop it, and it scurries into the wall"},
             .effect = {.enemyLoses = 1, .playerLoses = 1}},
    .suggestion =
        Deed{.lines = {"You raise your hand in the air, and try to make the rats disperse...",
                       kPause, "But there are to many minds to influence them all!"}},
    .bash = Special{bashTheRats},
    .tame = Special{callTheRats},
    .apples =
        Deed{
            .lines =
                {"You toss the apples at the rats, and they swarm around it, eating it fast enough for you to escape!",
                 kPause}},
};

constexpr Enemy kRatsEnemy = {
    .table = kRats,
    .laterVisit = "There's a couple rat carcasses on the floor",
    .opening = {"You enter the next room, and a horde of giant rats swarms out of nowhere!"},
    .sneakQuestion = "Try to sneak around (R) Attack them head on! (H)",
    .sneaksPast = ratsSpotYou,
    .rules = {.applesEndFight = true, .enemyTurn = ratsTurn},
};

}  // namespace

RoomEnd zombieRoom(Context& context, const Room& room) {
  return playEncounter(context, room, kZombieEnemy);
}

RoomEnd peonRoom(Context& context, const Room& room) {
  return playEncounter(context, room, kPeonEnemy);
}

RoomEnd automatonRoom(Context& context, const Room& room) {
  return playEncounter(context, room, kAutomatonEnemy);
}

RoomEnd ratRoom(Context& context, const Room& room) {
  return playEncounter(context, room, kRatsEnemy);
}

}  // namespace qm
