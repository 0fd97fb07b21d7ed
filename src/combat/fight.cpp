#include "combat/fight.h"

#include <array>
#include <string_view>
#include <utility>

#include "game/counters.h"
#include "game/death.h"

namespace qm {

namespace {

constexpr char kApples = 'A';

// The player's actions, tried in this order; at most one of them runs in a round. An ability
// runs only when the player's ability of its slot carries exactly its name.
struct Handler {
  char answer;
  std::string_view ability;
  Action FightTable::*action;
};

constexpr std::array<Handler, 9> kHandlers = {{
    {'1', "Stab", &FightTable::stab},
    {kApples, "", &FightTable::apples},
    {'2', "Pickpocket", &FightTable::pickpocket},
    {'1', "Magic Missile", &FightTable::magicMissile},
    {'2', "Suggestion", &FightTable::suggestion},
    {'1', "Slash", &FightTable::slash},
    {'2', "Bash", &FightTable::bash},
    {'1', "Shoot", &FightTable::shoot},
    {'2', "Tame", &FightTable::tame},
}};

// The attack roll: rand() % 20, a hit from 10 up. There is no critical hit: the roll never
// reaches the top value that would call for one.
constexpr int kAttackRolls = 20;
constexpr int kFirstHit = 10;
constexpr int kHitDamage = 5;

}  // namespace

Fight::Fight(Context& context, const FightTable& table, int& enemyHealth, FightRules rules)
    : context(context),
      state(context.state),
      console(context.console),
      table(table),
      enemyHealth(enemyHealth),
      rules_(std::move(rules)) {
  if (!rules_.enemyTurn) rules_.enemyTurn = bandedEnemyTurn;
}

FightEnd Fight::play() {
  while (true) {
    playerTurn();
    if (applesThrown_) return FightEnd::ApplesThrown;
    rules_.enemyTurn(*this);
    if (rules_.allyTurn) rules_.allyTurn(*this);
    if (enemyHealth <= 0) tell(console, table.victory);
    if (state.PlayerHealth <= 0) {
      if (rules_.deathEndsGame) dieNow();
      return FightEnd::Lost;
    }
    if (enemyHealth <= 0) return FightEnd::Won;
  }
}

void Fight::playerTurn() {
  console.print(state.PrimaryAbility, "(1) ", state.SecondaryAbility, "(2) ");
  if (rules_.applesOffered && state.Apples > 0) {
    console.line("Use the apples (A)");
    console.line();
  } else {
    console.line();
  }
  act(ask(context, rules_.applesOffered ? "12A" : "12"));
}

void Fight::act(char answer) {
  for (const Handler& handler : kHandlers) {
    if (handler.answer != answer) continue;
    if (answer == kApples) {
      if (state.Apples <= 0) continue;
      perform(table.*handler.action);
      subtract(state.Apples, 1);
      applesThrown_ = rules_.applesEndFight;
      return;
    }
    const std::string& ability = answer == '1' ? state.PrimaryAbility : state.SecondaryAbility;
    if (ability != handler.ability) continue;
    perform(table.*handler.action);
    return;
  }
}

void Fight::perform(const Action& action) {
  if (const auto* rolled = std::get_if<Strike>(&action)) {
    strike(*rolled);
  } else if (const auto* deed = std::get_if<Deed>(&action)) {
    perform(*deed);
  } else if (const auto* special = std::get_if<Special>(&action)) {
    special->act(*this);
  }
}

void Fight::perform(const Deed& deed) {
  tell(console, deed.lines);
  apply(deed.effect);
}

void Fight::apply(const Effect& effect) {
  subtract(enemyHealth, effect.enemyLoses);
  if (effect.enemyFalls) enemyHealth = 0;
  subtract(state.PlayerHealth, effect.playerLoses);
  add(state.PlayerGold, effect.goldFound);
}

void Fight::strike(const Strike& lines) {
  state.Roll = context.random.draw(kAttackRolls);
  if (state.Roll >= kFirstHit) {
    console.line(enemyHealth > rules_.finishingAt ? lines.wounding : lines.finishing);
    subtract(enemyHealth, kHitDamage);
  } else {
    console.line(lines.miss);
  }
}

const Deed& Fight::band(const Bands& bands, int roll) {
  if (roll == 1) return bands.fumble;
  return roll <= 10 ? bands.weak : bands.strong;
}

void bandedEnemyTurn(Fight& fight) {
  fight.state.Roll = fight.context.random.draw(20, 1);
  if (fight.enemyHealth > 0) fight.perform(Fight::band(fight.table.enemy, fight.state.Roll));
}

FightEnd stageFight(Context& context, const FightTable& table, int& enemyHealth, FightRules rules) {
  enemyHealth = table.startingHealth;
  tell(context.console, table.intro);
  return Fight(context, table, enemyHealth, std::move(rules)).play();
}

}  // namespace qm
