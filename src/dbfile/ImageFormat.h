// Byte layout of the database file image: a 32-byte header followed by the body, in which
// the tables lie at fixed offsets. Offsets are counted from the start of the image.
#pragma once

#include <cstdint>

#include "database/RecordLayout.h"

namespace kavro {

constexpr int ImageSize = 1179680;  // 0x120020, the whole file
constexpr int HeaderSize = 32;
constexpr int BodySize = ImageSize - HeaderSize;  // 1,179,648: the longest covered stretch

constexpr uint16_t ImageMagic = 0xC0CE;  // stored as CE C0

// Header fields.
namespace hdr {
constexpr int Magic = 0;             // u16
constexpr int DataLength = 12;       // u32
constexpr int DataLengthExtra = 20;  // u16, added to DataLength
constexpr int DataChecksum = 24;     // u16, over the covered stretch of the body
constexpr int HeaderChecksum = 26;   // u16, over the 32 header bytes with this field zero
}  // namespace hdr
// Bytes 2..11, 16..19, 22..23 and 28..31 are not interpreted.

// Table regions (image offsets). Stretches between them are not interpreted.
constexpr int ChannelRegion = 0x000020;       // 15,360 x 64 bytes
constexpr int OpaqueBlockARegion = 0x0F0020;  // 16,384 bytes, carried verbatim
constexpr int OpaqueBlockBRegion = 0x0F4020;  // 16,384 bytes, carried verbatim
constexpr int TransponderRegion = 0x100020;   // 2,340 x 28 bytes
constexpr int SatelliteRegion = 0x110020;     // 65 x 52 bytes
constexpr int FavoriteNameRegion = 0x112020;  // 16 x 16 bytes

static_assert(ChannelRegion + ChannelCapacity * ChannelRecordSize == OpaqueBlockARegion);
static_assert(OpaqueBlockARegion + OpaqueBlockSize == OpaqueBlockBRegion);
static_assert(TransponderRegion + TransponderCapacity * TransponderRecordSize == 0x110010);
static_assert(SatelliteRegion + SatelliteCapacity * SatelliteRecordSize == 0x110D54);
static_assert(FavoriteNameRegion + FavoriteNameSlots * FavoriteNameSize == 0x112120);

}  // namespace kavro
