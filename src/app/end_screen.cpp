#include "app/end_screen.h"

#include <array>
#include <string_view>

#include "art/pictures.h"

namespace qm {

namespace {

constexpr std::array<std::string_view, 9> kCredits = {
    "Credits",
    "Programming: the Quillmarrow team",
    "Advice and testing: the Quillmarrow team and the players of its early versions",
    "Inspiration: the tabletop adventures the team grew up with",
    "Some pictures: sketched on paper by the team, then converted into text for the game",
    "All other pictures: drawn in text characters for the game by the team",
    "Cover picture: the castle on the hill, drawn for the title screen by the team",
    "Sandpoint and everyone in it are made up for the game",
    "Thank you for playing Quillmarrow!",
};

struct Achievement {
  int GameState::*earned;
  std::string_view line;
};

// In the order the end screen lists them, whatever the order of earning.
constexpr std::array<Achievement, 5> kAchievements = {{
    {&GameState::AchievementAnnoying, "You got the achievement; \"Most Annoying Player\"!"},
    {&GameState::AchievementBlastwright, "You got the achievement; \"Blastwright\"!"},
    {&GameState::AchievementHooligans, "You got the achievement; \"Hooligans!!!\"!"},
    {&GameState::AchievementGotAway, "You got the achievement; \"The one that got away\"!"},
    {&GameState::AchievementPuns, "You got the achievement; \"Puns\""},
}};

}  // namespace

void showEndScreen(Context& context) {
  Console& console = context.console;
  console.line("You have died.");
  console.pause();
  for (const std::string_view line : kCredits)
    console.line(line);
  console.pause();
  for (const Achievement& achievement : kAchievements) {
    if (context.state.*achievement.earned == 1) console.line(achievement.line);
  }
  console.pause();
  art::draw(console, art::kSharkShows, art::kShark);
  console.pause();
}

}  // namespace qm
