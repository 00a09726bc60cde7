#include "CsvText.h"

namespace kavro {

namespace {

// A C0 control, DEL, or (as two bytes of UTF-8) a C1 control at text[i].
bool controlAt(std::string_view text, size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
        return true;
    }
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        return next >= 0x80 && next <= 0x9F;
    }
    return false;
}

// Reads the records one field at a time, counting lines for the problems it reports.
class CsvReader {
public:
    CsvReader(std::string_view text, CsvProblem& problem) : text_(text), problem_(problem) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") {
            text_.remove_prefix(3);
        }
    }

    bool read(std::vector<CsvRecord>& records) {
        records.clear();
        CsvRecord record;
        while (at_ < text_.size()) {
            std::string field;
            if (!readField(field)) {
                return false;
            }
            record.push_back(std::move(field));
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                if (at_ < text_.size()) {
                    continue;
                }
                record.emplace_back();  // a last empty field without a line end
            }
            endRecord(record, records);
        }
        return true;
    }

private:
    bool fail(int line, std::string message) {
        problem_.line = line;
        problem_.message = std::move(message);
        return false;
    }

    // After the last field of a record: its line end, if any. A record of one empty field
    // is a blank line.
    void endRecord(CsvRecord& record, std::vector<CsvRecord>& records) {
        if (text_.substr(at_, 2) == "\r\n") {
            at_ += 2;
        } else if (at_ < text_.size()) {
            ++at_;  // '\n' (readField stops only at ',', '\n' and "\r\n")
        }
        if (!(record.size() == 1 && record[0].empty())) {
            records.push_back(std::move(record));
        }
        record.clear();
        ++line_;
    }

    bool readField(std::string& field) {
        return at_ < text_.size() && text_[at_] == '"' ? readQuoted(field) : readBare(field);
    }

    bool readBare(std::string& field) {
        const size_t start = at_;
        while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' &&
               text_.substr(at_, 2) != "\r\n") {
            if (text_[at_] == '"') {
                return fail(line_, "a quote inside an unquoted field");
            }
            ++at_;
        }
        field.assign(text_.substr(start, at_ - start));
        return true;
    }

    bool readQuoted(std::string& field) {
        const int startLine = line_;
        ++at_;
        for (;;) {
            const size_t quote = text_.find('"', at_);
            if (quote == std::string_view::npos) {
                return fail(startLine, "a quoted field that never ends");
            }
            const std::string_view part = text_.substr(at_, quote - at_);
            for (char c : part) {
                line_ += c == '\n' ? 1 : 0;
            }
            field.append(part);
            at_ = quote + 1;
            if (at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' &&
                text_.substr(at_, 2) != "\r\n") {
                return fail(line_, "text after the closing quote of a field");
            }
            return true;
        }
    }

    std::string_view text_;
    CsvProblem& problem_;
    size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

std::string csvField(std::string_view text) {
    bool quote = text.find_first_of(",\"") != std::string_view::npos ||
                 (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    for (size_t i = 0; i < text.size() && !quote; ++i) {
        quote = controlAt(text, i);
    }
    if (!quote) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
    return out;
}

bool readCsv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem) {
    problem = CsvProblem();
    return CsvReader(text, problem).read(records);
}

}  // namespace kavro
