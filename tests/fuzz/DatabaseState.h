// Everything an open or an edit may change in the process-wide database, captured into
// reusable buffers so that a fuzz run can compare and restore it cheaply.
#pragma once

#include <cstdint>
#include <vector>

namespace kavro::fuzzing {

class DatabaseState {
public:
    // Copies the tables (marks included), the image, the working header, the byte count
    // and the current view.
    void capture();
    // Puts the captured state back and rebuilds the view index.
    void restore() const;
    // Same tables, image, header, count and view as now.
    bool matchesCurrent() const;

    const std::vector<uint8_t>& image() const { return image_; }

private:
    std::vector<uint8_t> tables_;
    std::vector<uint8_t> image_;
    std::vector<uint8_t> header_;
    uint32_t bytesRead_ = 0;
    int view_ = 0;
};

}  // namespace kavro::fuzzing
