// The database files both fuzz targets start from, made with the test-image builder: a few
// sizes of database, files that end before the tables do, end with them or run past the
// image, and covered lengths that end early. Each is a file's bytes, read over zeros.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kavro::fuzzing {

struct BaseFile {
    std::string_view name;
    std::vector<uint8_t> bytes;  // the whole file, shorter or longer than an image
};

// Every base, in a fixed order that inputs rely on: do not reorder, only append. The last
// ones (from ImageTargetBaseCount on) are too slow to show for the image target.
const std::vector<BaseFile>& baseFiles();
// The bases the image target picks from: the first ImageTargetBaseCount of baseFiles().
constexpr int ImageTargetBaseCount = 9;

// The base of that name; the small one for a name there is none of.
const BaseFile& baseFile(std::string_view name);

// `file` as an open reads it: its first ImageSize bytes over an image of zeros.
void readOverZeros(const std::vector<uint8_t>& file, std::vector<uint8_t>& image);

}  // namespace kavro::fuzzing
