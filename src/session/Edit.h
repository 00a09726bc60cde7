// The changes an edit session applies: a small closed set of plain values, each carrying
// everything its apply needs. The window's dialogs, commands and drag-and-drop and the
// tool's script lines all produce these; EditSession::apply is the one path that applies
// them.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "ImportEdit.h"
#include "OrderEdit.h"
#include "RestoreEdit.h"
#include "database/ChannelOrder.h"
#include "database/RecordLayout.h"
#include "database/TableEditing.h"

namespace kavro {

// A transponder of `satellite` in the first free slot, without channels.
struct AddTransponder {
    int satellite = 0;
    int mhz = 0;
    int symbolRate = 0;
    int polarization = 0;  // 0 vertical, 1 horizontal
};

// A frequency equal to the one shown (whole MHz) keeps its stored kHz; a polarization equal
// to the one shown (stored 0: vertical, any other byte: horizontal) or negative (none
// chosen) keeps the stored byte.
struct EditTransponder {
    int transponder = TransponderCapacity;
    int mhz = 0;
    int symbolRate = 0;
    int polarization = 0;
};

// The transponder and every channel on it.
struct DeleteTransponder {
    int transponder = TransponderCapacity;
};

// Add Channel in `view`, which decides radio or TV and whether the video PID may equal the
// audio PID (see NewChannel for CAS and lock).
struct AddChannel {
    View view = View::All;
    int transponder = TransponderCapacity;
    NewChannel channel;
};

// A name equal to the stored one keeps every byte of its area; a PID whose low 13 bits equal
// the stored ones keeps the whole stored word; a negative casBits keeps the stored CAS word.
struct EditChannel {
    int channel = ChannelCapacity;
    std::string name;  // Latin-1 bytes
    int videoPid = 0;
    int audioPid = 0;
    int pcrPid = 0;
    int serviceId = 0;
    bool locked = false;
    int casBits = -1;
};

struct DeleteChannels {
    std::vector<int> channels;
};

// The channels, as one block in their slot order, before the channel in slot `target`
// (MoveToEnd: after the last channel not moved).
struct MoveChannels {
    std::vector<int> channels;
    int target = MoveToEnd;
};

// The channels change places among the slots they hold, sorted by `key`; ties keep their
// order (see sortChannels).
struct SortChannels {
    std::vector<int> channels;
    SortKey key = SortKey::Name;
};

// Replaces the whole favourite word of each channel: bit g is group g + 1.
struct SetFavorites {
    std::vector<int> channels;
    int groups = 0;
};

// New names of favourite groups, slot 0 being group 1. A name equal to the stored one keeps
// every byte of its slot.
struct GroupName {
    int slot = 0;
    std::string name;  // Latin-1 bytes
};
struct RenameGroups {
    std::vector<GroupName> names;
};

// Bit 0 of the satellite's shown flags; every other bit is carried.
struct ShowSatellite {
    int satellite = 0;
    bool shown = true;
};

// A name equal to the stored one keeps every byte of its area; a new one is written with its
// NUL, and the bytes after that NUL are carried.
struct RenameSatellite {
    int satellite = 0;
    std::string name;  // Latin-1 bytes
};

using Edit =
    std::variant<AddTransponder, EditTransponder, DeleteTransponder, AddChannel, EditChannel,
                 DeleteChannels, MoveChannels, SortChannels, SetFavorites, RenameGroups,
                 OrderChannels, ImportChannels, RestoreTables, ShowSatellite, RenameSatellite>;

// What apply did.
struct EditResult {
    bool applied = false;  // false: refused, and nothing changed
    std::string refusal;   // why, in the editor's words
    bool changed = false;  // a byte of the tables changed: the edit became one step
    // Add Transponder and Add Channel: the slot taken.
    int slot = -1;
    // Add Channel: the live channel it filled in place because that held service ID 65535;
    // ChannelCapacity when it took a free slot.
    int replaced = ChannelCapacity;
};

}  // namespace kavro
