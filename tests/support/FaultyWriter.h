// The one file writer the tests put in place of the real one (with ScopedFileWriter): it
// writes for real up to a point and then fails, as a full disk or a failing device would,
// or writes everything with one byte changed. A test may also stall or end the process at
// the fault.
#pragma once

#include <cstdint>
#include <functional>

#include "dbfile/FileWriter.h"

namespace kavro::testing {

class FaultyWriter : public FileWriter {
public:
    // Writes the first `limit` bytes of a save, then fails with `error`.
    static FaultyWriter failingAfter(size_t limit, int error);
    // Writes everything; the sync fails with `error`.
    static FaultyWriter failingAtSync(int error);
    // Writes everything, the byte at `offset` of the new file changed.
    static FaultyWriter flippingByte(uint64_t offset);

    // Runs when the fault is reached, before it is reported.
    std::function<void()> atFault;

    fs::Status write(const fs::File& file, uint64_t offset, const uint8_t* data,
                     size_t size) override;
    fs::Status sync(const fs::File& file) override;

    size_t bytesWritten() const { return written_; }

private:
    enum class Fault { WriteLimit, Sync, FlipByte };
    FaultyWriter(Fault fault, uint64_t where, int error)
        : fault_(fault), where_(where), error_(error) {}
    fs::Status fail();

    Fault fault_;
    uint64_t where_;
    int error_;
    size_t written_ = 0;
};

}  // namespace kavro::testing
