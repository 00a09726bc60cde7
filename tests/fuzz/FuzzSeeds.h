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
// Scripts that use every command, on each base file, and one refusal of each kind.
std::vector<Seed> scriptSeeds();

}  // namespace kavro::fuzzing
