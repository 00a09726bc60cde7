// The sample files were written by an independent implementation of the format: they must
// open, carry plausible contents and go back out byte for byte.
#include <filesystem>

#include "ImageTestSupport.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

struct Counts {
    int shownSatellites = 0;
    int liveTransponders = 0;
    int tvChannels = 0;
    int radioChannels = 0;
};

Counts countDatabase(const ChannelDatabase& db) {
    Counts counts;
    for (int s = 0; s < SatelliteCapacity; ++s) {
        counts.shownSatellites += db.isSatelliteShown(s);
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        counts.liveTransponders += db.isLiveTransponder(t);
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        if (db.isLiveChannel(c)) {
            (db.isRadioChannel(c) ? counts.radioChannels : counts.tvChannels) += 1;
        }
    }
    return counts;
}

std::string sample(const char* name) {
    return std::string(KAVRO_TEST_DATA_DIR) + "/" + name;
}

class SampleFileTest : public ImageTest, public ::testing::WithParamInterface<const char*> {};

}  // namespace

TEST_P(SampleFileTest, OpensAndRoundTripsByteForByte) {
    const Bytes original = kt::readFileBytes(sample(GetParam()));
    const std::string copy = writeFile("copy.tbn", original);
    const OpenResult result = openFile(copy);
    ASSERT_EQ(result.outcome, OpenOutcome::Accepted) << imageProblemText(result.problem);
    EXPECT_EQ(result.bytesRead, std::min<size_t>(original.size(), ImageSize));

    ASSERT_EQ(saveFile(copy).outcome, SaveOutcome::Written);
    EXPECT_EQ(kt::readFileBytes(copy), original);
    ASSERT_EQ(saveFileAs(path("as.tbn")).outcome, SaveOutcome::Written);
    EXPECT_EQ(kt::readFileBytes(path("as.tbn")), original);
}

TEST_P(SampleFileTest, EditedAndSavedItOpensAgainWithTheEdit) {
    const std::string copy = writeFile("copy.tbn", kt::readFileBytes(sample(GetParam())));
    ASSERT_EQ(openFile(copy).outcome, OpenOutcome::Accepted);
    int live = 0;
    while (live < ChannelCapacity && !db().isLiveChannel(live)) {
        ++live;
    }
    ASSERT_LT(live, ChannelCapacity);
    db().setChannelName(live, "Edited name");
    db().setFavoriteGroupName(3, "Group four");
    ASSERT_EQ(saveFile(copy).outcome, SaveOutcome::Written);

    SetUp();
    ASSERT_EQ(openFile(copy).outcome, OpenOutcome::Accepted);
    EXPECT_EQ(db().channelName(live), "Edited name");
    EXPECT_EQ(db().favoriteGroupName(3), "Group four");
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleFileTest,
                         ::testing::Values("typical.tbn", "full-capacity.tbn",
                                           "gaps-and-orphans.tbn", "short-file.tbn"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name.resize(name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

class SampleCountsTest : public ImageTest {};

TEST_F(SampleCountsTest, FullCapacityFillsEveryTable) {
    ASSERT_EQ(openFile(sample("full-capacity.tbn")).outcome, OpenOutcome::Accepted);
    const Counts counts = countDatabase(db());
    EXPECT_EQ(counts.liveTransponders, TransponderCapacity);
    EXPECT_EQ(counts.tvChannels + counts.radioChannels, ChannelCapacity);
    EXPECT_GT(counts.shownSatellites, 0);
    EXPECT_GT(counts.radioChannels, 0);
}

TEST_F(SampleCountsTest, PartialFilesHoldSomeOfEachKind) {
    for (const char* name : {"typical.tbn", "gaps-and-orphans.tbn", "short-file.tbn"}) {
        SetUp();
        ASSERT_EQ(openFile(sample(name)).outcome, OpenOutcome::Accepted) << name;
        const Counts counts = countDatabase(db());
        EXPECT_GT(counts.shownSatellites, 0) << name;
        EXPECT_GT(counts.liveTransponders, 0) << name;
        EXPECT_LT(counts.liveTransponders, TransponderCapacity) << name;
        EXPECT_GT(counts.tvChannels, 0) << name;
        EXPECT_GT(counts.radioChannels, 0) << name;
        EXPECT_LT(counts.tvChannels + counts.radioChannels, ChannelCapacity) << name;
    }
}

TEST_F(SampleCountsTest, ShortFileIsReadToItsEndAndCoversLessThanTheBody) {
    const OpenResult result = openFile(sample("short-file.tbn"));
    ASSERT_EQ(result.outcome, OpenOutcome::Accepted);
    EXPECT_EQ(result.bytesRead, std::filesystem::file_size(sample("short-file.tbn")));
    EXPECT_LT(result.bytesRead, static_cast<uint32_t>(ImageSize));
    EXPECT_LT(coveredLength(image().workingHeader()), BodySize);
}
