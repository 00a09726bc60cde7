// The JSON texts of Latin-1 bytes written straight into an output buffer, against the two
// steps (to UTF-8, then to a JSON literal) they replace.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cli/TextOutput.h"

namespace kavro::cli {
namespace {

std::string appended(const std::string& before, const std::string& latin1) {
    std::string out = before;
    appendJsonLatin1(out, latin1);
    return out;
}

TEST(TextOutput, JsonOfLatin1IsTheLiteralOfItsUtf8ForEveryByteAndMixedTexts) {
    // Each byte at each place of a text long enough to be read eight bytes at a time.
    for (int byte = 0; byte < 256; ++byte) {
        for (size_t at = 0; at < 17; ++at) {
            std::string text(17, 'a');
            text[at] = static_cast<char>(byte);
            EXPECT_EQ(appended("x", text), "x" + jsonString(utf8Text(text))) << byte << " " << at;
        }
    }
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text) {
            c = static_cast<char>(random() % 4 == 0 ? random() % 256 : 'a' + random() % 26);
        }
        EXPECT_EQ(appended("", text), jsonString(utf8Text(text))) << round;
    }
}

}  // namespace
}  // namespace kavro::cli
