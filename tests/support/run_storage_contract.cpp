#include "support/run_storage_contract.h"

#include <string>

namespace qm::testing {
namespace {

TEST_P(RunStorageContract, KeepsEachTextWholeUntilItIsRemoved) {
  const std::unique_ptr<RunStorage> storage = place_->open();
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  const RunStorage::Stored none = storage->read();
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.error, std::nullopt);
  // Any bytes: line ends of every system, a NUL first, bytes that are not UTF-8.
  for (const std::string& text :
       {std::string("\0a\r\nb\n", 6), std::string("\xff\xfe c\xc3\n"), std::string("shorter\n")}) {
    ASSERT_EQ(storage->write(text), std::nullopt);
    EXPECT_EQ(storage->read().text, text);
  }
  EXPECT_EQ(storage->remove(), std::nullopt);
  EXPECT_FALSE(storage->read().found);
  EXPECT_EQ(storage->remove(), std::nullopt);  // nothing kept is no error
}

// Each damaged run keeps a name of its own beside the save: none set aside before is replaced.
TEST_P(RunStorageContract, SetsEachDamagedRunAsideUnderANameOfItsOwn) {
  const std::unique_ptr<RunStorage> storage = place_->open();
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  for (const std::string ending : {".damaged", ".damaged.2"}) {
    ASSERT_EQ(storage->write("run" + ending), std::nullopt);
    const RunStorage::SetAside aside = storage->setAside();
    EXPECT_EQ(aside.error, std::nullopt);
    EXPECT_EQ(aside.name, place_->setAsideStem(*storage) + ending);
    EXPECT_FALSE(storage->read().found);
  }
  const std::string stem = place_->setAsideStem(*storage);
  EXPECT_EQ(place_->setAside(*storage, stem + ".damaged"), "run.damaged");
  EXPECT_EQ(place_->setAside(*storage, stem + ".damaged.2"), "run.damaged.2");
}

TEST_P(RunStorageContract, ReadsAtMostAByteBeyondTheLargestSave) {
  const std::unique_ptr<RunStorage> storage = place_->open();
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  ASSERT_EQ(storage->write(std::string(kLargestSave + 5000, 'x')), std::nullopt);
  const RunStorage::Stored large = storage->read();
  EXPECT_TRUE(large.found);
  EXPECT_EQ(large.error, std::nullopt);
  EXPECT_EQ(large.text.size(), kLargestSave + 1);
}

// One game at a time holds the run, until its storage goes.
TEST_P(RunStorageContract, IsHeldByOneGameUntilItEnds) {
  if (!place_->tellsOtherGames())
    GTEST_SKIP() << "a storage in memory is held or not as its test says";
  std::unique_ptr<RunStorage> first = place_->open();
  ASSERT_EQ(first->claim(), RunStorage::Claim{});
  EXPECT_EQ(place_->open()->claim(), (RunStorage::Claim{.heldElsewhere = true, .error = {}}));
  first.reset();
  EXPECT_EQ(place_->open()->claim(), RunStorage::Claim{});
}

}  // namespace
}  // namespace qm::testing
