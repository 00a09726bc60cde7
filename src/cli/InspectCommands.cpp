// check and info: is a file accepted as the editor's Open would accept it, and what it holds.
#include <cstdio>
#include <ostream>
#include <vector>

#include "Commands.h"
#include "TextOutput.h"
#include "ToolSupport.h"
#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"
#include "dbfile/FileSystem.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

std::string hex16(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFFu);
    return text;
}

// Header fields and both checksums, stored and computed, of an image of ImageSize bytes.
void writeHeaderSummary(const uint8_t* image, uint32_t bytesRead, std::ostream& out) {
    const uint8_t* header = image;
    uint8_t zeroed[HeaderSize];
    for (int i = 0; i < HeaderSize; ++i) {
        zeroed[i] = header[i];
    }
    writeU16(zeroed + hdr::HeaderChecksum, 0);
    const int32_t covered = coveredLength(header);

    out << "magic: " << hex16(readU16(header + hdr::Magic)) << "\n";
    out << "dataLength: " << readU32(header + hdr::DataLength) << "\n";
    out << "dataLengthExtra: " << readU16(header + hdr::DataLengthExtra) << "\n";
    out << "covered length: " << covered << "\n";
    out << "data checksum: stored " << hex16(readU16(header + hdr::DataChecksum)) << ", computed ";
    if (covered > BodySize) {
        out << "none (the covered length reaches past the image)\n";
    } else {
        out << hex16(ComputeChecksum(image + HeaderSize, covered)) << "\n";
    }
    out << "header checksum: stored " << hex16(readU16(header + hdr::HeaderChecksum))
        << ", computed " << hex16(ComputeChecksum(zeroed, HeaderSize)) << "\n";
    out << "bytes read: " << bytesRead << "\n";
}

// Every satellite slot with a name or a transponder, those not shown marked.
void writeSatellites(const EditSession& session, std::ostream& out) {
    const ChannelDatabase& db = session.database();
    const ViewIndex& index = session.viewIndex();
    out << "satellites:\n";
    for (int s = 0; s < SatelliteCapacity; ++s) {
        const int transponders = index.satelliteTransponderCount(s);
        if (db.satelliteName(s).empty() && transponders == 0) {
            continue;
        }
        out << "  " << s << ": " << shownText(db.satelliteName(s)) << " (" << transponders
            << (transponders == 1 ? " transponder)" : " transponders)")
            << (db.isSatelliteShown(s) ? "" : " not shown") << "\n";
    }
}

void writeDatabaseSummary(const EditSession& session, std::ostream& out) {
    const ChannelDatabase& db = session.database();
    int shown = 0;
    for (int s = 0; s < SatelliteCapacity; ++s) {
        shown += db.isSatelliteShown(s) ? 1 : 0;
    }
    int transponders = 0;
    for (int t = 0; t < TransponderCapacity; ++t) {
        transponders += db.isLiveTransponder(t) ? 1 : 0;
    }
    out << "shown satellites: " << shown << "\n";
    writeSatellites(session, out);
    out << "live transponders: " << transponders << "\n";
    out << "TV channels: " << session.viewIndex().viewCount(View::Tv) << "\n";
    out << "radio channels: " << session.viewIndex().viewCount(View::Radio) << "\n";
    out << "favourite groups:\n";
    for (int g = 0; g < FavoriteGroupCount; ++g) {
        out << "  " << g + 1 << ": " << shownText(db.favoriteGroupName(g)) << "\n";
    }
}

// The bytes Open would have read, over a zero image, for the summary of a rejected file.
std::vector<uint8_t> readRawImage(const std::string& path, uint32_t& bytesRead) {
    std::vector<uint8_t> image(ImageSize, 0);
    bytesRead = 0;
    if (std::FILE* file = fs::openStream(path, "rb")) {
        bytesRead = static_cast<uint32_t>(std::fread(image.data(), 1, ImageSize, file));
        std::fclose(file);
    }
    return image;
}

bool singleFileArgument(const Arguments& args, std::ostream& err, int& code) {
    if (args.size() != 2) {
        code = usageError(err, args[0] + " takes one argument: FILE");
        return false;
    }
    return true;
}

}  // namespace

int runCheck(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err) {
    int code = ExitOk;
    if (!singleFileArgument(args, err, code)) {
        return code;
    }
    code = loadDatabase(session, args[1], View::All, err);
    if (code == ExitOk) {
        out << "ok\n";
    }
    return code;
}

int runInfo(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err) {
    int code = ExitOk;
    if (!singleFileArgument(args, err, code)) {
        return code;
    }
    code = loadDatabase(session, args[1], View::All, err);
    if (code == ExitRefused) {
        // Rejected: show the header as read, so the failing check can be seen.
        uint32_t bytesRead = 0;
        const std::vector<uint8_t> image = readRawImage(args[1], bytesRead);
        out << "file: " << args[1] << " (rejected)\n";
        writeHeaderSummary(image.data(), bytesRead, out);
        return code;
    }
    if (code != ExitOk) {
        return code;
    }
    out << "file: " << args[1] << "\n";
    const DatabaseImage& image = session.file().image();
    writeHeaderSummary(image.bytes(), image.bytesRead(), out);
    writeDatabaseSummary(session, out);
    return ExitOk;
}

}  // namespace kavro::cli
