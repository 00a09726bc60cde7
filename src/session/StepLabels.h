// The names of the steps of the history, as the window's Undo and Redo show them ("Undo
// delete 3 channels") and the texts of the tool's refused undo and redo.
#pragma once

#include <string>
#include <string_view>

namespace kavro {

constexpr std::string_view AddTransponderLabel = "add transponder";
constexpr std::string_view EditTransponderLabel = "edit transponder";
constexpr std::string_view DeleteTransponderLabel = "delete transponder";
constexpr std::string_view AddChannelLabel = "add channel";
constexpr std::string_view EditChannelLabel = "edit channel";
constexpr std::string_view DeleteChannelsLabel = "delete";          // "delete 3 channels"
constexpr std::string_view MoveChannelsLabel = "move";              // "move 7 channels"
constexpr std::string_view SortChannelsLabel = "sort";              // "... 40 channels by name"
constexpr std::string_view SetFavoritesLabel = "set favorites of";  // "... 2 channels"
constexpr std::string_view RenameGroupsLabel = "rename favorite groups";
constexpr std::string_view ShowSatelliteLabel = "show satellite";      // "... Aurora 4.8E"
constexpr std::string_view HideSatelliteLabel = "hide satellite";      // "... Aurora 4.8E"
constexpr std::string_view RenameSatelliteLabel = "rename satellite";  // "... Aurora 4.8E"

constexpr std::string_view UndoText = "Undo";
constexpr std::string_view RedoText = "Redo";
constexpr std::string_view NothingToUndoText = "Nothing to undo";
constexpr std::string_view NothingToRedoText = "Nothing to redo";

// "delete 1 channel", "delete 3 channels".
std::string channelsLabel(std::string_view action, int count);
// "sort 40 channels by name": `keyName` is the key's name.
std::string sortLabel(int count, std::string_view keyName);
// "hide satellite Aurora 4.8E": `name` is Latin-1 bytes, the label UTF-8.
std::string satelliteLabel(std::string_view action, std::string_view name);
// "Undo delete 3 channels"; "Undo" alone when there is no step.
std::string undoText(std::string_view label);
std::string redoText(std::string_view label);

}  // namespace kavro
