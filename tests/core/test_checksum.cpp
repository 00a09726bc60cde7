#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "dbfile/DatabaseImage.h"

using kavro::ComputeChecksum;

namespace {

uint16_t checksumOf(const std::vector<uint8_t>& bytes) {
    return ComputeChecksum(bytes.data(), static_cast<int32_t>(bytes.size()));
}

}  // namespace

// Little-endian words; an odd last byte counts as a word's low byte.
TEST(Checksum, WorkedExamples) {
    const struct {
        std::vector<uint8_t> bytes;
        uint16_t sum;
    } cases[] = {{{'a', 'b', 'c'}, 0x9D3B},    {{0xFF, 0xFF, 0x01, 0x00}, 0xFFFE},
                 {{0x01, 0x00}, 0xFFFE},       {{0x00, 0x01}, 0xFEFF},
                 {{0x00, 0x00, 0x01}, 0xFFFE}, {{0x80}, 0xFF7F}};
    for (const auto& c : cases) {
        EXPECT_EQ(checksumOf(c.bytes), c.sum) << ::testing::PrintToString(c.bytes);
    }
}

TEST(Checksum, EmptyAndNegativeCountsGiveAllOnes) {
    const uint8_t bytes[4] = {1, 2, 3, 4};
    EXPECT_EQ(ComputeChecksum(bytes, 0), 0xFFFF);
    EXPECT_EQ(ComputeChecksum(bytes, -1), 0xFFFF);
    EXPECT_EQ(ComputeChecksum(bytes, INT32_MIN), 0xFFFF);
}

TEST(Checksum, CarriesOutOfBit31AreDropped) {
    // 589,824 words of 0xFFFF wrap the accumulator to 0xFFF70000.
    const std::vector<uint8_t> body(kavro::BodySize, 0xFF);
    EXPECT_EQ(checksumOf(body), 0x0008);
}

TEST(Checksum, FoldsTheHalvesTwice) {
    // 65,537 words of 0xFFFF sum to exactly 0xFFFFFFFF; one fold alone would leave 0x0001.
    const std::vector<uint8_t> bytes(2 * 65537, 0xFF);
    EXPECT_EQ(checksumOf(bytes), 0x0000);
}

// The sum taken eight bytes at a time agrees with the plain word-by-word sum at every length
// and alignment, odd tails and wrapping sums included.
TEST(Checksum, AgreesWithTheWordByWordSum) {
    auto reference = [](const uint8_t* data, int32_t count) {
        uint32_t acc = 0;
        for (int32_t i = 0; i + 1 < count; i += 2) {
            acc += static_cast<uint32_t>(data[i] | (data[i + 1] << 8));
        }
        if (count % 2 != 0) {
            acc += data[count - 1];
        }
        uint32_t s = (acc & 0xFFFF) + (acc >> 16);
        s += s >> 16;
        return static_cast<uint16_t>(~s);
    };
    std::mt19937 random(7);
    std::vector<uint8_t> bytes(kavro::BodySize + 16);
    for (uint8_t& b : bytes) {
        b = static_cast<uint8_t>(random() % 3 == 0 ? 0xFF : random());
    }
    for (int offset = 0; offset < 8; ++offset) {
        for (int32_t count : {1, 2, 7, 8, 9, 15, 16, 17, 33, 1001, 65536 * 2 + 3}) {
            EXPECT_EQ(ComputeChecksum(bytes.data() + offset, count),
                      reference(bytes.data() + offset, count))
                << "offset " << offset << ", count " << count;
        }
    }
    EXPECT_EQ(ComputeChecksum(bytes.data() + 3, kavro::BodySize),
              reference(bytes.data() + 3, kavro::BodySize));
}
