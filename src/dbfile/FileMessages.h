// The first lines of the messages about a file that the window and kavro-tool both give;
// the next line names the file and the reason. The window shows them translated.
#pragma once

#include <string_view>

namespace kavro {

constexpr std::string_view FileOpenFailedText = "File open failed!";
constexpr std::string_view FileReadFailedText = "File read failed! The database shown was kept.";
constexpr std::string_view InvalidFileText = "Invalid DB file!";
constexpr std::string_view FileCreateFailedText = "File create failed!";
constexpr std::string_view FileWriteFailedText = "File write failed! The file was left as it was.";

}  // namespace kavro
