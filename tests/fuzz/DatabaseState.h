// Everything an open or an edit may change in a session's database, captured into reusable
// buffers so that a fuzz run can compare it cheaply.
#pragma once

#include <cstdint>
#include <vector>

#include "database/View.h"

namespace kavro {
class EditSession;
}

namespace kavro::fuzzing {

class DatabaseState {
public:
    // Copies the tables, the image, the working header, the byte count and the view.
    void capture(const EditSession& session);
    // Same tables, image, header, count and view as the session now.
    bool matches(const EditSession& session) const;

    const std::vector<uint8_t>& image() const { return image_; }
    const std::vector<uint8_t>& tables() const { return tables_; }

private:
    std::vector<uint8_t> tables_;
    std::vector<uint8_t> image_;
    std::vector<uint8_t> header_;
    uint32_t bytesRead_ = 0;
    View view_ = View::All;
};

// Empties a session kept from one input to the next when an input's checks end, however they
// end. What an input leaves there (its undo steps, each with allocations of its own) would
// otherwise be freed by the next input, and libFuzzer runs any input whose allocations and
// frees do not balance a second time, looking for a leak.
class ResetWhenDone {
public:
    explicit ResetWhenDone(EditSession& session) : session_(session) {}
    ~ResetWhenDone();
    ResetWhenDone(const ResetWhenDone&) = delete;
    ResetWhenDone& operator=(const ResetWhenDone&) = delete;

private:
    EditSession& session_;
};

}  // namespace kavro::fuzzing
