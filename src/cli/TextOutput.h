// Quoting for the tool's output formats. Texts handed in are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kavro::cli {

// A JSON string literal, quotes included: '"' and '\' escaped, control characters as
// \n, \t, ... or \u00XX.
std::string jsonString(std::string_view text);

// One RFC 4180 field: quoted when it holds a comma, a quote, a line break or blanks at
// either end, with quotes doubled.
std::string csvField(std::string_view text);

// A cell of the tab-separated text output: tabs and line breaks inside it become blanks,
// so that every row stays one line of eight fields.
std::string plainCell(std::string_view text);

// Latin-1 bytes as UTF-8, ready for plainCell, csvField or jsonString.
std::string utf8Text(std::string_view latin1);

}  // namespace kavro::cli
