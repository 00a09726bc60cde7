#include "CsvText.h"

#include <algorithm>

namespace kavro {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

// The length of the control character at text[i] (a C0 control, DEL, or as two bytes of
// UTF-8 a C1 control); 0 when there is none.
size_t controlAt(std::string_view text, size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
        return 1;
    }
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        return next >= 0x80 && next <= 0x9F ? 2 : 0;
    }
    return 0;
}

// True for a text that starts, after any apostrophes, with what a spreadsheet takes for the
// start of a formula.
bool formulaLike(std::string_view text) {
    const size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}

}  // namespace

std::string csvField(std::string_view text) {
    std::string out;
    appendCsvField(out, text);
    return out;
}

void appendCsvField(std::string& out, std::string_view text) {
    // The apostrophe that guards a formula is neither a blank nor a control character, so
    // the text alone tells whether the field is quoted.
    const bool guard = formulaLike(text);
    bool quote = text.find_first_of(",\"") != std::string_view::npos ||
                 (!text.empty() && ((!guard && text.front() == ' ') || text.back() == ' '));
    for (size_t i = 0; i < text.size() && !quote; ++i) {
        quote = controlAt(text, i) > 0;
    }
    out += quote ? "\"" : "";
    out += guard ? "'" : "";
    if (!quote) {
        out += text;
        return;
    }
    for (size_t at = 0; at < text.size();) {  // each quote doubled
        const size_t end = std::min(text.find('"', at), text.size());
        out += text.substr(at, end - at);
        if (end < text.size()) {
            out += "\"\"";
        }
        at = end + 1;
    }
    out += '"';
}

std::string withoutControls(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        if (const size_t length = controlAt(utf8, i)) {
            out += ReplacementCharacter;
            i += length;
        } else {
            out += utf8[i++];
        }
    }
    return out;
}

bool CsvStreamReader::fail(int line, std::string message) {
    problem_.line = line;
    problem_.message = std::move(message);
    stopped_ = true;
    return false;
}

bool CsvStreamReader::append(char c) {
    if (field_.size() >= LongestCsvField) {
        return fail(fieldLine_,
                    "a field longer than " + std::to_string(LongestCsvField) + " bytes");
    }
    field_ += c;
    return true;
}

bool CsvStreamReader::endField() {
    if (record_.size() >= MostCsvFields) {
        return fail(line_, "a record of more than " + std::to_string(MostCsvFields) + " fields");
    }
    // The apostrophe the writer put before a formula goes.
    if (field_.size() > 1 && field_.front() == '\'' && formulaLike(field_)) {
        field_.erase(0, 1);
    }
    record_.push_back(std::move(field_));
    field_.clear();
    state_ = State::FieldStart;
    fieldLine_ = line_;
    return true;
}

// A record of one empty field is a blank line.
bool CsvStreamReader::endRecord() {
    if (!endField()) {
        return false;
    }
    ++line_;
    fieldLine_ = line_;
    const bool blank = record_.size() == 1 && record_[0].empty();
    const size_t fields = record_.size();
    const bool go = blank || sink_(record_);
    record_.clear();
    record_.reserve(fields);  // records mostly have as many fields, and a sink may take it
    if (!go) {
        stopped_ = true;
    }
    return go;
}

bool CsvStreamReader::take(char c) {
    switch (state_) {
        case State::FieldStart:
            fieldLine_ = line_;
            if (c == '"') {
                state_ = State::Quoted;
                return true;
            }
            state_ = State::Bare;
            return take(c);
        case State::Bare:
            if (c == ',') {
                return endField();
            }
            if (c == '\n') {
                return endRecord();
            }
            if (c == '\r') {
                state_ = State::BareCr;
                return true;
            }
            return c == '"' ? fail(line_, "a quote inside an unquoted field") : append(c);
        case State::BareCr:
            if (c == '\n') {
                return endRecord();
            }
            state_ = State::Bare;
            return append('\r') && take(c);
        case State::Quoted:
            if (c == '"') {
                state_ = State::QuoteSeen;
                return true;
            }
            line_ += c == '\n' ? 1 : 0;
            return append(c);
        case State::QuoteSeen:
            if (c == '"') {
                state_ = State::Quoted;
                return append('"');
            }
            if (c == ',') {
                return endField();
            }
            if (c == '\n') {
                return endRecord();
            }
            if (c == '\r') {
                state_ = State::QuoteSeenCr;
                return true;
            }
            return fail(line_, "text after the closing quote of a field");
        case State::QuoteSeenCr:
            return c == '\n' ? endRecord() : fail(line_, "text after the closing quote of a field");
    }
    return false;
}

bool CsvStreamReader::feed(std::string_view piece) {
    if (!started_) {
        const size_t want = std::min(piece.size(), ByteOrderMark.size() - start_.size());
        start_.append(piece.substr(0, want));
        piece.remove_prefix(want);
        if (start_.size() < ByteOrderMark.size()) {
            return !stopped_;
        }
        started_ = true;
        const std::string start = std::move(start_);
        if (start != ByteOrderMark && !feed(start)) {
            return false;
        }
    }
    for (char c : piece) {
        if (stopped_ || !take(c)) {
            return false;
        }
    }
    return !stopped_;
}

bool CsvStreamReader::finish() {
    if (!started_) {
        started_ = true;
        const std::string start = std::move(start_);
        if (start != ByteOrderMark && !feed(start)) {
            return false;
        }
    }
    if (stopped_) {
        return false;
    }
    switch (state_) {
        case State::FieldStart:
            // A last empty field after a comma, without a line end.
            return record_.empty() || endRecord();
        case State::BareCr:
            return append('\r') && endRecord();
        case State::Bare:
        case State::QuoteSeen:
            return endRecord();
        case State::Quoted:
            return fail(fieldLine_, "a quoted field that never ends");
        case State::QuoteSeenCr:
            return fail(line_, "text after the closing quote of a field");
    }
    return false;
}

bool readCsv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem) {
    records.clear();
    CsvStreamReader reader([&records](CsvRecord& record) {
        records.push_back(std::move(record));
        return true;
    });
    const bool read = reader.feed(text) && reader.finish();
    problem = reader.problem();
    return read;
}

}  // namespace kavro
