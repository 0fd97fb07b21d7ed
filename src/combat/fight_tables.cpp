#include "combat/fight_tables.h"

namespace qm {

constexpr FightTable kPossessedBook = {
    .startingHealth = kPossessedBookHitPoints,
    .intro = {"The book starts to flutter up into the air", "\"Oh my!\"", kPause,
              "It starts to attack you!", kPause},
    .stab = Strike{"You stab the book, a couple pages fall out!",
                   "Your knife gets stuck in the book, and the book falls to the ground",
                   "You try to stab the book, but it flutters out of the way"},
    .magicMissile = Strike{"You hit the book! A couple pages fall out.", "K.O!",
                           "You miss, and the missile explodes behind him."},
    .slash = Strike{"You slice into the pages!", "Sha-bam! You slice the book in half!",
                    "The book flaps out of the way of your sword!"},
    .shoot = Strike{"You miss the book, but rip out a couple pages!",
                    "Cha-pang, right through the pages!", "The book flies out of the way!"},
    .pickpocket = Deed{.lines = {"You pull some of the pages out! The book flaps at you!"},
                       .effect = {.enemyLoses = 5}},
    .suggestion = Deed{.lines = {"You wave your hand...", kPause, "The book falls to the ground!"},
                       .effect = {.enemyFalls = true}},
    .bash = Deed{.lines = {"You bash the book, but you get a paper cut!"},
                 .effect = {.enemyLoses = 2, .playerLoses = 2}},
    .tame = Deed{.lines = {"It's enchanted...", kPause,
                           "But you manage to make it through, the book falls to the ground"},
                 .effect = {.enemyFalls = true}},
    .apples =
        Deed{.lines = {"You toss the apples at the book! He gobbles them up in mid air!", kPause}},
    .enemy = {.fumble = {.lines = {"He divebombs right into you! He falls to the ground..."},
                         .effect = {.playerLoses = 10}},
              .weak = {.lines = {"He gives you a papercut!"}, .effect = {.playerLoses = 5}},
              .strong = {.lines = {"He tries to bite you, but he narrowly misses!"}}},
    .victory = {"It looks like you've won..."},
};

constexpr FightTable kSeaMonster = {
    .startingHealth = kSeaMonsterHitPoints,
    .intro = {"\"Blaarrrrgghhhh!!!!\"", kPause, "He's trying to flip over the boat!"},
    .stab = Strike{"You stab the shark! But he's unfazed!",
                   "You stab, it? Can I call it an it? Is that like, politically correct?",
                   "You try to stab the creature again, but it deflects off his scales!"},
    .magicMissile = Strike{"A couple scales fall off into the water!",
                           "You blast him, and he sinks under the water",
                           "You miss, and the missile explodes behind him."},
    .slash =
        Strike{
            "You slice into his scales! But he keeps coming!",
            "You slice one of his heads off, and it falls into the water! The monster sinks into the waves.",
            "Your sword bounces off his thick scales!"},
    .shoot = Strike{"You shoot the creature in his huge green body!",
                    "You shoot another arrow into the creature and he splashes into the waves!",
                    "You shoot at the shark, but your arrow breaks on his thick scales"},
    .pickpocket = Deed{.lines = {"You pull some of his scales off! The shark yowls!"},
                       .effect = {.enemyLoses = 5}},
    .suggestion = Deed{.lines = {"\"Rawr.\""}},
    .bash = Deed{.lines = {"You smash the shark in his face? One of his faces..."},
                 .effect = {.enemyLoses = 2}},
    .tame = Deed{.lines = {"\"Rawr!!!!!!!!!!!!!Rawr.rawr.rar.\"", "It almost seems, human... "}},
    .apples =
        Deed{.lines = {"You toss the apples at the monster, they just bounce off...", kPause}},
    .enemy =
        {.fumble = {.lines = {"The shark jumps over boat and splashes in the water next to you!"}},
         .weak = {.lines = {"His huge head takes a bite out of the boat!"},
                  .effect = {.playerLoses = 5}},
         .strong = {.lines = {"He lashes through the mast with his giant tail!"},
                    .effect = {.playerLoses = 4}}},
    .victory = {"It looks like you've won..."},
};

constexpr FightTable kCaveDinosaur = {
    .startingHealth = kCaveDinosaurHitPoints,
    .intro = {"\"RAWR!!!\"", kPause, "He's charging at you!"},
    .stab = Strike{"You stab the dino! But he's unfazed!",
                   "You stab, it? Can I call it an it? Is that like, politically correct?",
                   "You try to stab the creature again, but it deflects off his scales!"},
    .magicMissile = Strike{"You toss a missile at him! But he keeps coming...",
                           "You blast him, and he falls to the ground.",
                           "You miss, and the missile explodes behind him."},
    .slash = Strike{"You slice into his scales! But he keeps coming!",
                    "You cut him in half like cheddar cheese!",
                    "Your sword bounces off his thick scales!"},
    .shoot = Strike{"You shoot the monster in the shoulder, but he stays up!",
                    "You shoot another arrow into the creature's knee, and he falls over!",
                    "You shoot at the dinosaur, but your arrows bounce off his thick scales!"},
    .pickpocket = Deed{.lines = {"You pull some of his scales off! The dino howls in pain!"},
                       .effect = {.enemyLoses = 5}},
    .suggestion = Deed{.lines = {"\"Rawr.\""}},
    .bash = Deed{.lines = {"You smash the dinosaur in the face!"}, .effect = {.enemyLoses = 2}},
    .tame = Deed{.lines = {"\"Rawr!!!!!!!!!!!!!Rawr.rawr.rar.\"",
                           "The dinosaur is resisting your hunterly powers"}},
    .apples =
        Deed{.lines = {"You toss the apples at the monster, they just bounce off...", kPause}},
    .enemy = {.fumble = {.lines = {"The dinosaur accidentaly rams his head into the wall! Whoops!"},
                         .effect = {.enemyLoses = 2}},
              .weak = {.lines = {"The dinosaur scratches you with his talons!"},
                       .effect = {.playerLoses = 5}},
              .strong = {.lines = {"The dinosaur bites you!"}, .effect = {.playerLoses = 4}}},
    .victory = {"You've defeated him! Or her?...."},
};

}  // namespace qm
