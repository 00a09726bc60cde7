// Runs every seed of the fuzz targets and every input a fuzz run once failed on (kept in
// regressions/) through the same checks as the fuzz targets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "FuzzSeeds.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {
namespace {

using Check = bool (*)(const uint8_t*, size_t);

// The check's answer (accepted, or every line ran); a broken rule fails the test.
bool runChecks(Check check, const std::string& name, const std::vector<uint8_t>& bytes) {
    try {
        return check(bytes.data(), bytes.size());
    } catch (const CheckFailure& failure) {
        ADD_FAILURE() << name << ": " << failure.what();
        return false;
    }
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::filesystem::path> keptInputs(const std::string& kind) {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(KAVRO_FUZZ_REGRESSIONS_DIR) / kind;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void replayKept(Check check, const std::string& kind) {
    for (const auto& file : keptInputs(kind)) {
        SCOPED_TRACE(file.filename().string());
        runChecks(check, file.filename().string(), testing::readFileBytes(file.string()));
    }
}

// The seeds are meant to reach both sides: accepted images and scripts that run whole, and
// a few refusals.
TEST(FuzzRegressions, ImageSeedsPassTheChecks) {
    for (const Seed& seed : imageSeeds()) {
        const bool refused = startsWith(seed.name, "refused-");
        EXPECT_EQ(runChecks(checkImageInput, seed.name, seed.bytes), !refused) << seed.name;
    }
}

TEST(FuzzRegressions, ScriptSeedsPassTheChecks) {
    for (const Seed& seed : scriptSeeds()) {
        const bool refused = startsWith(seed.name, "refused-");
        EXPECT_EQ(runChecks(checkEditScriptInput, seed.name, seed.bytes), !refused) << seed.name;
    }
}

// The diff and lint targets read image inputs too.
TEST(FuzzRegressions, ReaderSeedsPassTheChecks) {
    for (const Seed& seed : orderSeeds()) {
        const bool refused = startsWith(seed.name, "refused-");
        EXPECT_EQ(runChecks(checkOrderInput, seed.name, seed.bytes), !refused) << seed.name;
    }
    for (const Seed& seed : imageSeeds()) {
        const bool refused = startsWith(seed.name, "refused-");
        EXPECT_EQ(runChecks(checkDiffInput, seed.name, seed.bytes), !refused) << seed.name;
        EXPECT_EQ(runChecks(checkLintInput, seed.name, seed.bytes), !refused) << seed.name;
    }
}

TEST(FuzzRegressions, ImportSeedsPassTheChecks) {
    for (const Seed& seed : importSeeds()) {
        const bool refused = startsWith(seed.name, "refused-");
        EXPECT_EQ(runChecks(checkImportInput, seed.name, seed.bytes), !refused) << seed.name;
    }
}

TEST(FuzzRegressions, BackupSeedsPassTheChecks) {
    for (const Seed& seed : backupSeeds()) {
        const bool refused = startsWith(seed.name, "refused-");
        EXPECT_EQ(runChecks(checkBackupInput, seed.name, seed.bytes), !refused) << seed.name;
    }
}

TEST(FuzzRegressions, KeptImageInputsPassTheChecks) {
    replayKept(checkImageInput, "image");
}

TEST(FuzzRegressions, KeptScriptInputsPassTheChecks) {
    replayKept(checkEditScriptInput, "script");
}

TEST(FuzzRegressions, KeptBackupInputsPassTheChecks) {
    replayKept(checkBackupInput, "backups");
}

TEST(FuzzRegressions, KeptDiffInputsPassTheChecks) {
    replayKept(checkDiffInput, "diff");
}

}  // namespace
}  // namespace kavro::fuzzing
