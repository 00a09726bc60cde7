// Comma-separated values as RFC 4180 has them: a field written for a record, and a text read
// back into its records. The texts are UTF-8; the bytes of a field are never changed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// One field of a UTF-8 text: quoted when it holds a comma, a quote, a control character (a
// line break, say) or blanks at either end, with quotes doubled. The characters themselves
// are kept: they are the data.
std::string csvField(std::string_view text);

using CsvRecord = std::vector<std::string>;

struct CsvProblem {
    int line = 0;         // where the faulty field starts, counted from 1
    std::string message;  // empty when the text was read
};

// Reads every record of `text`: fields separated by commas, records by CRLF or a lone LF
// (the last one may be missing), a quoted field holding anything, quotes doubled inside it.
// A UTF-8 byte-order mark at the start is skipped; blank lines are no records. False, with
// the problem, for a quote inside an unquoted field, text after a closing quote, or a quoted
// field that never ends.
bool readCsv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem);

}  // namespace kavro
