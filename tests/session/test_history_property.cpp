// The history as a property on random edits of random tables: undoing every step gives back
// every byte of the start, redoing every step the result of the edits, and any interleaving
// of undo, redo and new edits stands where a plain list of snapshots says it must. The
// edits are script lines from the fuzz generator, run through the tool's own commands.
#include <random>
#include <string>

#include "SessionTestSupport.h"
#include "cli/EditScript.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/ScriptGenerator.h"

namespace kavro::sessiontest {
namespace {

using fuzzing::ScriptGenerator;

struct RandomRun {
    const char* base;
    uint32_t seed;
    int lines;
};

// Applies one generated line; true when it became a step.
bool applyLine(EditSession& session, ScriptGenerator& generator, ChangeLog& log) {
    const int before = log.count(SessionEvent::Edited);
    cli::runEditScript(session, generator.nextLine(session));
    return log.count(SessionEvent::Edited) > before;
}

TEST(HistoryProperty, UndoingEveryStepGivesBackTheStartAndRedoingThemTheEnd) {
    const RandomRun runs[] = {
        {"small", 11, 150}, {"gaps", 12, 150}, {"small", 13, 300}, {"full", 14, 40}};
    for (const RandomRun& run : runs) {
        SCOPED_TRACE(std::string(run.base) + " seed " + std::to_string(run.seed));
        const auto session = loadedSession(fuzzing::scriptBaseImage(run.base));
        ChangeLog log(*session);
        ScriptGenerator generator(run.seed);
        const Bytes start = tablesOf(*session);
        size_t steps = 0;
        for (int i = 0; i < run.lines; ++i) {
            steps += applyLine(*session, generator, log) ? 1 : 0;
        }
        ASSERT_GT(steps, static_cast<size_t>(run.lines / 4));
        ASSERT_EQ(session->history().stepCount(), steps);  // nothing dropped
        const Bytes end = tablesOf(*session);

        while (session->undo()) {
        }
        ASSERT_TRUE(tablesOf(*session) == start);
        EXPECT_FALSE(session->isModified());
        expectIndexCurrent(*session);
        while (session->redo()) {
        }
        ASSERT_TRUE(tablesOf(*session) == end);
        EXPECT_TRUE(session->isModified());
        expectIndexCurrent(*session);
    }
}

// The snapshots: states[i] is the tables after the first i steps of the present branch;
// `at` is where undo and redo have brought the session.
TEST(HistoryProperty, UndoRedoAndNewEditsInAnyOrderFollowTheSnapshots) {
    for (uint32_t seed : {21u, 22u, 23u}) {
        SCOPED_TRACE(seed);
        const auto session = loadedSession(fuzzing::scriptBaseImage("gaps"));
        ChangeLog log(*session);
        ScriptGenerator generator(seed);
        std::mt19937 random(seed);
        std::vector<Bytes> states = {tablesOf(*session)};
        size_t at = 0;
        for (int round = 0; round < 120; ++round) {
            const uint32_t pick = random() % 10;
            if (pick < 3) {
                ASSERT_EQ(session->undo(), at > 0);
                at -= at > 0 ? 1 : 0;
            } else if (pick < 5) {
                ASSERT_EQ(session->redo(), at + 1 < states.size());
                at += at + 1 < states.size() ? 1 : 0;
            } else if (applyLine(*session, generator, log)) {
                states.resize(++at);  // the steps that could have been redone go
                states.push_back(tablesOf(*session));
            }
            ASSERT_TRUE(tablesOf(*session) == states[at]) << "round " << round;
            ASSERT_EQ(session->canUndo(), at > 0);
            ASSERT_EQ(session->canRedo(), at + 1 < states.size());
            ASSERT_EQ(session->isModified(), at != 0);  // opened at the first state
            if (round % 10 == 0) {
                expectIndexCurrent(*session);
            }
        }
    }
}

}  // namespace
}  // namespace kavro::sessiontest
