#include "app/saved_run.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/run_storage.h"
#include "basement/basement.h"
#include "basement/encounters.h"
#include "basement/rooms.h"
#include "basement/scientist.h"
#include "combat/fight_tables.h"
#include "core/clock.h"
#include "core/console.h"
#include "core/weapons.h"
#include "creation/creation.h"
#include "town/hideout.h"
#include "town/pint_bar.h"
#include "town/places.h"

namespace qm {

namespace {

using Rule = SavedVariable::Rule;

constexpr std::string_view kHeader = "Quillmarrow save ";
constexpr std::string_view kChecksumKey = "Checksum=";
constexpr int kLargest = std::numeric_limits<int>::max();
constexpr int kSmallest = std::numeric_limits<int>::min();
// The longest line a save of this format holds: a word of a whole input line, every byte of it
// escaped, behind its name.
constexpr std::size_t kLongestLine = 64 + 4 * Console::kMaxLineLength;

constexpr std::array<int, 2> kFlag = {0, 1};
constexpr std::array<int, 3> kHatchStages = {kHatchHidden, kHatchFound, kHatchBlownUp};
constexpr std::array<int, 2> kCircusStages = {kCircusNoJob, kCircusJobTaken};
constexpr std::array<int, 3> kOldManStages = {kOldManNotMet, kOldManWaiting, kOldManDone};
constexpr std::array<int, 3> kTheatreStages = {kTheatreNotAsked, kTheatreInvestigating,
                                               kTheatreSolved};
constexpr std::array<int, 4> kStrangerStages = {kStrangerNotMet, kStrangerWaiting, kHideoutFound,
                                                kOwenRevealed};
constexpr std::array<int, 2> kLockDifficulties = {kThiefLockDifficulty, kLockDifficulty};

constexpr SavedVariable number(std::string_view name, SavedVariable::Member member, int lowest,
                               int highest) {
  return {name, member, Rule::Range, lowest, highest};
}

constexpr SavedVariable stage(std::string_view name, SavedVariable::Member member,
                              std::span<const int> stages) {
  return {name, member, Rule::Stage, 0, 0, stages};
}

constexpr SavedVariable text(std::string_view name, SavedVariable::Member member, Rule rule) {
  return {name, member, rule};
}

constexpr SavedVariable character(std::string_view name, SavedVariable::Member member) {
  return text(name, member, Rule::Character);
}

constexpr SavedVariable flag(std::string_view name, SavedVariable::Member member) {
  return stage(name, member, kFlag);
}

// Hit points of a fight that starts them at `start`: an enemy still standing has one at least,
// and no round of any fight takes as many as its enemy started with, so they stay above -start.
constexpr SavedVariable hitPoints(std::string_view name, SavedVariable::Member member, int start) {
  return number(name, member, 1 - start, start);
}

// The number of a swarm of `size`: the fight wears it down as hit points, a rat or a blow of five
// at a time, so it too can end below none.
constexpr SavedVariable swarm(std::string_view name, SavedVariable::Member member, int size) {
  return hitPoints(name, member, size);
}

// What ordinary play can give each variable at the hub, where runs are kept (health above 0;
// the clock before the hub wraps it). Each name stands beside its member, as the game state
// names it; a test checks that the table holds every member once.
constexpr std::array kVariables = {
    number("PlayerGold", &GameState::PlayerGold, 0, kLargest),
    number("PlayerHealth", &GameState::PlayerHealth, 1, kFullHealth),
    number("Apples", &GameState::Apples, 0, kLargest),
    number("Gears", &GameState::Gears, 0, kLargest),
    flag("HasMysteriousBook", &GameState::HasMysteriousBook),
    character("Weapon", &GameState::Weapon),
    number("ClockHour", &GameState::ClockHour, 1, kLargest),
    character("PlayerStrength", &GameState::PlayerStrength),
    character("PlayerIntellect", &GameState::PlayerIntellect),
    character("PlayerBrawn", &GameState::PlayerBrawn),
    character("RaceNumber", &GameState::RaceNumber),
    character("PlayerRace", &GameState::PlayerRace),
    character("RaceExplanation", &GameState::RaceExplanation),
    character("PlayerClass", &GameState::PlayerClass),
    character("PrimaryAbility", &GameState::PrimaryAbility),
    character("SecondaryAbility", &GameState::SecondaryAbility),
    character("PlayerName", &GameState::PlayerName),
    character("PlayerFirstName", &GameState::PlayerFirstName),
    character("PlayerLastNameFirst", &GameState::PlayerLastNameFirst),
    character("PlayerLastNameSecond", &GameState::PlayerLastNameSecond),
    character("FirstNameNumber", &GameState::FirstNameNumber),
    character("LastNameFirstNumber", &GameState::LastNameFirstNumber),
    character("LastNameSecondNumber", &GameState::LastNameSecondNumber),
    character("Pronoun", &GameState::Pronoun),
    character("PronounFirst", &GameState::PronounFirst),
    character("PlaceFirst", &GameState::PlaceFirst),
    character("PlaceSecond", &GameState::PlaceSecond),
    character("Place", &GameState::Place),
    character("PlaceFirstNumber", &GameState::PlaceFirstNumber),
    character("PlaceSecondNumber", &GameState::PlaceSecondNumber),
    character("EventNumber", &GameState::EventNumber),
    character("Event", &GameState::Event),
    text("RaceChoice", &GameState::RaceChoice, Rule::Word),
    text("Choice", &GameState::Choice, Rule::WordOrNone),
    number("Roll", &GameState::Roll, 0, kStabRolls - 1),
    hitPoints("EnemyHealth", &GameState::EnemyHealth, kPossessedBookHitPoints),
    number("Hours", &GameState::Hours, 0, kLargest),
    number("TimeTill", &GameState::TimeTill, 0, kHoursPerDay),
    number("Cost", &GameState::Cost, 0, kGraveWoundsPrice),
    number("ApplePurchase", &GameState::ApplePurchase, 0, kLargest),
    number("StolenGold", &GameState::StolenGold, 0, kMostGoldStolen),
    stage("HatchStage", &GameState::HatchStage, kHatchStages),
    stage("CircusStage", &GameState::CircusStage, kCircusStages),
    stage("OldManStage", &GameState::OldManStage, kOldManStages),
    stage("TheatreStage", &GameState::TheatreStage, kTheatreStages),
    stage("StrangerStage", &GameState::StrangerStage, kStrangerStages),
    number("PintWelcome", &GameState::PintWelcome, 0, kLargest),
    number("FruitLadyWelcome", &GameState::FruitLadyWelcome, kSmallest, kNewcomer.FruitLadyWelcome),
    number("WeaponVendorWelcome", &GameState::WeaponVendorWelcome, 0,
           kNewcomer.WeaponVendorWelcome),
    number("HealerWelcome", &GameState::HealerWelcome, kSmallest, kLargest),
    flag("BlacksmithFire", &GameState::BlacksmithFire),
    number("BlacksmithMood", &GameState::BlacksmithMood, kSmallest, kLargest),
    flag("LacertiAtBar", &GameState::LacertiAtBar),
    hitPoints("BartenderHealth", &GameState::BartenderHealth, kBartenderHitPoints),
    number("CircusLeaderOpinion", &GameState::CircusLeaderOpinion, kSmallest, kLargest),
    flag("MessTentSearched", &GameState::MessTentSearched),
    flag("QuartersSearched", &GameState::QuartersSearched),
    flag("AnimalTentsSearched", &GameState::AnimalTentsSearched),
    flag("CaveUnlocked", &GameState::CaveUnlocked),
    hitPoints("OwenHealth", &GameState::OwenHealth, kOwenHitPoints),
    hitPoints("FirstLacertiHealth", &GameState::FirstLacertiHealth, kLacertiHitPoints),
    hitPoints("SecondLacertiHealth", &GameState::SecondLacertiHealth, kLacertiHitPoints),
    hitPoints("SeaMonsterHealth", &GameState::SeaMonsterHealth, kSeaMonsterHitPoints),
    hitPoints("DinosaurHealth", &GameState::DinosaurHealth, kCaveDinosaurHitPoints),
    number("BoatX", &GameState::BoatX, -1, kNauticalMapSize),
    number("BoatY", &GameState::BoatY, -1, kNauticalMapSize),
    number("FishCount", &GameState::FishCount, 0, kCastsThatWakeTheMonster),
    number("FishingZone", &GameState::FishingZone, 0, kDeepestZone),
    flag("AchievementAnnoying", &GameState::AchievementAnnoying),
    flag("AchievementPuns", &GameState::AchievementPuns),
    flag("AchievementBlastwright", &GameState::AchievementBlastwright),
    flag("AchievementHooligans", &GameState::AchievementHooligans),
    flag("AchievementGotAway", &GameState::AchievementGotAway),
    number("BasementColumn", &BasementVisit::BasementColumn, 1, kBasementColumns),
    number("BasementRow", &BasementVisit::BasementRow, 1, kBasementRows),
    flag("EntryFirstVisit", &BasementVisit::EntryFirstVisit),
    flag("FirstPeonWaiting", &BasementVisit::FirstPeonWaiting),
    flag("SecondPeonWaiting", &BasementVisit::SecondPeonWaiting),
    flag("FirstRobotWaiting", &BasementVisit::FirstRobotWaiting),
    flag("SecondRobotWaiting", &BasementVisit::SecondRobotWaiting),
    flag("FirstZombieWaiting", &BasementVisit::FirstZombieWaiting),
    flag("SecondZombieWaiting", &BasementVisit::SecondZombieWaiting),
    flag("FirstRatsWaiting", &BasementVisit::FirstRatsWaiting),
    flag("SecondRatsWaiting", &BasementVisit::SecondRatsWaiting),
    flag("FirstDoorLocked", &BasementVisit::FirstDoorLocked),
    flag("SecondDoorLocked", &BasementVisit::SecondDoorLocked),
    flag("ScientistWaiting", &BasementVisit::ScientistWaiting),
    hitPoints("FirstZombieHealth", &BasementVisit::FirstZombieHealth, kZombieHitPoints),
    hitPoints("SecondZombieHealth", &BasementVisit::SecondZombieHealth, kZombieHitPoints),
    number("FirstZombieDelay", &BasementVisit::FirstZombieDelay, kSmallest, kApproachRounds - 1),
    number("SecondZombieDelay", &BasementVisit::SecondZombieDelay, kSmallest, kApproachRounds - 1),
    hitPoints("SuitHealth", &BasementVisit::SuitHealth, kSuitHitPoints),
    hitPoints("FirstPeonHealth", &BasementVisit::FirstPeonHealth, kPeonHitPoints),
    hitPoints("SecondPeonHealth", &BasementVisit::SecondPeonHealth, kPeonHitPoints),
    hitPoints("FirstRobotHealth", &BasementVisit::FirstRobotHealth, kAutomatonHitPoints),
    hitPoints("SecondRobotHealth", &BasementVisit::SecondRobotHealth, kAutomatonHitPoints),
    swarm("FirstRatCount", &BasementVisit::FirstRatCount, kRatsInASwarm),
    swarm("SecondRatCount", &BasementVisit::SecondRatCount, kRatsInASwarm),
    stage("FirstLockDifficulty", &BasementVisit::FirstLockDifficulty, kLockDifficulties),
    stage("SecondLockDifficulty", &BasementVisit::SecondLockDifficulty, kLockDifficulties),
    number("MapColumn", &BasementVisit::MapColumn, 0, kBasementColumns),
    number("MapRow", &BasementVisit::MapRow, 0, kBasementRows),
};

// ---- Text: escaping and the checksum --------------------------------------------------------

constexpr std::string_view kHexDigits = "0123456789abcdef";

bool needsEscape(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || byte == '\\';
}

std::string escaped(std::string_view value) {
  std::string out;
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\') {
      out += "\\\\";
    } else if (needsEscape(byte)) {
      out += "\\x";
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

int hexValue(char c) {
  const std::size_t at = kHexDigits.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The value as written, or nothing when an escape is not one this format writes.
std::optional<std::string> unescaped(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      if (needsEscape(static_cast<unsigned char>(value[i]))) return std::nullopt;
      out += value[i];
      continue;
    }
    if (i + 1 < value.size() && value[i + 1] == '\\') {
      out += '\\';
      i += 1;
      continue;
    }
    if (i + 3 >= value.size() || value[i + 1] != 'x') return std::nullopt;
    const int high = hexValue(value[i + 2]);
    const int low = hexValue(value[i + 3]);
    const auto byte = static_cast<unsigned char>(high * 16 + low);
    if (high < 0 || low < 0 || !needsEscape(byte) || byte == '\\') return std::nullopt;
    out += static_cast<char>(byte);
    i += 3;
  }
  return out;
}

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string hex8(std::uint32_t value) {
  std::string out(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4)
    out[static_cast<std::size_t>(i)] = kHexDigits[value & 0xF];
  return out;
}

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  if (text.size() > 1 && (text[0] == '0' || (text[0] == '-' && text[1] == '0'))) {
    return std::nullopt;  // one way to write each number
  }
  return value;
}

// ---- One variable in and out ----------------------------------------------------------------

std::string valueOf(const GameState& state, const SavedVariable& variable) {
  return std::visit(
      [&state](auto member) -> std::string {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, std::string GameState::*>) {
          return escaped(state.*member);
        } else if constexpr (std::is_same_v<Member, bool GameState::*>) {
          return state.*member ? "1" : "0";
        } else if constexpr (std::is_same_v<Member, int BasementVisit::*>) {
          return std::to_string(state.Basement.*member);
        } else {
          return std::to_string(state.*member);
        }
      },
      variable.member);
}

