#include "ScriptReader.h"

#include <cerrno>
#include <cstring>
#include <istream>

#include "dbfile/FileSystem.h"

namespace kavro::cli {

namespace {

constexpr size_t ChunkSize = 64 * 1024;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

ScriptReader::ScriptReader(std::istream& in) : in_(&in) {}

ScriptReader::ScriptReader(const std::string& path) : file_(fs::openStream(path, "rb")) {
    if (file_ == nullptr) {
        failure_ = std::strerror(errno);
    }
}

ScriptReader::~ScriptReader() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

// Reads the next chunk; false at the end or on a read error (failure_ set).
bool ScriptReader::fill() {
    chunk_.resize(ChunkSize);
    size_t got = 0;
    if (in_ != nullptr) {
        in_->read(chunk_.data(), static_cast<std::streamsize>(ChunkSize));
        got = static_cast<size_t>(in_->gcount());
        if (in_->bad()) {
            failure_ = "read error";
        }
    } else {
        got = std::fread(chunk_.data(), 1, ChunkSize, file_);
        if (got < ChunkSize && std::ferror(file_)) {
            failure_ = std::strerror(errno);
        }
    }
    chunk_.resize(got);
    position_ = 0;
    ended_ = got == 0;
    return got > 0;
}

ScriptReader::Result ScriptReader::next(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (position_ == chunk_.size() && (ended_ || !fill())) {
            if (!failure_.empty()) {
                return Result::ReadError;
            }
            return any ? Result::Line : Result::End;
        }
        any = true;
        const size_t end = chunk_.find('\n', position_);
        const size_t stop = end == std::string::npos ? chunk_.size() : end;
        line.append(chunk_, position_, stop - position_);
        position_ = end == std::string::npos ? stop : end + 1;
        if (first_ && line.size() >= ByteOrderMark.size()) {
            if (line.compare(0, ByteOrderMark.size(), ByteOrderMark) == 0) {
                line.erase(0, ByteOrderMark.size());
            }
            first_ = false;
        }
        if (line.size() > LongestScriptLine) {
            return Result::TooLong;
        }
        if (end != std::string::npos) {
            first_ = false;
            return Result::Line;
        }
    }
}

}  // namespace kavro::cli
