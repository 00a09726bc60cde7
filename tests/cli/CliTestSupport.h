// Running kavro-tool in-process on images written to a temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/FileWriter.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro::clitest {

using testing::Bytes;

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

ToolRun runKavroTool(const std::vector<std::string>& args, const std::string& input = "",
                     FileWriter& writer = systemFileWriter(), EditSession* session = nullptr);

// Splits output into lines without their '\n'.
std::vector<std::string> lines(const std::string& text);

// A small database whose tree and list are known line by line:
//   satellite 0 "Astra 19.2E" (shown), 1 "Hidden" (not shown), 2 "Hot Bird" (shown, empty),
//   3 "Caf\xE9" (shown, a Latin-1 name);
//   transponders 0: sat 0, 11727 MHz V 27500; 1: sat 0, 9750 MHz H 5000;
//   2: sat 3, 12000 MHz H 22000; 5: sat 1, 10000 MHz V 27500;
//   channels 0: t0 "Das Erste" TV; 1: t0 "Radio, Eins" radio; 2: t1 "Say "Hi"" TV;
//   3: t2 "Caf\xE9 TV" TV, CAS 0x81, favourite group 1, locked; 4: t5 "Hidden One" radio;
//   slot 5 free; 6: t0 "After Gap" TV. Favourite group 1 is "News", group 8 "Sport".
Bytes knownImage();

// Six TV channels "a".."f" in slots 0..5 on transponder 0 of satellite 0.
Bytes sixChannelImage();

std::string sampleFile(const std::string& name);

// A fixture with a fresh temporary directory, and a session to look at what was written.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads an image (a file's bytes) into the fixture's session; false when rejected.
    bool load(const Bytes& bytes) { return testing::loadImage(*session_, bytes); }
    const ChannelDatabase& db() const { return session_->database(); }
    int viewCount(View view) const { return session_->viewIndex().viewCount(view); }

    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    // Writes bytes to a file of the temporary directory and returns its path.
    std::string writeImage(const std::string& name, const Bytes& bytes) const;
    bool exists(const std::string& name) const;

    std::string dir_;
    std::unique_ptr<EditSession> session_ = std::make_unique<EditSession>();
};

}  // namespace kavro::clitest
