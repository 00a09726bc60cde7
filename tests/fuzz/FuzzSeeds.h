// Starting inputs for the fuzz targets, made with the test-image builder: written out by
// make-fuzz-seeds before a run, and run through the checks by the regression test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kavro::fuzzing {

struct Seed {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Every base file as it is, a few record mutations of each kind, files cut short and made
// long, odd covered lengths, and a few files that are refused.
std::vector<Seed> imageSeeds();
// Reference lists of each base (a base's own list reversed, another base's list) and
// reference files, for the order target, and one refused list.
std::vector<Seed> orderSeeds();
// Other database files imported into each kind of base, with each option, into a full
// table, and one refused file.
std::vector<Seed> importSeeds();
// Backup folders: an index of the file's own, of another file's, one cut short, the last
// name there can be, and more backups than are kept.
std::vector<Seed> backupSeeds();
// Scripts that use every command, on each base file, and one refusal of each kind.
std::vector<Seed> scriptSeeds();

}  // namespace kavro::fuzzing
