#pragma once

// The stages of the town's quests: every value a stage takes that the game sets or tests, named
// once. A stage of 69 means that quest is finished, wherever it occurs.
namespace qm {

inline constexpr int kQuestFinished = 69;

// HatchStage: the hatch behind the Polished Pint, which leads to the basement.
inline constexpr int kHatchHidden = 1;                // at the start
inline constexpr int kHatchFound = 0;                 // thrown out by the robot: the hub offers it
inline constexpr int kHatchBlownUp = kQuestFinished;  // the basement's bomb took the inn with it

// CircusStage: the circus leader's job.
inline constexpr int kCircusNoJob = 0;     // at the start, and once the quest has ended either way
inline constexpr int kCircusJobTaken = 1;  // the hub offers the camp

// OldManStage: the old sailor's voyage.
inline constexpr int kOldManNotMet = 0;
inline constexpr int kOldManWaiting = 1;            // at the docks: the hub offers the voyage
inline constexpr int kOldManDone = kQuestFinished;  // the sea monster beaten

// TheatreStage: the murder at the theatre.
inline constexpr int kTheatreNotAsked = 0;
inline constexpr int kTheatreInvestigating = 1;
inline constexpr int kTheatreSolved = kQuestFinished;

// StrangerStage: the darts bring the stranger, the alley leads to the hideout, the library sends
// the player back there for Owen, and the fight with Owen ends it until the darts start it again.
inline constexpr int kStrangerNotMet = 0;  // also after the fight with Owen
inline constexpr int kStrangerWaiting = 1;
inline constexpr int kHideoutFound = 3;
inline constexpr int kOwenRevealed = 4;

}  // namespace qm