// Sets the variable from its written value; the reason it cannot, otherwise.
std::optional<std::string> setValue(GameState& state, const SavedVariable& variable,
                                    std::string_view written) {
  const std::string name(variable.name);
  if (std::holds_alternative<std::string GameState::*>(variable.member)) {
    const std::optional<std::string> value = unescaped(written);
    if (!value) return "'" + name + "' is not escaped as this format escapes";
    const bool fits = variable.rule == Rule::Word ? Console::isWord(*value)
                      : variable.rule == Rule::WordOrNone
                          ? value->empty() || Console::isWord(*value)
                          : value->size() <= kLongestLine;
    if (!fits) return "'" + name + "' is not a value the game gives it";
    state.*std::get<std::string GameState::*>(variable.member) = *value;
    return std::nullopt;
  }
  const std::optional<int> value = wholeNumber(written);
  if (!value) return "'" + name + "' is not a whole number";
  const bool fits = variable.rule == Rule::Stage
                        ? std::find(variable.stages.begin(), variable.stages.end(), *value) !=
                              variable.stages.end()
                    : variable.rule == Rule::Range
                        ? *value >= variable.lowest && *value <= variable.highest
                        : true;  // a character's numbers are checked with it
  if (!fits) return "'" + name + "' is " + std::to_string(*value) + ", which play never gives it";
  std::visit(
      [&state, value](auto member) {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, int GameState::*>) state.*member = *value;
        if constexpr (std::is_same_v<Member, bool GameState::*>) state.*member = *value != 0;
        if constexpr (std::is_same_v<Member, int BasementVisit::*>) state.Basement.*member = *value;
      },
      variable.member);
  return std::nullopt;
}

