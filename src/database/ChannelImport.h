// Copying transponders and channels from another database: which of its records this
// database already holds, what an import of a chosen part of it would do, and doing it.
//
// Satellites pair by name (the k-th satellite of a name there with the k-th of that name
// here); a transponder is held here when this database has a live one of the paired
// satellite with the same MHz and polarization; a channel when a live channel here has its
// transponder's key and its service ID and, where that key is not enough, its name. All of
// this is judged against this database as it stands before the import.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "RecordLayout.h"
#include "TableEditing.h"

namespace kavro {

class ChannelDatabase;

constexpr int NoMatch = -1;
// After a message about a record that names the other database's slot.
constexpr const char* InOtherDatabase = " in the other database";

// How the records of the other database stand against this one.
struct ImportMatch {
    // Per satellite slot there: its namesake here, NoMatch when none.
    std::array<int, SatelliteCapacity> satellites{};
    // Per transponder slot there: the transponder here it is, NoMatch when there is none or
    // the slot is not live.
    std::vector<int> transponders;
    // Per channel slot there: the channel here it is, NoMatch when none or not live.
    std::vector<int> channels;
};

void matchImport(const ChannelDatabase& here, const ChannelDatabase& other, ImportMatch& match);

// Favourite groups of a copied or updated channel: by number (the stored bits as they are)
// or by name (the group here of the same name; a group whose name is not here is dropped).
enum class FavoriteMatch { ByNumber, ByName };

// What to import: transponder slots of the other database (added when not here, without
// any channel not named) and its channel slots (with their transponder).
struct ImportRequest {
    std::vector<int> transponders;
    std::vector<int> channels;
    bool update = false;  // channels held here take the other's fields and groups
    FavoriteMatch favorites = FavoriteMatch::ByNumber;
    int before = MoveToEnd;  // the copies go before this live channel, or at the end
};

enum class ImportFate { Copied, Updated, Present, NotImportable };

// One channel named by the request, in the other database's order.
struct ImportItem {
    int source = 0;  // channel slot there
    ImportFate fate = ImportFate::Copied;
    int partner = NoMatch;  // Updated, Present: the channel here
    std::string reason;     // NotImportable: why
};

// What an import would do to this database as it stands.
struct ImportPlan {
    std::string refusal;  // empty when it may be applied; then nothing changes
    std::vector<ImportItem> channels;
    std::vector<std::string> notImportable;  // one reason per satellite or record refused
    // Transponder slots there to add, in slot order, and the free slots here they take.
    std::vector<int> newTransponders;
    std::vector<int> transponderSlots;
    std::array<int, SatelliteCapacity> satelliteTarget{};  // as ImportMatch::satellites
    // Per transponder slot there: where its channels point here (NoMatch: not imported).
    std::vector<int> transponderTarget;
    // Channel slots there copied, in order, and the free slots here they first take.
    std::vector<int> copies;
    std::vector<int> copySlots;
    // Favourite bit g there becomes bit groupTarget[g] here (NoMatch: dropped).
    std::array<int, 16> groupTarget{};
    std::vector<std::string> droppedGroups;  // names of groups there not found here
    int copied = 0;
    int updated = 0;
    int present = 0;
    int refused = 0;           // channels not importable
    int firstChannelSlot = 0;  // channel records from here to the end may change
    int before = MoveToEnd;
};

void planImport(const ChannelDatabase& here, const ChannelDatabase& other, const ImportMatch& match,
                const ImportRequest& request, ImportPlan& plan);

// Applies an accepted plan made against `here` as it is. `buffer` holds moved records.
void applyImport(ChannelDatabase& here, const ChannelDatabase& other, const ImportPlan& plan,
                 std::vector<uint8_t>& buffer);

// "12 channels copied, 3 updated, 40 skipped as present, 2 not importable".
std::string importCountsText(const ImportPlan& plan);

}  // namespace kavro
