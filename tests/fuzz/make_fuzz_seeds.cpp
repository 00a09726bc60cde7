// Writes the seed inputs of the fuzz targets: make-fuzz-seeds IMAGE_DIR SCRIPT_DIR ORDER_DIR
// IMPORT_DIR BACKUP_DIR.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "FuzzSeeds.h"
#include "support/TestImageBuilder.h"

namespace {

void writeSeeds(const std::filesystem::path& folder,
                const std::vector<kavro::fuzzing::Seed>& seeds) {
    std::filesystem::create_directories(folder);
    for (const kavro::fuzzing::Seed& seed : seeds) {
        kavro::testing::writeFileBytes((folder / seed.name).string(), seed.bytes);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(
            stderr,
            "usage: make-fuzz-seeds IMAGE_DIR SCRIPT_DIR ORDER_DIR IMPORT_DIR BACKUP_DIR\n");
        return 2;
    }
    try {
        writeSeeds(argv[1], kavro::fuzzing::imageSeeds());
        writeSeeds(argv[2], kavro::fuzzing::scriptSeeds());
        writeSeeds(argv[3], kavro::fuzzing::orderSeeds());
        writeSeeds(argv[4], kavro::fuzzing::importSeeds());
        writeSeeds(argv[5], kavro::fuzzing::backupSeeds());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-fuzz-seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
