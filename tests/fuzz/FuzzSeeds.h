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

// Valid images with random bodies, short, exact and long, the smallest valid file and a few
// that are just refused. (A full-capacity image is left to the script target: showing its
// 15,360 rows in every view would slow each run down tenfold.)
std::vector<Seed> imageSeeds();
// Scripts that use every command, on each base database, and one refusal of each kind.
std::vector<Seed> scriptSeeds();

}  // namespace kavro::fuzzing
