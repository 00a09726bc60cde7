#include "CliTestSupport.h"

#include <filesystem>
#include <sstream>

#include "cli/Tool.h"
#include "database/ByteOrder.h"
#include "database/RecordLayout.h"

namespace kavro::clitest {

ToolRun runKavroTool(const std::vector<std::string>& args, const std::string& input,
                     FileWriter& writer, EditSession* session) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.code = cli::runTool(args, in, out, err, writer, false, session);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        result.push_back(line);
    }
    return result;
}

Bytes knownImage() {
    testing::TestImageBuilder builder(11);
    builder.satellite(0, "Astra 19.2E")
        .satellite(1, "Hidden", false)
        .satellite(2, "Hot Bird")
        .satellite(3, "Caf\xE9")
        .transponder(0, 0, 11727000, 27500, 0)
        .transponder(1, 0, 9750500, 5000, 1)
        .transponder(2, 3, 12000000, 22000, 1)
        .transponder(5, 1, 10000000, 27500, 0)
        .channel(0, 0, "Das Erste", 28106)
        .channel(1, 0, "Radio, Eins", 28107, false)
        .channel(2, 1, "Say \"Hi\"", 17)
        .channel(3, 2, "Caf\xE9 TV", 33)
        .channel(4, 5, "Hidden One", 44, false)
        .channel(6, 0, "After Gap", 66)
        .favoriteName(0, "News")
        .favoriteName(7, "Sport");
    uint8_t* cafe = builder.channelRecord(3);
    writeU16(cafe + ch::CasBits, 0x81);
    writeU16(cafe + ch::FavoriteBits, 1);
    writeU16(cafe + ch::Flags, 3 | ChannelFlagLock);
    return builder.build();
}

Bytes sixChannelImage() {
    testing::TestImageBuilder builder(5);
    builder.satellite(0, "Sat").transponder(0, 0, 11000000, 27500, 0);
    const char* names[] = {"a", "b", "c", "d", "e", "f"};
    for (int i = 0; i < 6; ++i) {
        builder.channel(i, 0, names[i], 100 + i);
    }
    return builder.build();
}

std::string sampleFile(const std::string& name) {
    return std::string(KAVRO_TEST_DATA_DIR) + "/" + name;
}

void CliTest::SetUp() {
    dir_ = testing::makeTempDir();
}

void CliTest::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string CliTest::writeImage(const std::string& name, const Bytes& bytes) const {
    testing::writeFileBytes(path(name), bytes);
    return path(name);
}

bool CliTest::exists(const std::string& name) const {
    return std::filesystem::exists(path(name));
}

}  // namespace kavro::clitest
