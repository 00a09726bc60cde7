// Capacities, record sizes, field offsets and sentinels of the channel database tables.
// The record layouts are at the same time the layouts of the file's table regions.
#pragma once

namespace kavro {

// Table capacities. Records are addressed by their index in their table.
constexpr int SatelliteCapacity = 65;
constexpr int TransponderCapacity = 2340;  // also "no transponder"
constexpr int ChannelCapacity = 15360;     // also "no channel"
constexpr int FavoriteNameSlots = 16;
constexpr int FavoriteGroupCount = 8;  // groups the user interface offers (slots 0..7)

// Record sizes in bytes.
constexpr int SatelliteRecordSize = 52;
constexpr int TransponderRecordSize = 28;
constexpr int ChannelRecordSize = 64;
constexpr int FavoriteNameSize = 16;
constexpr int OpaqueBlockSize = 16384;

// Sentinels.
constexpr int DeletedSatelliteIndex = 238;       // satelliteIndex of a deleted transponder
constexpr int DeletedTransponderIndex = 0xEEEE;  // transponderIndex of a free channel slot
constexpr int UnassignedServiceId = 0xFFFF;      // key of the find-or-allocate step

// SatelliteRecord (52 bytes).
namespace sat {
constexpr int ShownFlags = 1;  // u8, bit 0: shown in the tree; other bits carried
constexpr int Name = 8;        // NUL-terminated, up to the end of the record
constexpr int NameArea = SatelliteRecordSize - Name;
constexpr int NameLimit = NameArea - 1;  // characters a name may have, its NUL in the area
}  // namespace sat

// TransponderRecord (28 bytes).
namespace tp {
constexpr int SatelliteIndex = 0;  // u8, 0..64 live, 238 deleted, anything above 64 free
constexpr int FrequencyKhz = 4;    // u32
constexpr int SymbolRate = 8;      // u16
constexpr int Polarization = 10;   // u8, 0 vertical, non-zero horizontal
}  // namespace tp

// ChannelRecord (64 bytes).
namespace ch {
constexpr int TransponderIndex = 0;  // u16, 0xEEEE marks a free slot
constexpr int ServiceId = 2;         // u16
constexpr int AudioPid = 4;          // u16, low 13 bits
constexpr int VideoPid = 6;          // u16, low 13 bits
constexpr int PcrPid = 8;            // u16, low 13 bits
constexpr int Flags = 12;            // u16, see ChannelFlag*
constexpr int FavoriteBits = 18;     // u16, bit g: member of favourite group g
constexpr int Name = 20;             // up to 16 characters; a 16-character name's NUL is byte 36
constexpr int NameTail = 36;         // u16, channel add writes 0
constexpr int CasBits = 38;          // u16, bit n: CasNames[n]
constexpr int NameLimit = 16;        // characters a channel name may have
constexpr int NameArea = 18;         // bytes 20..37 a reader may scan for the NUL
}  // namespace ch

constexpr int ChannelFlagTv = 0x0002;    // set: TV channel, clear: radio channel
constexpr int ChannelFlagLock = 0x0200;  // channel locked
constexpr int PidLimit = 8191;           // largest 13-bit PID
constexpr int PidMask = 0x1FFF;          // the PID bits of a stored PID word

constexpr int FavoriteNameLimit = FavoriteNameSize - 1;  // characters, the NUL keeps its byte

}  // namespace kavro
