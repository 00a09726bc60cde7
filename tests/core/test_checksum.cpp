#include <gtest/gtest.h>

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
