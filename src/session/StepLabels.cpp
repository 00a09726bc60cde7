#include "StepLabels.h"

#include "database/FieldRules.h"

namespace kavro {

namespace {

std::string withLabel(std::string_view text, std::string_view label) {
    std::string joined(text);
    if (!label.empty()) {
        joined += ' ';
        joined += label;
    }
    return joined;
}

}  // namespace

std::string channelsLabel(std::string_view action, int count) {
    return std::string(action) + " " + std::to_string(count) +
           (count == 1 ? " channel" : " channels");
}

std::string sortLabel(int count, std::string_view keyName) {
    return channelsLabel(SortChannelsLabel, count) + " by " + std::string(keyName);
}

std::string satelliteLabel(std::string_view action, std::string_view name) {
    return withLabel(action, latin1ToUtf8(name));
}

std::string undoText(std::string_view label) {
    return withLabel(UndoText, label);
}

std::string redoText(std::string_view label) {
    return withLabel(RedoText, label);
}

}  // namespace kavro