SavedRun damaged(std::string problem) {
  SavedRun run;
  run.status = SavedRun::Status::Damaged;
  run.problem = std::move(problem);
  return run;
}

// The lines of the text, each without its end of line; the text must end its last line.
std::optional<std::vector<std::string_view>> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The version the first line names, or nothing when it names no save of this game.
std::optional<int> versionOf(std::string_view firstLine) {
  if (!firstLine.starts_with(kHeader)) return std::nullopt;
  const std::optional<int> version = wholeNumber(firstLine.substr(kHeader.size()));
  if (!version || *version < 1) return std::nullopt;
  return version;
}

// A variable's name in single quotes, for the reason a save is refused.
std::string quoted(std::string_view name) {
  std::string text = "'";
  text += name;
  text += '\'';
  return text;
}

// Sets every variable from its line, the lines coming after the first one of the save; what is
// wrong with them, otherwise: a line that is no variable's, a variable twice or not at all.
std::optional<std::string> readVariables(std::span<const std::string_view> lines,
                                         GameState& state) {
  std::map<std::string_view, bool> seen;
  for (std::size_t at = 0; at < lines.size(); ++at) {
    const std::string_view line = lines[at];
    const std::string where = "line " + std::to_string(at + 2);
    if (line.size() > kLongestLine) return where + " is longer than any save's";
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return where + " is not Name=value";
    const std::string_view name = line.substr(0, equals);
    const auto variable =
        std::find_if(kVariables.begin(), kVariables.end(),
                     [name](const SavedVariable& known) { return known.name == name; });
    if (variable == kVariables.end()) {
      return where + " names no variable of the game: " + quoted(name);
    }
    if (seen[name]) return quoted(name) + " stands twice";
    seen[name] = true;
    if (std::optional<std::string> problem = setValue(state, *variable, line.substr(equals + 1))) {
      return problem;
    }
  }
  for (const SavedVariable& variable : kVariables) {
    if (!seen[variable.name]) return quoted(variable.name) + " is missing";
  }
  return std::nullopt;
}

