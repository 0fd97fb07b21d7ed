#include "basement/rooms.h"

#include "core/counters.h"
#include "core/dialogue.h"

namespace qm {

namespace {

constexpr const char* kSearchOrMoveOn = "I'm going to search for loot (S) Let's just move on (O)";
constexpr const char* kDoorsSouthEastWest = "There are doors South East and West";

constexpr int kGearsFound = 4;  // a find of rand() % 4 gears

// The crates fill up again for every visit.
void searchCrates(Context& context) {
  Console& console = context.console;
  console.line("This room has some wooden crates lying around the floor.");
  if (menu(context, kSearchOrMoveOn, "SO") != 'S') return;
  console.line(
      "You found a couple gears in the crates, better hold on to those, they might be useful!");
  pocketGears(context);
  console.line("The boxes are all empty");
}

// The treasure rooms: a flimsy locked door, then a chest of 100 gold once per visit.
constexpr const char* kTreasureDoors = "There are doors North South and East";
constexpr const char* kTreasureInside = "And inside there's a huge treasure chest!";
constexpr int kChestGold = 100;
constexpr int kStrengthToBreakIn = 4;
constexpr int kLockRolls = 20;  // the lock roll is rand() % 20

enum class DoorWay { BrokenDown, Picked };

RoomEnd openChest(Context& context, int& locked, DoorWay door) {
  Console& console = context.console;
  if (menu(context, "Open it (O) Leave (L)", "OL") == 'O') {
    locked = 0;
    console.line("Inside is a huge sack of gold! There must be at least 100 coins!");
    add(context.state.PlayerGold, kChestGold);
    console.line(kTreasureDoors);
    return RoomEnd::GoOn;
  }
  // A chest left closed locks its door again for the next visit.
  if (door == DoorWay::BrokenDown) console.line(kTreasureDoors);
  return RoomEnd::EndStep;
}

RoomEnd breakDoorDown(Context& context, int& locked) {
  if (context.state.PlayerStrength < kStrengthToBreakIn) {
    context.console.line("Boy, you really need to go to the gym, the door doesn't budge!");
    return RoomEnd::GoOn;
  }
  tell(context.console, {"You break through the feeble timbers!", kTreasureInside});
  return openChest(context, locked, DoorWay::BrokenDown);
}

RoomEnd pickLock(Context& context, int& locked, int& lockDifficulty) {
  GameState& state = context.state;
  lockDifficulty = state.PlayerClass == "Thief" ? kThiefLockDifficulty : kLockDifficulty;
  state.Roll = context.random.draw(kLockRolls);
  if (state.Roll < lockDifficulty) {
    context.console.line("The door is still locked");
    return RoomEnd::EndStep;
  }
  tell(context.console, {"You break through the feeble lock", kTreasureInside});
  return openChest(context, locked, DoorWay::Picked);
}

}  // namespace

RoomEnd treasureRoom(Context& context, const Room& room) {
  int& locked = partOf(context.state, room.flag);
  int& lockDifficulty = partOf(context.state, room.number);
  Console& console = context.console;
  if (locked == 0) {
    tell(
        console,
        {"The doors been broken down, and there's an empty treasure chest in the middle of the room",
         "it looks like you've been this way already."});
    return RoomEnd::GoOn;
  }
  console.line("The door to this next room is locked, but the door is very flimsy!");
  switch (menu(context, "Break it down (B) Try to pick the lock (L) Move on (M) ", "BLM")) {
    case 'B': return breakDoorDown(context, locked);
    case 'L': return pickLock(context, locked, lockDifficulty);
    default: return RoomEnd::EndStep;
  }
}

void pocketGears(Context& context) {
  GameState& state = context.state;
  add(state.Gears, context.random.draw(kGearsFound));
  context.console.line("You have ", state.Gears, " gears");
}

RoomEnd entryRoom(Context& context, const Room& /*room*/) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(
      console,
      {"There's a crack of sunlight coming through the ceiling, you can make out the silloutte of a couple books lying on the floor, and a spool of wire.",
       kPause, "There are wooden doors to the North, East, and West", kPause});
  if (state.Basement.EntryFirstVisit == 0) console.line("This must be where you came in.");
  state.Basement.EntryFirstVisit = 0;
  console.line("Let's leave (L) I'm not ready to go yet (G)");
  console.line();
  return ask(context, "LG") == 'L' ? RoomEnd::Leave : RoomEnd::GoOn;
}

RoomEnd pipeRoom(Context& context, const Room& /*room*/) {
  Console& console = context.console;
  console.line("This room has a bunch of mysterious pipes and valves in it.");
  if (menu(context, "Mess with them (M) Leave them alone (L)", "ML") == 'M') {
    console.line("You hear a loud hiss from the east but nothing happens.");
  }
  console.line(kDoorsSouthEastWest);
  return RoomEnd::GoOn;
}

RoomEnd cockpitRoom(Context& context, const Room& /*room*/) {
  tell(
      context.console,
      {"This room has an unfinished robot standing upright in it, it looks like it has some kind of a cockpit.",
       kDoorsSouthEastWest});
  return RoomEnd::GoOn;
}

RoomEnd crateRoom(Context& context, const Room& room) {
  searchCrates(context);
  if (room.doorLine) context.console.line(room.doorLine);
  return RoomEnd::GoOn;
}

RoomEnd bookRoom(Context& context, const Room& /*room*/) {
  Console& console = context.console;
  console.line("This room has some books strewn around the floor.");
  if (menu(context, kSearchOrMoveOn, "SO") == 'S') {
    tell(
        console,
        {"You don't find any loot, but one of the books stands out to you...", kPause,
         "it's entitled \"How to be MLG Pro\"", kPause,
         "it's written in an ancient language that you can't understand, but you can make out a sentence \"I'll shrek you bro, I swear on me mum\""});
  }
  console.line(kDoorsNorthWestEastSouth);
  return RoomEnd::GoOn;
}

RoomEnd bareRoom(Context& context, const Room& /*room*/) {
  context.console.line("This room is completely bare");
  return RoomEnd::GoOn;
}

RoomEnd smellyRoom(Context& context, const Room& /*room*/) {
  tell(context.console, {"This room smells awful, but its otherwise empty", kDoorsNorthEastSouth});
  return RoomEnd::GoOn;
}

RoomEnd gearFloorRoom(Context& context, const Room& /*room*/) {
  tell(context.console, {"This rooms got a couple little gears on the floor",
                         "There are doors North West and South"});
  return RoomEnd::GoOn;
}

}  // namespace qm
