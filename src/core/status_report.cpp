#include "core/status_report.h"

#include "core/clock.h"

namespace qm {

std::string_view healthLine(int health, std::string_view nearlyDead) {
  if (health == kFullHealth) return "You are perfectly healthy";
  if (health >= 40 && health <= 49) return "You're kinda sore, but you feel okay";
  if (health >= 30 && health <= 39) return "You're bleeding a little";
  if (health >= 20 && health <= 29) {
    return "You can barely walk, you've fractured your leg in three places, and you have a broken rib!";
  }
  if (health >= 10 && health <= 19) return "Every step is pain...";
  if (health >= 1 && health <= 9) return nearlyDead;
  return {};
}

void printStatusReport(Console& console, const GameState& state, const ReportStyle& style) {
  console.line(kSeparator);
  console.line("You have ", state.PlayerGold, " gold");
  console.line("You are weilding a ", state.Weapon);
  if (state.Apples > 0) console.line("You have ", state.Apples, " bags of apples");
  if (style.showsBook && state.HasMysteriousBook) {
    console.line("You have the mysterious man's book");
  }
  if (state.Gears > 0) console.line("You have ", state.Gears, " gears!");
  if (const std::string_view health = healthLine(state.PlayerHealth, style.nearlyDead);
      !health.empty()) {
    console.line(health);
  }
  if (style.showsTimeOfDay) console.line(timeOfDayLine(state.ClockHour));
  console.line(kSeparator);
}

}  // namespace qm
