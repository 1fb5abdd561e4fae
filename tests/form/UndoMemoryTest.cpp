#include "UndoMemory.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

std::string Text(int n) {
    return "calc " + std::to_string(n);
}

UndoMemory WithSnapshots(int count) {
    UndoMemory memory;
    for (int n = 1; n <= count; ++n)
        memory.TakeSnapshot(Text(n));
    return memory;
}

TEST(UndoMemory, NothingToStepThroughBeforeTheFirstSnapshot) {
    UndoMemory memory;
    EXPECT_FALSE(memory.StepBack());
    EXPECT_FALSE(memory.StepForward());
}

TEST(UndoMemory, StepsBackToTheFirstAndForwardToTheNewest) {
    UndoMemory memory = WithSnapshots(3);
    ASSERT_TRUE(memory.StepBack());
    EXPECT_EQ(memory.CurrentEntry(), Text(2));
    ASSERT_TRUE(memory.StepBack());
    EXPECT_EQ(memory.CurrentEntry(), Text(1));
    EXPECT_FALSE(memory.StepBack());
    EXPECT_EQ(memory.CurrentEntry(), Text(1));
    ASSERT_TRUE(memory.StepForward());
    ASSERT_TRUE(memory.StepForward());
    EXPECT_EQ(memory.CurrentEntry(), Text(3));
    EXPECT_FALSE(memory.StepForward());
}

TEST(UndoMemory, KeepsTheLastTwentyOfMoreSnapshots) {
    UndoMemory memory = WithSnapshots(25);
    for (int step = 1; step <= 19; ++step) {
        ASSERT_TRUE(memory.StepBack()) << "step " << step;
        EXPECT_EQ(memory.CurrentEntry(), Text(25 - step));
    }
    EXPECT_FALSE(memory.StepBack());
    EXPECT_EQ(memory.CurrentEntry(), Text(6));
    for (int step = 1; step <= 19; ++step)
        ASSERT_TRUE(memory.StepForward());
    EXPECT_EQ(memory.CurrentEntry(), Text(25));
    EXPECT_FALSE(memory.StepForward());
}

TEST(UndoMemory, ExactlyTwentySnapshotsAllowNineteenStepsBack) {
    UndoMemory memory = WithSnapshots(20);
    for (int step = 1; step <= 19; ++step)
        ASSERT_TRUE(memory.StepBack());
    EXPECT_EQ(memory.CurrentEntry(), Text(1));
    EXPECT_FALSE(memory.StepBack());
}

// Undone states stay stored: a new calculation goes after the newest, and stepping back from
// it visits the states in the order they were made.
TEST(UndoMemory, NewSnapshotAfterUndoKeepsTheLogOrder) {
    UndoMemory memory = WithSnapshots(5);
    memory.StepBack();
    memory.StepBack();
    ASSERT_EQ(memory.CurrentEntry(), Text(3));
    memory.TakeSnapshot(Text(6));
    EXPECT_FALSE(memory.StepForward());
    for (int expected = 5; expected >= 1; --expected) {
        ASSERT_TRUE(memory.StepBack());
        EXPECT_EQ(memory.CurrentEntry(), Text(expected));
    }
    EXPECT_FALSE(memory.StepBack());
}

TEST(UndoMemory, ClearEmptiesTheTextsButKeepsThePositions) {
    UndoMemory memory = WithSnapshots(3);
    memory.Clear();
    ASSERT_TRUE(memory.StepBack());
    EXPECT_EQ(memory.CurrentEntry(), "");
    // The slot ahead is empty now, so Redo lands on the newest slot.
    ASSERT_TRUE(memory.StepForward());
    EXPECT_EQ(memory.CurrentEntry(), "");
}

TEST(UndoMemory, DeferredSnapshotsBecomePrefixesOfTheFinalText) {
    UndoMemory memory;
    memory.TakeSnapshot("before");
    const std::string replayed = "1 = 1; \r\n2 = 2; \r\n";
    memory.TakeDeferredSnapshot(9);
    memory.TakeDeferredSnapshot(18);
    memory.ResolveDeferred(replayed);
    memory.TakeSnapshot(replayed + "end");
    const char* expected[] = {"1 = 1; \r\n2 = 2; \r\n", "1 = 1; \r\n", "before"};
    for (const char* text : expected) {
        ASSERT_TRUE(memory.StepBack());
        EXPECT_EQ(memory.CurrentEntry(), text);
    }
}

TEST(UndoMemory, DeferredSnapshotsOverwrittenInTheRingAreNeverResolved) {
    UndoMemory memory;
    std::string text;
    for (int n = 1; n <= 25; ++n) {
        text += "x";
        memory.TakeDeferredSnapshot(text.size());
    }
    memory.ResolveDeferred(text);
    for (int step = 1; step <= 19; ++step) {
        ASSERT_TRUE(memory.StepBack());
        EXPECT_EQ(memory.CurrentEntry().size(), static_cast<std::size_t>(25 - step));
    }
}

} // namespace
} // namespace tarvo
