// The validation rules of the edit dialogs, written once for the dialogs and the
// command-line tool, with their exact messages.
#pragma once

#include <string>
#include <string_view>

namespace kavro {

struct FieldCheck {
    bool ok = true;
    int value = 0;
    std::string message;   // empty when ok
    bool warning = false;  // warning box (range, length, characters) or plain box (integer)
};

// A decimal integer, optionally signed, with blanks or tabs before and after it.
bool parseIntegerField(std::string_view text, int& value);

std::string integerMessage();                  // "Please enter an integer."
std::string rangeMessage(int low, int high);   // "Please enter an integer between %1 and %2."
std::string lengthMessage(int limit);          // "Please enter no more than %1 characters."
std::string latin1Message();

// Integer field, then its range.
FieldCheck checkIntegerField(std::string_view text, int low, int high);
// Text of `characters` characters against its limit.
FieldCheck checkTextLength(int characters, int limit);

// Names are Latin-1 bytes. UTF-8 text converts when every character exists in Latin-1.
bool utf8ToLatin1(std::string_view utf8, std::string& latin1);
std::string latin1ToUtf8(std::string_view latin1);

}  // namespace kavro
