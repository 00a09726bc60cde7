#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "ImageTestSupport.h"
#include "database/ByteOrder.h"
#include "dbfile/DatabaseReader.h"
#include "support/FaultyWriter.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

class DatabaseFileTest : public ImageTest {
protected:
    std::string openValid(const std::string& name, const Bytes& bytes) {
        const std::string p = writeFile(name, bytes);
        const OpenResult result = openFile(p);
        EXPECT_EQ(result.outcome, OpenOutcome::Accepted) << imageProblemText(result.problem);
        return p;
    }
    // Opens `p` expecting a refusal and checks that nothing in memory moved.
    OpenResult openRefused(const std::string& p, OpenOutcome expected) {
        const Snapshot before = snapshot();
        const OpenResult result = openFile(p);
        EXPECT_EQ(result.outcome, expected);
        EXPECT_TRUE(snapshot() == before);
        return result;
    }
    // Permission bits keep this process out of files and folders (not root's, and Windows
    // has only a read-only attribute).
    static bool permissionBitsRefuse() {
#ifdef _WIN32
        return false;
#else
        return ::geteuid() != 0;
#endif
    }
};

Bytes withTail(Bytes image, size_t tailSize) {
    kt::TestImageBuilder noise(99);
    image.insert(image.end(), noise.bytes() + 100, noise.bytes() + 100 + tailSize);
    return image;
}

}  // namespace

TEST_F(DatabaseFileTest, OpenAcceptsAValidFileAndTakesItsBytes) {
    const Bytes file = kt::smallImage();
    const std::string p = writeFile("a.tbn", file);
    const OpenResult result = openFile(p);
    ASSERT_EQ(result.outcome, OpenOutcome::Accepted);
    EXPECT_EQ(result.bytesRead, static_cast<uint32_t>(ImageSize));
    EXPECT_EQ(image().bytesRead(), static_cast<uint32_t>(ImageSize));
    EXPECT_EQ(imageBytes(), file);
    EXPECT_EQ(db().favoriteGroupName(0), "News");
}

TEST_F(DatabaseFileTest, UneditedSavesRewriteExactShortAndLongFilesByteForByte) {
    // A short file checks out over the zero image: the bytes it lacks count as zeros.
    const Bytes exact = kt::smallImage(21);
    const Bytes shortFile = truncated(refixed(truncated(kt::smallImage(22), 700001)), 700001);
    const Bytes longFile = withTail(kt::smallImage(23), 4321);
    for (const Bytes& file : {exact, shortFile, longFile}) {
        SetUp();
        const std::string p = openValid("f.tbn", file);
        EXPECT_EQ(image().bytesRead(), std::min<size_t>(file.size(), ImageSize));
        ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
        EXPECT_EQ(kt::readFileBytes(p), file);
        ASSERT_EQ(saveFileAs(path("copy.tbn")).outcome, SaveOutcome::Written);
        EXPECT_EQ(kt::readFileBytes(path("copy.tbn")),
                  truncated(file, std::min<size_t>(file.size(), ImageSize)));
    }
}

TEST_F(DatabaseFileTest, ShortFileIsReadOverZerosWhateverWasOpenBefore) {
    const Bytes first = kt::fullCapacityImage();
    // A file whose checksum only holds with the first image's bytes beyond its end.
    Bytes second = kt::smallImage(8);
    std::copy(first.begin() + 600000, first.end(), second.begin() + 600000);
    const std::string dependent = writeFile("second.tbn", truncated(refixed(second), 600000));
    // A file that checks out over zeros.
    Bytes zeroTail = kt::smallImage(9);
    std::fill(zeroTail.begin() + 600000, zeroTail.end(), 0);
    const std::string standalone = writeFile("third.tbn", truncated(refixed(zeroTail), 600000));
    for (bool firstOpen : {false, true}) {
        SetUp();
        if (firstOpen) {
            openValid("first.tbn", first);
        }
        EXPECT_EQ(openRefused(dependent, OpenOutcome::Invalid).problem, ImageProblem::DataChecksum);
        ASSERT_EQ(openFile(standalone).outcome, OpenOutcome::Accepted);
        EXPECT_EQ(image().bytesRead(), 600000u);
        EXPECT_EQ(imageBytes(), refixed(zeroTail));
    }
}

