// Reads an edit script a line at a time from standard input or a file, holding at most one
// chunk and one line in memory, however long the input (a script of /dev/zero is refused at
// its first line instead of filling the memory).
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>

namespace kavro::cli {

// The longest script line taken, line break not counted.
constexpr size_t LongestScriptLine = 1024 * 1024;

class ScriptReader {
public:
    enum class Result { Line, End, TooLong, ReadError };

    // From a stream (standard input).
    explicit ScriptReader(std::istream& in);
    // From a file opened by the reader; see isOpen() and failure().
    explicit ScriptReader(const std::string& path);
    ~ScriptReader();
    ScriptReader(const ScriptReader&) = delete;
    ScriptReader& operator=(const ScriptReader&) = delete;

    bool isOpen() const { return in_ != nullptr || file_ != nullptr; }
    // The next line, without its line break; a UTF-8 byte-order mark at the very start of
    // the script is skipped.
    Result next(std::string& line);
    // Why the file could not be opened or read.
    const std::string& failure() const { return failure_; }

private:
    bool fill();

    std::istream* in_ = nullptr;
    std::FILE* file_ = nullptr;
    std::string failure_;
    std::string chunk_;
    size_t position_ = 0;
    bool ended_ = false;
    bool first_ = true;
};

}  // namespace kavro::cli