// What in a state whose every value is in range play could still never give: a weapon with
// another class's fight action, a character that creation does not make.
std::optional<std::string> implausible(const GameState& state) {
  const bool armed = std::any_of(kWeapons.begin(), kWeapons.end(), [&state](const Weapon& weapon) {
    return state.Weapon == weapon.name && state.PrimaryAbility == weapon.ability;
  });
  if (!armed) return "its weapon and fight action are not a pair the game gives";
  if (!madeByCreation(state)) return "its character is not one the game can make";
  return std::nullopt;
}

}  // namespace

std::span<const SavedVariable> savedVariables() {
  return kVariables;
}

std::string whoseRun(const GameState& state) {
  std::string who = state.PlayerName;
  who.append(" the ").append(state.PlayerRace).append(" ").append(state.PlayerClass);
  return who;
}

std::string writeSavedRun(const GameState& state) {
  std::string text = std::string(kHeader) + std::to_string(kSaveFormatVersion) + "\n";
  for (const SavedVariable& variable : kVariables) {
    text += std::string(variable.name) + "=" + valueOf(state, variable) + "\n";
  }
  return sealSavedRun(std::move(text));
}

std::string sealSavedRun(std::string lines) {
  const std::string checksum = hex8(crc32(lines));
  lines.append(kChecksumKey).append(checksum).append("\n");
  return lines;
}

