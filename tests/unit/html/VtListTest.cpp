#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "widgets/html/VtList.h"

namespace tv {
namespace {

// Records every notification and every free in one journal, so their order can be checked.
struct Journal {
    std::vector<std::string> events;
};

struct Tracked {
    Journal* journal;
    int id;
};

struct TrackingDeleter {
    void operator()(Tracked* item) const {
        item->journal->events.push_back("free " + std::to_string(item->id));
        const bool fail = item->id == failingId;
        std::unique_ptr<Tracked> owned(item);
        if (fail) throw std::runtime_error("cannot free");
    }
    int failingId = -1;
};

using TrackedList = TVtList<Tracked, TrackingDeleter>;

class VtListTest : public testing::Test {
protected:
    Tracked* Make(int id) {
        // The list under test frees owned items; the others are kept here.
        pool.push_back(std::make_unique<Tracked>(Tracked{&journal, id}));
        return pool.back().get();
    }
    Tracked* MakeOwned(int id) { return std::make_unique<Tracked>(Tracked{&journal, id}).release(); }
    void Watch(TrackedList& list) {
        list.OnItemDeleted = [this](TrackedList&, Tracked* item) {
            journal.events.push_back(item ? "notify " + std::to_string(item->id) : "notify null");
        };
    }

    Journal journal;
    std::vector<std::unique_ptr<Tracked>> pool;
};

TEST_F(VtListTest, EmptyListAnswersWithoutErrors) {
    TrackedList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(list.IndexOf(nullptr), -1);
    EXPECT_EQ(list.Remove(nullptr), -1);
    EXPECT_THROW(list.Get(0), EVtListError);
}

TEST_F(VtListTest, GrowthSequenceAndShrinkAfterDelete) {
    TrackedList list;
    std::vector<int> capacities;
    for (int i = 0; i < 2500; ++i) {
        const int before = list.Capacity();
        EXPECT_EQ(list.Add(Make(i)), i);
        if (list.Capacity() != before) capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{1, 4, 13, 40, 121, 364, 1093, 2373, 3653}));

    TrackedList fourteen;
    for (int i = 0; i < 14; ++i) fourteen.Add(Make(i));
    EXPECT_EQ(fourteen.Capacity(), 40);
    fourteen.Delete(0);
    EXPECT_EQ(fourteen.Count(), 13);
    EXPECT_EQ(fourteen.Capacity(), 20);
    EXPECT_EQ(fourteen.Get(0)->id, 1);
}

TEST_F(VtListTest, InsertAtEndAppendsAndBeyondRaises) {
    TrackedList list;
    list.Add(Make(1));
    list.Insert(1, Make(2));
    list.Insert(0, Make(0));
    ASSERT_EQ(list.Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Get(i)->id, i);
    try {
        list.Insert(4, Make(9));
        FAIL() << "no error";
    } catch (const EVtListError& e) {
        EXPECT_STREQ(e.what(), "List index [4] out of bounds...");
    }
    EXPECT_EQ(list.Count(), 3);
    EXPECT_THROW(list.Insert(-1, Make(9)), EVtListError);
}

TEST_F(VtListTest, ErrorsLeaveTheStateUnchanged) {
    TrackedList list;
    for (int i = 0; i < 5; ++i) list.Add(Make(i));
    const int capacity = list.Capacity();
    EXPECT_THROW(list.Get(5), EVtListError);
    EXPECT_THROW(list.Put(-1, Make(9)), EVtListError);
    EXPECT_THROW(list.Delete(5), EVtListError);
    EXPECT_THROW(list.DeleteRange(3, 1), EVtListError);
    EXPECT_THROW(list.DeleteRange(0, 5), EVtListError);
    EXPECT_THROW(list.SetCapacity(4), EVtListError);
    EXPECT_THROW(list.SetCapacity(134217728), EVtListError);
    EXPECT_THROW(list.SetCount(-1), EVtListError);
    try {
        list.DeleteRange(3, 1);
    } catch (const EVtListError& e) {
        EXPECT_STREQ(e.what(), "List index [1] out of bounds...");
    }
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Capacity(), capacity);
    EXPECT_TRUE(journal.events.empty());
}

TEST_F(VtListTest, NotOwningListNotifiesButNeverFrees) {
    TrackedList list;
    Watch(list);
    for (int i = 0; i < 4; ++i) list.Add(Make(i));
    list.Delete(0);
    list.Put(0, Make(7));
    list.Clear();
    EXPECT_EQ(journal.events, (std::vector<std::string>{"notify 0", "notify 1", "notify 7", "notify 2", "notify 3"}));
    EXPECT_EQ(list.Capacity(), 0);
}

TEST_F(VtListTest, OwningListFreesOnDeleteAndPutButNotOnRemoveOrDeleteRange) {
    TrackedList list;
    list.OwnsItems = true;
    Watch(list);
    Tracked* kept = Make(2);
    Tracked* rangeA = Make(3);
    Tracked* rangeB = Make(4);
    list.Add(MakeOwned(0));
    list.Add(MakeOwned(1));
    list.Add(kept);
    list.Add(rangeA);
    list.Add(rangeB);
    list.Add(nullptr);
    list.Delete(0);
    EXPECT_EQ(list.Remove(kept), 1);
    list.DeleteRange(1, 3);  // rangeA, rangeB and the null slot
    EXPECT_EQ(list.Count(), 1);
    list.Put(0, nullptr);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"notify 0", "free 0", "notify 2", "notify 3", "notify 4",
                                                        "notify null", "notify 1", "free 1"}));
}

TEST_F(VtListTest, PuttingBackTheSameItemNotifiesButKeepsIt) {
    TrackedList owning;
    owning.OwnsItems = true;
    Watch(owning);
    Tracked* item = MakeOwned(3);
    owning.Add(item);
    owning.Put(0, item);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"notify 3"}));
    EXPECT_EQ(owning.Get(0)->id, 3);  // still alive: the sanitizers would catch a freed one

    journal.events.clear();
    TrackedList borrowing;
    Watch(borrowing);
    Tracked* kept = Make(4);
    borrowing.Add(kept);
    borrowing.Put(0, kept);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"notify 4"}));
}

TEST_F(VtListTest, ClearNotifiesAllBeforeFreeingAndSurvivesAFailingFree) {
    TrackedList list(TrackingDeleter{1});
    list.OwnsItems = true;
    Watch(list);
    list.Add(MakeOwned(0));
    list.Add(nullptr);
    list.Add(MakeOwned(1));
    list.Add(MakeOwned(2));
    EXPECT_NO_THROW(list.Clear());
    EXPECT_EQ(journal.events, (std::vector<std::string>{"notify 0", "notify null", "notify 1", "notify 2", "free 0",
                                                        "free 1", "free 2"}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST_F(VtListTest, SetCountAssignAndLookups) {
    TrackedList list;
    Watch(list);
    Tracked* a = Make(1);
    list.Add(a);
    list.SetCount(3);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_GE(list.Capacity(), 3);
    EXPECT_EQ(list.Get(2), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    list.SetCount(1);
    EXPECT_TRUE(journal.events.empty());  // shrinking the count drops slots silently
    EXPECT_EQ(list.IndexOf(a), 0);

    TrackedList copy;
    copy.Add(Make(5));
    copy.Assign(list);
    EXPECT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Capacity(), list.Capacity());
    EXPECT_EQ(copy.Get(0), a);  // shared, not copied
}

}  // namespace
}  // namespace tv
