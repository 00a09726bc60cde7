// Comma-separated values as RFC 4180 has them: a field written for a record, and a text read
// back into its records, whole or as a stream. The texts are UTF-8; the bytes of a field are
// never changed, but for the apostrophe that keeps a spreadsheet from running a field as a
// formula.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The longest field and the most fields of a record read: far beyond any written list.
constexpr size_t LongestCsvField = 64 * 1024;
constexpr size_t MostCsvFields = 1024;

// One field of a UTF-8 text: quoted when it holds a comma, a quote, a control character (a
// line break, say) or blanks at either end, with quotes doubled. A text a spreadsheet would
// take for a formula (starting with = + - @ TAB or CR, after any apostrophes) gets one more
// apostrophe in front, which the reader takes away again. The other characters are kept:
// they are the data.
std::string csvField(std::string_view text);
// The same, appended to `out`.
void appendCsvField(std::string& out, std::string_view text);

// The text with every control character (C0, DEL, the C1 codes) as U+FFFD, as it is shown on a
// terminal.
std::string withoutControls(std::string_view utf8);

using CsvRecord = std::vector<std::string>;

struct CsvProblem {
    int line = 0;         // where the faulty field starts, counted from 1
    std::string message;  // empty when the text was read
};

// Reads records from a text given a piece at a time: fields separated by commas, records by
// CRLF or a lone LF (the last one may be missing), a quoted field holding anything, quotes
// doubled inside it. A UTF-8 byte-order mark at the start is skipped; blank lines are no
// records. Fails, with the problem, for a quote inside an unquoted field, text after a
// closing quote, a quoted field that never ends, a field longer than LongestCsvField or a
// record of more than MostCsvFields fields. Holds one record at a time.
class CsvStreamReader {
public:
    // Takes a record; false stops the reading (the sink says why).
    using Sink = std::function<bool(CsvRecord& record)>;

    explicit CsvStreamReader(Sink sink) : sink_(std::move(sink)) {}

    // The next piece of the text; false when reading stopped.
    bool feed(std::string_view piece);
    // The end of the text; false when reading stopped.
    bool finish();
    const CsvProblem& problem() const { return problem_; }

private:
    enum class State { FieldStart, Bare, BareCr, Quoted, QuoteSeen, QuoteSeenCr };

    bool take(char c);
    bool fail(int line, std::string message);
    bool endField();
    bool endRecord();
    bool append(char c);

    Sink sink_;
    CsvProblem problem_;
    State state_ = State::FieldStart;
    CsvRecord record_;
    std::string field_;
    std::string start_;  // the first bytes, until it is known whether they are a byte-order mark
    bool started_ = false;
    bool stopped_ = false;
    int line_ = 1;
    int fieldLine_ = 1;
};

// Reads every record of a whole `text` as CsvStreamReader does.
bool readCsv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem);

}  // namespace kavro
