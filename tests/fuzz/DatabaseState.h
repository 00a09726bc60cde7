// Everything an open or an edit may change in a session's database, captured into reusable
// buffers so that a fuzz run can compare it cheaply.
#pragma once

#include <cstdint>
#include <memory>
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

// A session kept from one input to the next, each input starting at a base file. What an
// input leaves in it (its undo steps, what its last edit planned) is forgotten when the input
// ends, however it ends: the next input would otherwise free it, and libFuzzer runs any input
// whose allocations and frees do not balance a second time, looking for a leak.
class BaseSession {
public:
    // Readies the session for an input on `base`: loads it, unless the input before ended
    // with the session at this very base. True when it was loaded now.
    bool startAt(const std::vector<uint8_t>& base);
    // The input's checks found the tables at the base again.
    void backAtBase() { atBase_ = true; }
    EditSession& session() { return *session_; }

    // Ends the input it was made for when it goes.
    class Input {
    public:
        explicit Input(BaseSession& owner) : owner_(owner) {}
        ~Input();
        Input(const Input&) = delete;
        Input& operator=(const Input&) = delete;

    private:
        BaseSession& owner_;
    };

private:
    std::unique_ptr<EditSession> session_ = std::make_unique<EditSession>();
    const std::vector<uint8_t>* base_ = nullptr;
    bool atBase_ = false;
};

}  // namespace kavro::fuzzing
