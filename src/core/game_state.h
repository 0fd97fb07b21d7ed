#pragma once

#include <string>

#include "core/quest_stages.h"

namespace qm {

// The basement under the Polished Pint: everything of it starts afresh on every entry.
struct BasementVisit {
  int BasementColumn = 3;  // 1 (east) to 5 (west)
  int BasementRow = 1;     // 1 (north) to 4 (south)
  int EntryFirstVisit = 1;
  int FirstPeonWaiting = 1;
  int SecondPeonWaiting = 1;
  int FirstRobotWaiting = 1;
  int SecondRobotWaiting = 1;
  int FirstZombieWaiting = 1;
  int SecondZombieWaiting = 1;
  int FirstRatsWaiting = 1;
  int SecondRatsWaiting = 1;
  int FirstDoorLocked = 1;
  int SecondDoorLocked = 1;
  int ScientistWaiting = 1;
  int FirstZombieHealth = 10;
  int SecondZombieHealth = 10;
  int FirstZombieDelay = 0;
  int SecondZombieDelay = 0;
  int SuitHealth = 20;
  int FirstPeonHealth = 10;
  int SecondPeonHealth = 10;
  int FirstRobotHealth = 10;
  int SecondRobotHealth = 10;
  int FirstRatCount = 10;
  int SecondRatCount = 10;
  int FirstLockDifficulty = 10;
  int SecondLockDifficulty = 10;
  int MapColumn = 0;
  int MapRow = 0;

  bool operator==(const BasementVisit&) const = default;
};

// How the town's shops and inns feel about the player; a newcomer's moods to begin with.
struct TownMoods {
  int PintWelcome = 10;
  int FruitLadyWelcome = 3;
  int WeaponVendorWelcome = 5;
  int HealerWelcome = 4;
  int BlacksmithFire = 1;  // the fire scene is still to come
  int BlacksmithMood = 0;
};
inline constexpr TownMoods kNewcomer{};

inline constexpr int kFullHealth = 50;
inline constexpr int kBartenderHitPoints = 10;

// Every variable of one play-through. The game routine owns the one instance and hands it by
// reference to every stage and scene; a restart assigns a fresh GameState{}, so nothing of a
// refused character survives. A quest stage of 69 means that quest is finished.
struct GameState {
  // Purse, body and pack.
  int PlayerGold = 40;
  int PlayerHealth = kFullHealth;
  int Apples = 0;
  int Gears = 0;
  bool HasMysteriousBook = false;
  std::string Weapon = "Fists";  // placeholder until the class sets it
  int ClockHour = 6;             // no day counter; only the hub wraps it

  // The character, filled in by creation.
  int PlayerStrength = 0;
  int PlayerIntellect = 0;
  int PlayerBrawn = 0;
  int RaceNumber = 0;  // 0 Human, 1 Lacerti, 2 Ilmungae, 3 Pear
  std::string PlayerRace;
  std::string RaceExplanation;
  std::string PlayerClass;
  std::string PrimaryAbility;    // fight action (1)
  std::string SecondaryAbility;  // fight action (2); never changes after creation
  std::string PlayerName;
  std::string PlayerFirstName = "Nobody";  // the three name parts are always replaced
  std::string PlayerLastNameFirst = "No";
  std::string PlayerLastNameSecond = "name";
  int FirstNameNumber = 0;  // 0..4 male names, 5..9 female names
  int LastNameFirstNumber = 0;
  int LastNameSecondNumber = 0;
  std::string Pronoun;       // "his" or "her"
  std::string PronounFirst;  // "he" or "she"
  std::string PlaceFirst;
  std::string PlaceSecond;
  std::string Place;
  int PlaceFirstNumber = 0;
  int PlaceSecondNumber = 0;
  int EventNumber = 0;
  std::string Event;

  // Answers and per-action numbers.
  std::string RaceChoice;  // the answer word of nearly every question
  std::string Choice;      // the second answer word of the docks voyage
  int Roll = 0;            // the last random draw of an action
  int EnemyHealth = 0;
  int Hours = 0;
  int TimeTill = 0;
  int Cost = 0;
  int ApplePurchase = 0;
  int StolenGold = 0;

  // Quest stages.
  int HatchStage = kHatchHidden;
  int CircusStage = kCircusNoJob;
  int OldManStage = kOldManNotMet;
  int TheatreStage = kTheatreNotAsked;
  int StrangerStage = kStrangerNotMet;

  // How the town's shops and inns feel about the player.
  int PintWelcome = kNewcomer.PintWelcome;
  int FruitLadyWelcome = kNewcomer.FruitLadyWelcome;
  int WeaponVendorWelcome = kNewcomer.WeaponVendorWelcome;
  int HealerWelcome = kNewcomer.HealerWelcome;
  int BlacksmithFire = kNewcomer.BlacksmithFire;
  int BlacksmithMood = kNewcomer.BlacksmithMood;
  int LacertiAtBar = 1;
  int BartenderHealth = kBartenderHitPoints;  // set once per run, never reset
  int CircusLeaderOpinion = 3;

  // The ruined circus camp.
  int MessTentSearched = 0;
  int QuartersSearched = 0;
  int AnimalTentsSearched = 0;
  int CaveUnlocked = 0;

  // Hit points of the town's fights, set when each fight starts.
  int OwenHealth = 30;
  int FirstLacertiHealth = 10;
  int SecondLacertiHealth = 10;
  int SeaMonsterHealth = 15;
  int DinosaurHealth = 30;

  // The docks voyage.
  int BoatX = 7;
  int BoatY = 2;
  int FishCount = 0;
  int FishingZone = 0;

  // Achievements: earned when exactly 1.
  int AchievementAnnoying = 0;
  int AchievementPuns = 0;
  int AchievementBlastwright = 0;
  int AchievementHooligans = 0;
  int AchievementGotAway = 0;

  // The basement under the Polished Pint.
  BasementVisit Basement;

  bool operator==(const GameState&) const = default;
};

// The town's shops and inns take the player as `moods` says.
inline void setTownMoods(GameState& state, const TownMoods& moods) {
  state.PintWelcome = moods.PintWelcome;
  state.FruitLadyWelcome = moods.FruitLadyWelcome;
  state.WeaponVendorWelcome = moods.WeaponVendorWelcome;
  state.HealerWelcome = moods.HealerWelcome;
  state.BlacksmithFire = moods.BlacksmithFire;
  state.BlacksmithMood = moods.BlacksmithMood;
}

// Female characters have a first name from the second half of the table and "her" as pronoun.
inline bool isFemale(const GameState& state) {
  return state.Pronoun == "her";
}

}  // namespace qm