// The file keeps its buffers from one open or save to the next: a short file read after
// long ones, whichever buffer it lands in, opens as it does in a file never used before.
TEST_F(DatabaseFileTest, ShortFileAfterLongOnesOpensAsIfAlone) {
    const Bytes full = kt::fullCapacityImage(3);
    const Bytes other = withTail(kt::smallImage(4), 100);
    Bytes shortImage = kt::smallImage(5);
    std::fill(shortImage.begin() + 300000, shortImage.end(), 0);
    const Bytes shortFile = truncated(refixed(shortImage), 300000);
    const std::string shortPath = writeFile("short.tbn", shortFile);
    ASSERT_EQ(openFile(shortPath).outcome, OpenOutcome::Accepted);
    const Snapshot alone = snapshot();

    const std::string fullPath = writeFile("full.tbn", full);
    const std::vector<std::function<void()>> before = {
        [&] { openValid("full.tbn", full); },
        [&] { ASSERT_TRUE(load(full) && load(other)); },
        [&] {
            openValid("full.tbn", full);
            openValid("other.tbn", other);
            openRefused(writeFile("bad.tbn", flipByte(full, 5000)), OpenOutcome::Invalid);
        },
        [&] {
            openValid("full.tbn", full);
            db().setFavoriteGroupName(1, "Saved");
            ASSERT_EQ(saveFile(fullPath).outcome, SaveOutcome::Written);
            ASSERT_EQ(saveFileAs(path("as.tbn")).outcome, SaveOutcome::Written);
        },
    };
    for (size_t i = 0; i < before.size(); ++i) {
        for (bool byLoad : {false, true}) {
            SetUp();
            before[i]();
            ASSERT_TRUE(byLoad ? load(shortFile)
                               : openFile(shortPath).outcome == OpenOutcome::Accepted);
            EXPECT_TRUE(snapshot() == alone) << i << byLoad;
        }
    }
}

// A reader reads each file as if alone, into the database of the file before once nothing
// holds it, and never over one still held; a refused file gives none.
TEST_F(DatabaseFileTest, ReaderReadsEachFileAsIfAloneAndNeverOverOneHeld) {
    const auto tablesOf = [](const ChannelDatabase& d) {
        return Bytes(d.bytes(), d.bytes() + table::Size);
    };
    const Bytes full = kt::fullCapacityImage(3);
    Bytes shortImage = kt::smallImage(5);
    std::fill(shortImage.begin() + 300000, shortImage.end(), 0);
    const std::string fullPath = writeFile("full.tbn", full);
    const std::string shortPath = writeFile("short.tbn", truncated(refixed(shortImage), 300000));
    ASSERT_EQ(openFile(shortPath).outcome, OpenOutcome::Accepted);
    const Bytes alone = tablesOf(db());

    DatabaseReader reader;
    OpenResult result;
    std::shared_ptr<const ChannelDatabase> first = reader.read(fullPath, result);
    ASSERT_TRUE(first);
    const Bytes fullTables = tablesOf(*first);
    std::shared_ptr<const ChannelDatabase> second = reader.read(shortPath, result);
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(tablesOf(*first), fullTables);
    EXPECT_EQ(tablesOf(*second), alone);

    second.reset();
    first = reader.read(fullPath, result);
    const ChannelDatabase* reused = first.get();
    first.reset();
    second = reader.read(shortPath, result);
    EXPECT_EQ(second.get(), reused);
    EXPECT_EQ(tablesOf(*second), alone);

    EXPECT_EQ(reader.read(writeFile("bad.tbn", flipByte(full, 5000)), result), nullptr);
    EXPECT_EQ(result.outcome, OpenOutcome::Invalid);
    EXPECT_EQ(tablesOf(*second), alone);
}

