// Reading a full-capacity file through the checks into the tables, and packing it back.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "database/ChannelDatabase.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace {

namespace kt = kavro::testing;

// A full-capacity file in a scratch folder, removed at the end of the run.
class FullImageFile {
public:
    FullImageFile() : dir_(kt::makeTempDir()), path_(dir_ + "/full.tbn") {
        kt::writeFileBytes(path_, kt::fullCapacityImage());
    }
    ~FullImageFile() { std::filesystem::remove_all(dir_); }
    const std::string& path() const { return path_; }

private:
    std::string dir_;
    std::string path_;
};

void BM_OpenFullImage(benchmark::State& state) {
    FullImageFile file;
    auto db = std::make_unique<kavro::ChannelDatabase>();
    auto opened = std::make_unique<kavro::DatabaseFile>();
    for (auto _ : state) {
        const kavro::OpenResult result = opened->open(file.path(), *db);
        if (result.outcome != kavro::OpenOutcome::Accepted) {
            state.SkipWithError("the full image was refused");
            break;
        }
    }
}
BENCHMARK(BM_OpenFullImage)->Unit(benchmark::kMicrosecond);

// Save in place of an opened full-capacity file: pack, write beside it, sync, read back,
// check and put in place.
void BM_SaveFullImage(benchmark::State& state) {
    FullImageFile file;
    auto db = std::make_unique<kavro::ChannelDatabase>();
    auto opened = std::make_unique<kavro::DatabaseFile>();
    if (opened->open(file.path(), *db).outcome != kavro::OpenOutcome::Accepted) {
        state.SkipWithError("the full image was refused");
        return;
    }
    for (auto _ : state) {
        if (opened->save(file.path(), *db).outcome != kavro::SaveOutcome::Written) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveFullImage)->Unit(benchmark::kMicrosecond);

void BM_PackFullImage(benchmark::State& state) {
    kavro::EditSession session;
    if (!kt::loadImage(session, kt::fullCapacityImage())) {
        state.SkipWithError("the full image was refused");
        return;
    }
    auto image = std::make_unique<kavro::DatabaseImage>(session.file().image());
    for (auto _ : state) {
        image->pack(session.database());
        benchmark::DoNotOptimize(image->bytes()[kavro::hdr::DataChecksum]);
    }
}
BENCHMARK(BM_PackFullImage)->Unit(benchmark::kMicrosecond);

void BM_ChecksumBody(benchmark::State& state) {
    const kt::Bytes image = kt::fullCapacityImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kavro::ComputeChecksum(image.data() + kavro::HeaderSize, kavro::BodySize));
    }
}
BENCHMARK(BM_ChecksumBody)->Unit(benchmark::kMicrosecond);

}  // namespace