// The frame (the first line's form, every line ended, the checksum line) is checked before the
// version: it is the part of the format that no version changes, so a file that fails it is
// damaged whatever its first line claims, and only a whole file of a newer version is left be.
SavedRun readSavedRun(std::string_view text) {
  if (text.empty()) return damaged("the file is empty");
  if (text.size() > kLargestSave) return damaged("the file is larger than any save");
  const std::optional<std::vector<std::string_view>> lines = linesOf(text);
  if (!lines) return damaged("the file is cut short: its last line is not ended");
  const std::optional<int> version = versionOf(lines->front());
  if (!version) return damaged("its first line does not name a Quillmarrow save");
  const std::string_view last = lines->back();
  const std::size_t checkedBytes = text.size() - last.size() - 1;
  if (lines->size() < 2 || !last.starts_with(kChecksumKey)) {
    const bool checksumEarlier = std::any_of(
        lines->begin() + 1, lines->end(), [](auto line) { return line.starts_with(kChecksumKey); });
    return damaged(checksumEarlier ? "it holds more after its checksum line"
                                   : "the file is cut short: its checksum is missing");
  }
  if (last.substr(kChecksumKey.size()) != hex8(crc32(text.substr(0, checkedBytes)))) {
    return damaged("its checksum does not match its contents");
  }
  if (*version > kSaveFormatVersion) {
    SavedRun newer;
    newer.status = SavedRun::Status::Newer;
    newer.problem = "it was written by a newer version of Quillmarrow";
    return newer;
  }
  SavedRun run;
  const std::span<const std::string_view> variableLines(lines->data() + 1, lines->size() - 2);
  if (std::optional<std::string> problem = readVariables(variableLines, run.state)) {
    return damaged(*problem);
  }
  if (std::optional<std::string> problem = implausible(run.state)) return damaged(*problem);
  run.status = SavedRun::Status::Whole;
  return run;
}

}  // namespace qm
