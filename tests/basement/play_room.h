#pragma once

#include <gtest/gtest.h>

#include "basement/basement.h"
#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {

// The room at (column, row) with `block`, played alone as a scene.
inline SceneRun inRoom(int column, int row, RoomBlock block) {
  const Room& room = roomAt(column, row, block);
  return [&room](Context& context) { room.block(context, room); };
}

// Plays the room alone, which must return to the basement's step; returns how it ended it.
inline RoomEnd runRoom(Harness& h, int column, int row, RoomBlock block) {
  const Room& room = roomAt(column, row, block);
  RoomEnd end = RoomEnd::GoOn;
  EXPECT_EQ(h.play([&](Context& c) { end = room.block(c, room); }), Ending::Returned);
  return end;
}

}  // namespace qm::testing
