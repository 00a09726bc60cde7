// Words and numbers put together on the stack and appended to a text at once: one append
// where there would be one for each, which counts where thousands of texts are written.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace kavro {

class Words {
public:
    // More than any words put together with it: a few names, words and numbers. What would
    // go beyond is left out.
    static constexpr size_t Size = 160;

    Words() {}  // no bytes cleared: only those put are read
    // Words known when compiled, copied at their known length.
    template <size_t N>
    Words& operator<<(const char (&words)[N]) {
        return put(words, N - 1);
    }
    Words& operator<<(std::string_view words) { return put(words.data(), words.size()); }
    // `value` in decimal, as std::to_string writes it.
    Words& operator<<(int value) {
        size_ =
            static_cast<size_t>(std::to_chars(bytes_ + size_, bytes_ + Size, value).ptr - bytes_);
        return *this;
    }
    void appendTo(std::string& text) const { text.append(bytes_, size_); }

private:
    Words& put(const char* words, size_t length) {
        if (length <= Size - size_) {
            std::memcpy(bytes_ + size_, words, length);
            size_ += length;
        }
        return *this;
    }

    char bytes_[Size];
    size_t size_ = 0;
};

}  // namespace kavro
