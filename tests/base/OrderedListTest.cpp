// Walks over ordered lists that delete and add records on the way, the way the game walks its objects.
#include <gtest/gtest.h>

#include <vector>

#include "base/OrderedList.h"

namespace {

struct Item {
  int id;      // which record this is, set by the test
  int hits;    // stays zero unless a test sets it: records start zero-filled
};

// Builds a list holding records with ids 1..count, in that order.
OrderedList<Item> ListOf(int count) {
  OrderedList<Item> list;
  for (int i = 1; i <= count; ++i) list.Add()->id = i;
  return list;
}

std::vector<int> Ids(const OrderedList<Item>& list) {
  std::vector<int> ids;
  list.ForEach([&](const Item& item) { ids.push_back(item.id); });
  return ids;
}

// Walks the whole list, deleting every record for which `doomed` holds; returns the ids visited.
template <typename F>
std::vector<int> WalkDeleting(OrderedList<Item>& list, F doomed) {
  std::vector<int> visited;
  list.Reset();
  while (Item* item = list.Next()) {
    visited.push_back(item->id);
    if (doomed(*item)) list.Delete();
  }
  return visited;
}

TEST(OrderedListTest, AddAppendsAfterTheCurrentRecordZeroFilled) {
  OrderedList<Item> list = ListOf(3);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(list.Current()->hits, 0);
  list.Select(0);
  Item* inserted = list.Add();
  EXPECT_EQ(inserted->hits, 0);
  inserted->id = 9;
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 9, 2, 3}));
  EXPECT_EQ(list.Index(), 1);
  list.Reset();
  list.Add()->id = 0;  // before the first record: goes to the front
  EXPECT_EQ(Ids(list), (std::vector<int>{0, 1, 9, 2, 3}));
}

TEST(OrderedListTest, DeletingDuringAWalkVisitsEveryRecordOnce) {
  // Middle, first, last, neighbours, and all of them.
  struct Case {
    std::vector<int> doomed;
    std::vector<int> left;
  };
  const std::vector<Case> cases = {
      {{3}, {1, 2, 4, 5}},      {{1}, {2, 3, 4, 5}}, {{5}, {1, 2, 3, 4}},
      {{2, 3}, {1, 4, 5}},       {{1, 2}, {3, 4, 5}}, {{1, 2, 3, 4, 5}, {}},
  };
  for (const Case& c : cases) {
    OrderedList<Item> list = ListOf(5);
    auto doomed = [&](const Item& item) {
      for (int id : c.doomed) {
        if (item.id == id) return true;
      }
      return false;
    };
    EXPECT_EQ(WalkDeleting(list, doomed), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Ids(list), c.left);
    EXPECT_EQ(list.Count(), static_cast<int>(c.left.size()));
    EXPECT_EQ(list.Next(), nullptr);  // the walk stays ended
  }
}

// A one-pass KeepIf leaves what a walk deleting the same records leaves: the same records in the same order,
// the same position (past the end: an Add appends), the kept records changed on the way.
TEST(OrderedListTest, KeepIfLeavesWhatAWalkDeletingTheSameRecordsLeaves) {
  for (int mask = 0; mask < 64; ++mask) {
    auto doomed = [&](const Item& item) { return (mask >> (item.id - 1) & 1) != 0; };
    OrderedList<Item> walked = ListOf(6), kept = ListOf(6);
    WalkDeleting(walked, doomed);
    std::vector<int> seen;
    kept.KeepIf([&](Item& item) {
      seen.push_back(item.id);
      item.hits += 1;
      return !doomed(item);
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Ids(kept), Ids(walked)) << mask;
    EXPECT_EQ(kept.Index(), walked.Index());
    EXPECT_EQ(kept.Next(), nullptr);
    kept.ForEach([](const Item& item) { EXPECT_EQ(item.hits, 1); });
    kept.Add()->id = 7;
    walked.Add()->id = 7;
    EXPECT_EQ(Ids(kept), Ids(walked)) << "an Add after either lands at the end";
  }
}

TEST(OrderedListTest, AddAfterAFinishedWalkAppendsAtTheEnd) {
  OrderedList<Item> list = ListOf(3);
  list.Reset();
  while (list.Next()) {
  }
  list.Delete();  // nothing is current past the end: nothing goes
  EXPECT_EQ(list.Count(), 3);
  list.Add()->id = 4;
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(list.Index(), 3);
  EXPECT_EQ(list.Next(), nullptr);
  // Append does the same as that finished walk and Add from any position: before the first, in the middle, or in an empty list.
  list.Reset();
  list.Append()->id = 5;
  list.Select(1);
  list.Append()->id = 6;
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(list.Index(), 5);
  EXPECT_EQ(list.Next(), nullptr);

  OrderedList<Item> empty;
  EXPECT_EQ(empty.Append()->hits, 0);
  EXPECT_EQ(empty.Index(), 0);
  empty.Clear();
  empty.Delete();
  empty.DeleteKeepFirst();
  EXPECT_EQ(empty.First(), nullptr);
  EXPECT_EQ(empty.Next(), nullptr);
}

TEST(OrderedListTest, DeletingTheFirstRecordLeavesThePositionBeforeTheNewFirst) {
  OrderedList<Item> list = ListOf(3);
  list.First();
  list.Delete();
  EXPECT_EQ(list.Current(), nullptr);
  EXPECT_EQ(list.Index(), -1);
  Item* next = list.Next();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->id, 2);

  // Add after deleting the first record inserts at the front.
  list.First();
  list.Delete();
  list.Add()->id = 7;
  EXPECT_EQ(Ids(list), (std::vector<int>{7, 3}));
  EXPECT_EQ(list.Index(), 0);
}

TEST(OrderedListTest, DeleteKeepFirstMakesTheNewFirstRecordCurrent) {
  OrderedList<Item> list = ListOf(3);
  list.First();
  list.DeleteKeepFirst();
  ASSERT_NE(list.Current(), nullptr);
  EXPECT_EQ(list.Current()->id, 2);
  EXPECT_EQ(list.Next()->id, 3);

  // Anywhere else it behaves like Delete.
  list = ListOf(3);
  list.Select(1);
  list.DeleteKeepFirst();
  EXPECT_EQ(list.Current()->id, 1);
  EXPECT_EQ(list.Next()->id, 3);

  // Deleting the only record leaves an empty list with nothing current.
  list = ListOf(1);
  list.First();
  list.DeleteKeepFirst();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Current(), nullptr);
  EXPECT_EQ(list.Next(), nullptr);
}

}  // namespace