// A saved file, opened again, gives exactly the image that was saved: edits past the end
// of a short file are written, up to the image's last non-zero byte.
TEST_F(DatabaseFileTest, ShortFileEditedPastItsEndOpensAgainAsTheImageSaved) {
    const size_t length = 500000;  // the covered length still reaches to the image's end
    Bytes image = kt::smallImage(12);
    std::fill(image.begin() + length, image.end(), 0);
    const std::string p = openValid("short.tbn", truncated(refixed(image), length));
    const std::vector<std::function<void()>> edits = {
        [this] { db().setFavoriteGroupName(2, "Renamed"); },
        [this] { db().setChannelName(ChannelCapacity - 1, "Far"); },
        [this] { db().setFavoriteGroupName(2, ""); },  // back to zeros past the end
    };
    SaveOptions overwrite;  // after Save As, the short file is no longer the one last saved
    overwrite.overwriteChanges = true;
    for (size_t i = 0; i < edits.size(); ++i) {
        edits[i]();
        for (bool saveAs : {false, true}) {
            const std::string target = saveAs ? path("as.tbn") : p;
            ASSERT_EQ((saveAs ? saveFileAs(target) : saveFile(target, overwrite)).outcome,
                      SaveOutcome::Written)
                << i;
            const Bytes saved = imageBytes();
            SetUp();
            ASSERT_EQ(openFile(target).outcome, OpenOutcome::Accepted) << i << saveAs;
            EXPECT_EQ(imageBytes(), saved) << i << saveAs;
            EXPECT_GE(kt::readFileBytes(target).size(), length);
        }
    }
    EXPECT_EQ(db().favoriteGroupName(2), "");
    EXPECT_EQ(db().channelName(ChannelCapacity - 1), "Far");
}

TEST_F(DatabaseFileTest, SaveAfterAnEditWritesTheEditKeepingTheLongTail) {
    const Bytes file = withTail(kt::smallImage(31), 9000);
    const std::string p = openValid("long.tbn", file);
    db().setChannelName(4, "Renamed");
    db().setChannelLocked(4, true);
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    const Bytes saved = kt::readFileBytes(p);
    ASSERT_EQ(saved.size(), file.size());
    EXPECT_TRUE(std::equal(saved.begin() + ImageSize, saved.end(), file.begin() + ImageSize));
    EXPECT_EQ(checkImage(saved.data()), ImageProblem::None);

    SetUp();
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    EXPECT_EQ(db().channelName(4), "Renamed");
    EXPECT_TRUE(db().isChannelLocked(4));
    // A second save, with no edit in between, changes nothing.
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    EXPECT_EQ(kt::readFileBytes(p), saved);
}

TEST_F(DatabaseFileTest, DamagedFilesAreRefusedAndChangeNothing) {
    openValid("good.tbn", kt::smallImage());
    const Bytes good = kt::smallImage(41);
    Bytes swapped = good;
    std::swap(swapped[0], swapped[1]);
    kt::TestImageBuilder beyond(41);
    beyond.coveredLength(BodySize + 2);
    const struct {
        Bytes bytes;
        ImageProblem problem;
    } cases[] = {
        {refixed(swapped), ImageProblem::WrongMagic},
        {flipByte(good, 17), ImageProblem::HeaderChecksum},
        {flipByte(good, TransponderRegion + 4), ImageProblem::DataChecksum},
        {beyond.build(), ImageProblem::CoveredLengthTooLong},
        {truncated(good, 100000), ImageProblem::DataChecksum},
        {truncated(good, 31), ImageProblem::ShorterThanHeader},
        {Bytes(), ImageProblem::ShorterThanHeader},
        {truncated(kt::smallImage(), 3), ImageProblem::ShorterThanHeader},
        {truncated(good, 32), ImageProblem::DataChecksum},
    };
    for (const auto& c : cases) {
        const std::string p = writeFile("bad.tbn", c.bytes);
        const OpenResult result = openRefused(p, OpenOutcome::Invalid);
        EXPECT_EQ(result.problem, c.problem) << c.bytes.size();
        EXPECT_EQ(result.bytesRead, c.bytes.size());
    }
}

TEST_F(DatabaseFileTest, UnopenableThingsAreRefusedWithAReason) {
    openValid("good.tbn", kt::smallImage());
    const OpenResult missing = openRefused(path("missing.tbn"), OpenOutcome::CannotOpen);
    EXPECT_FALSE(missing.systemReason.empty());
    const OpenResult folder = openRefused(dir(), OpenOutcome::CannotOpen);
    EXPECT_FALSE(folder.systemReason.empty());
#ifndef _WIN32  // no named pipes among the files of a folder there
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    openRefused(path("pipe"), OpenOutcome::CannotOpen);
    if (permissionBitsRefuse()) {
        const std::string p = writeFile("locked.tbn", kt::smallImage());
        ::chmod(p.c_str(), 0);
        EXPECT_FALSE(openRefused(p, OpenOutcome::CannotOpen).systemReason.empty());
    }
#endif
}

