// How the image target reads its input: a base file and record-level mutations, laid out so
// that a small change of the input makes a small change of the file. All little-endian;
// bytes past the end of the input read as zero.
//
//   byte 0      the base, modulo ImageTargetBaseCount
//   byte 1      bits 0-1: the file's length (FileLength); bit 2: Raw, no re-seal; bits 3-7:
//               the kavro-tool command that shows the file, none from ToolCommandCount on
//               (the tool opens the file once more, so only a quarter of inputs run it)
//   bytes 2-5   the length's parameter
//   then        mutations of MutationSize bytes each, at most MaxMutations
//
// A mutation: byte 0 its kind (bits 0-2, MutationKind) and the width of the value it writes
// (bits 3-4: 1, 2, 4 or 1 bytes); bytes 1-2 the record's index, modulo the table's
// capacity; byte 3 the offset in the record; bytes 4-7 the value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kavro::fuzzing {

enum class FileLength : uint8_t {
    Base,         // as the base file is
    Cut,          // cut anywhere after the channel table, the parameter saying where
    Long,         // the whole image and a tail of 1 to 4,096 bytes
    BelowHeader,  // shorter than the header
};
constexpr uint8_t Raw = 4;  // leave the magic and both checksums as the mutations left them

enum class MutationKind : uint8_t {
    ChannelBytes,
    TransponderBytes,
    SatelliteBytes,
    FavoriteNameBytes,
    HeaderBytes,  // any header byte but the magic and the checksums, unless Raw
    CopyChannel,  // the record from the slot the value names
    CopyTransponder,
    FillRecord,  // a channel, transponder or satellite record (offset modulo 3), the value's low
                 // byte
};

constexpr size_t InputHeaderSize = 6;
constexpr size_t MutationSize = 8;
constexpr int MaxMutations = 128;

struct Mutation {
    MutationKind kind;
    int width;  // 1, 2 or 4
    uint16_t index;
    uint8_t offset;
    uint32_t value;
};

// An input from its parts, for the seeds.
std::vector<uint8_t> encodeImageInput(int base, uint8_t lengthAndFlags, uint32_t parameter,
                                      const std::vector<Mutation>& mutations = {});

constexpr int ToolCommandCount = 8;

struct DecodedImage {
    std::vector<uint8_t> image;  // as an open reads the file: ImageSize bytes over zeros
    size_t fileSize = 0;
    // The file's bytes: those of `image` up to its size, or of `longFile` for a file longer
    // than an image, the only kind not held by `image` whole.
    const uint8_t* fileData() const {
        return fileSize > image.size() ? longFile.data() : image.data();
    }
    std::vector<uint8_t> longFile;
    int toolCommand = 0;  // ToolCommandCount and above: none
    // The base decoded last and the stretches (offset, length) of `image` the decode changed
    // from it, which the next decode of the same base copies back instead of the whole image.
    int base = -1;
    std::vector<std::pair<uint32_t, uint32_t>> changed;
};

// Builds the file an input stands for: the base, mutated, cut or lengthened, and unless Raw
// with the checksums made right for the image an open reads from it.
void decodeImageInput(const uint8_t* data, size_t size, DecodedImage& out);

}  // namespace kavro::fuzzing
