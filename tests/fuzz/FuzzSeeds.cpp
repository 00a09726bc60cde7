#include "FuzzSeeds.h"

#include <random>
#include <string_view>

#include "ScriptGenerator.h"
#include "database/ByteOrder.h"
#include "dbfile/DatabaseImage.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {

namespace {

using testing::Bytes;

// Gives `image` the covered length `length` and fresh checksums.
Bytes withCoveredLength(Bytes image, int32_t length) {
    const uint16_t extra = readU16(image.data() + hdr::DataLengthExtra);
    writeU32(image.data() + hdr::DataLength, static_cast<uint32_t>(length + HeaderSize - extra));
    testing::fixChecksums(image);
    return image;
}

// `size` random bytes under a valid header covering `length` bytes of them.
Bytes randomImage(uint32_t seed, size_t size, int32_t length) {
    std::mt19937 random(seed);
    Bytes image(size);
    for (uint8_t& byte : image) {
        byte = static_cast<uint8_t>(random());
    }
    writeU16(image.data() + hdr::Magic, ImageMagic);
    return withCoveredLength(image, length);
}

Bytes truncated(Bytes image, size_t size) {
    image.resize(size);
    return image;
}

Bytes withTail(Bytes image, size_t extra) {
    for (size_t i = 0; i < extra; ++i) {
        image.push_back(static_cast<uint8_t>(i * 37 + 11));
    }
    return image;
}

Seed script(std::string name, std::string_view text) {
    return {std::move(name), Bytes(text.begin(), text.end())};
}

}  // namespace

std::vector<Seed> imageSeeds() {
    const Bytes small = testing::smallImage(3);
    constexpr int32_t TablesEnd = 0x112120 - HeaderSize;
    return {
        {"small", small},
        {"small-long", withTail(testing::smallImage(4), 300)},
        {"small-short", truncated(withCoveredLength(testing::smallImage(6), TablesEnd), 0x112120)},
        {"small-4k", truncated(withCoveredLength(small, 4096 - HeaderSize), 4096)},
        {"random-uncovered", randomImage(1, ImageSize, 0)},
        {"random-covered-100", randomImage(2, ImageSize, 100)},
        {"random-short", randomImage(3, 70000, 60000)},
        {"random-long", withTail(randomImage(4, ImageSize, 200), 64)},
        {"header-only", randomImage(5, HeaderSize, 0)},
        {"header-minus-one", truncated(randomImage(6, HeaderSize, 0), HeaderSize - 1)},
        {"wrong-magic",
         [&] {
             Bytes image = small;
             image[0] ^= 0xFF;
             return image;
         }()},
    };
}

std::vector<Seed> scriptSeeds() {
    return {
        script("every-command",
               "# every command once\n"
               "view tv\n"
               "add-transponder 0 11000 27500 1\n"
               "edit-transponder 0 12000 22000 0\n"
               "add-channel 0 \"New \\\"One\\\"\" 100 101 100 5000 1 0\n"
               "edit-channel 1 Renamed 200 201 200 6000 1\n"
               "set-favorites 0 1 2 5\n"
               "rename-group 3 \"Group \\\\ Three\"\n"
               "move-channels 4 5 before 0\n"
               "move-channels 7 before end\n"
               "delete-channels 2 3\n"
               "delete-transponder 1\n"
               "view radio\n"
               "add-channel 2 \"Radio New\" 300 300 300 7000 0 1\n"
               "undo\n"
               "undo\n"
               "redo\n"
               "view all\n"),
        script("full",
               "# image: full\n"
               "move-channels 0 2 4 6 8 before 15000\n"
               "delete-channels 15359 1 3\n"
               "add-channel 5 \"Refilled\" 1 2 3 4 0 0\n"
               "delete-transponder 2339\n"
               "add-transponder 64 12000 27500 0\n"),
        script("gaps",
               "# image: gaps\n"
               "add-transponder 0 11000 27500 0\n"
               "add-channel 1 \"Into Gap\" 1 2 3 65534 1 1\n"
               "add-channel 0 Reuse 1 2 3 9 0 0\n"
               "move-channels 15359 before 0\n"
               "delete-transponder 4\n"
               "set-favorites 0 10 255\n"),
        script("refused-range", "add-transponder 0 999 27500 0\n"),
        script("refused-integer", "edit-transponder 0 12x00 27500 0\n"),
        script("refused-name", "edit-channel 0 \"Seventeen chars!!\" 1 2 3 4 0\n"),
        script("refused-latin1", "rename-group 1 \"\xCE\xA9mega\"\n"),
        script("refused-quote", "rename-group 1 \"open\n"),
        script("refused-not-live", "delete-channels 0 60\n"),
        script("refused-unknown", "\n  # comment\r\nfrobnicate 1\n"),
        script("refused-full-tp", "# image: full\nadd-transponder 0 11000 27500 0\n"),
        script("refused-full-ch", "# image: full\nadd-channel 0 New 1 2 3 4 0 0\n"),
        script("random-small", randomScript("small", 1, 40)),
        script("random-gaps", randomScript("gaps", 2, 40)),
        script("refused-usage", "move-channels 1 2 before before 3\n"),
        script("refused-undo", "rename-group 1 A\nundo\nundo\n"),
        script("refused-redo", "rename-group 1 A\nundo\nredo\nredo\n"),
    };
}

}  // namespace kavro::fuzzing