TEST_F(DatabaseFileTest, SaveToADeletedFileFailsAndCreatesNothing) {
    const std::string p = openValid("gone.tbn", kt::smallImage());
    ::unlink(p.c_str());
    const SaveResult result = saveFile(p);
    EXPECT_EQ(result.outcome, SaveOutcome::CannotOpen);
    EXPECT_FALSE(result.systemReason.empty());
    EXPECT_TRUE(folderEntries().empty());
    // Save As creates it anew.
    ASSERT_EQ(saveFileAs(p).outcome, SaveOutcome::Written);
    EXPECT_EQ(kt::readFileBytes(p), kt::smallImage());
}

TEST_F(DatabaseFileTest, SaveAsFailsWhereNoFileCanBeCreated) {
    openValid("good.tbn", kt::smallImage());
    const SaveResult noFolder = saveFileAs(path("no/such/folder/x.tbn"));
    EXPECT_EQ(noFolder.outcome, SaveOutcome::CannotCreate);
    EXPECT_FALSE(noFolder.systemReason.empty());
    EXPECT_EQ(saveFileAs(dir()).outcome, SaveOutcome::CannotCreate);
#ifndef _WIN32
    if (permissionBitsRefuse()) {
        ::mkdir(path("readonly").c_str(), 0555);
        EXPECT_EQ(saveFileAs(path("readonly/x.tbn")).outcome, SaveOutcome::CannotCreate);
    }
#endif
}

TEST_F(DatabaseFileTest, FailedWriteLeavesTheFileAsItWasAndNoTemporaryFile) {
    const Bytes file = withTail(kt::smallImage(51), 77);
    const std::string p = openValid("keep.tbn", file);
    db().setChannelName(0, "Edited");
    const std::string noSpace = std::strerror(ENOSPC);
    auto check = [&](kt::FaultyWriter writer, const std::string& reason, const char* what) {
        ScopedFileWriter scoped(this->file(), writer);
        for (const SaveResult& save : {saveFile(p), saveFileAs(path("new.tbn")), saveFileAs(p)}) {
            EXPECT_EQ(save.outcome, SaveOutcome::WriteError) << what;
            EXPECT_EQ(save.systemReason, reason) << what;
        }
        EXPECT_EQ(kt::readFileBytes(p), file) << what;
        EXPECT_EQ(folderEntries(), std::vector<std::string>{"keep.tbn"}) << what;
    };
    for (size_t limit : {size_t{0}, size_t{1}, size_t{4096}, size_t{ImageSize - 1}}) {
        check(kt::FaultyWriter::failingAfter(limit, ENOSPC), noSpace, "write");
    }
    check(kt::FaultyWriter::failingAtSync(EIO), std::strerror(EIO), "sync");
    // The verified save: a byte that does not read back as written fails the save.
    check(kt::FaultyWriter::flippingByte(ChannelRegion + 3),
          "the new file does not read back as written", "verify");
    EXPECT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    EXPECT_NE(kt::readFileBytes(p), file);
}

TEST_F(DatabaseFileTest, SaveKeepsPermissionsAndNewFilesGetTheDefault) {
#ifdef _WIN32
    GTEST_SKIP() << "no permission bits on Windows; ReplaceFileW carries the access control list";
#else
    const std::string p = openValid("perm.tbn", kt::smallImage());
    ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
    db().setChannelServiceId(1, 4242);
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    struct stat info;
    ASSERT_EQ(::stat(p.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_EQ(saveFileAs(path("fresh.tbn")).outcome, SaveOutcome::Written);
    ASSERT_EQ(::stat(path("fresh.tbn").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
    // Replacing an existing file with Save As keeps that file's permissions too.
    ASSERT_EQ(saveFileAs(p).outcome, SaveOutcome::Written);
    ASSERT_EQ(::stat(p.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
#endif
}

TEST_F(DatabaseFileTest, SavingThroughALinkReplacesTheFileItNames) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege on Windows, and Wine makes none";
#else
    const std::string target = openValid("target.tbn", kt::smallImage());
    const std::string link = path("link.tbn");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    db().setChannelServiceId(2, 777);
    ASSERT_EQ(saveFile(link).outcome, SaveOutcome::Written);
    struct stat info;
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    const Bytes saved = kt::readFileBytes(target);
    EXPECT_EQ(readU16(&saved[ChannelRegion + 2 * ChannelRecordSize + ch::ServiceId]), 777);
    ASSERT_EQ(saveFileAs(link).outcome, SaveOutcome::Written);
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
#endif
}
