// The two ready-made databases of the test-image builder: one at full capacity for the
// limits and the benchmarks, and a small typical one that also serves as the demo database.
// Every name in them is made up.
#include <cstdio>
#include <string>

#include "TestImageBuilder.h"
#include "database/ByteOrder.h"
#include "database/RecordLayout.h"

namespace kavro::testing {

namespace {

constexpr int TranspondersPerSatellite = TransponderCapacity / SatelliteCapacity;  // 36

void setChannelExtras(TestImageBuilder& builder, int c, int casBits, int favoriteBits,
                      bool locked) {
    uint8_t* record = builder.channelRecord(c);
    writeU16(record + ch::CasBits, casBits);
    writeU16(record + ch::FavoriteBits, favoriteBits);
    if (locked) {
        writeU16(record + ch::Flags, readU16(record + ch::Flags) | ChannelFlagLock);
    }
}

void fullSatellitesAndTransponders(TestImageBuilder& builder) {
    char name[40];
    for (int s = 0; s < SatelliteCapacity; ++s) {
        const int position = s * 27 % 1800;  // tenths of a degree
        std::snprintf(name, sizeof name, "Satellite %02d %d.%d%c", s + 1, position / 10 % 180,
                      position % 10, s % 3 == 0 ? 'W' : 'E');
        builder.satellite(s, name);
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        const int k = t % TranspondersPerSatellite;
        const uint32_t frequency = 10714000 + k * 56000 + (t % 7) * 250;
        builder.transponder(t, t / TranspondersPerSatellite, frequency, 22000 + (t % 5) * 1500,
                            t % 2);
    }
}

const char* const SmallSatellites[] = {"Aurora 4.8E",   "Meridian 13.0E", "Solstice 19.2E",
                                       "Kestrel 28.2E", "Vesper 9.0E",    "Halcyon 30.0W"};
const int SmallShownSatellites[] = {0, 1, 2, 3, 5};  // satellite 4 is hidden

const char* const SmallTvNames[] = {
    "Northwind One",   "Northwind Two",   "Bluebell News",  "Copperfield HD",   "Larkspur TV",
    "Orchard Kids",    "Tidewater 24",    "Granite Sports", "Granite Sports 2", "Velvet Cinema",
    "Lantern Docs",    "Harbour Travel",  "Saffron Food",   "Quill Culture",    "Meadow Family",
    "Falcon Movies",   "Cobalt Music TV", "Ember Drama",    "Juniper Weather",  "Summit Shopping",
    "Atlas Science",   "Pebble Toons",    "Crescent HD",    "Ironbridge TV",    "Willow Classics",
    "Beacon Business", "Marble Arts",     "Driftwood TV",   "Parsec Tech",      "Cedar Regional",
    "Kite Comedy",     "Lumen Nature",    "Oakhurst Life",  "Riverbend TV",     "Starling Style",
    "Topaz Motors",    "Umber History",   "Vantage News",   "Wren Learning",    "Zephyr Action"};
const char* const SmallRadioNames[] = {
    "Radio Larkspur",  "Bluebell FM",    "Harbour Radio", "Cobalt Jazz",   "Meadow Folk",
    "Quill Classical", "Tidewater Talk", "Granite Rock",  "Saffron Beats", "Lantern Radio",
    "Velvet Lounge",   "Ember Country",  "Juniper Chill", "Atlas Radio",   "Crescent FM",
    "Willow Oldies",   "Parsec Radio",   "Kite Pop",      "Lumen Ambient", "Zephyr Dance"};
const char* const SmallFavoriteNames[] = {"News",  "Movies", "Sports",   "Kids",
                                          "Music", "Docs",   "Regional", "Travel"};

constexpr int SmallTransponders = 20;
constexpr int SmallTranspondersPerSatellite = 4;

void smallTransponders(TestImageBuilder& builder) {
    static const uint32_t frequencies[SmallTranspondersPerSatellite] = {10743000, 11222500,
                                                                        11727000, 12285000};
    static const int symbolRates[SmallTranspondersPerSatellite] = {22000, 27500, 29900, 27500};
    for (int t = 0; t < SmallTransponders; ++t) {
        const int k = t % SmallTranspondersPerSatellite;
        const int satellite = SmallShownSatellites[t / SmallTranspondersPerSatellite];
        builder.transponder(t, satellite, frequencies[k] + (t / 4) * 19000, symbolRates[k],
                            (t + 1) % 2);
    }
}

// Three channels a transponder: two TV channels and one radio channel.
void smallChannels(TestImageBuilder& builder) {
    for (int t = 0; t < SmallTransponders; ++t) {
        for (int n = 0; n < 3; ++n) {
            const int c = 3 * t + n;
            const bool tv = n < 2;
            const int serviceId = 100 * (t + 1) + n + 1;
            const int video = tv ? 0x200 + 16 * n + t : 0x1FFF;
            const int audio = tv ? video + 1 : 0x300 + t;
            const char* name = tv ? SmallTvNames[2 * t + n] : SmallRadioNames[t];
            builder.channel(c, t, name, serviceId, tv, video, audio, tv ? video : audio);
            const int cas = !tv           ? 0
                            : c % 4 == 1  ? 0x01
                            : c % 7 == 3  ? 0x06
                            : c % 11 == 4 ? 0x48
                                          : 0;
            const int favorites = c % 5 == 0 ? 1 << (c / 5 % 8) : c % 9 == 2 ? 0x11 : 0;
            setChannelExtras(builder, c, cas, favorites, c == 13);  // "Velvet Cinema" locked
        }
    }
}

}  // namespace

Bytes fullCapacityImage(uint32_t seed) {
    TestImageBuilder builder(seed);
    fullSatellitesAndTransponders(builder);
    char name[24];
    for (int c = 0; c < ChannelCapacity; ++c) {
        const bool radio = c % 3 == 2;
        const int t =
            static_cast<int>(static_cast<long>(c) * TransponderCapacity / ChannelCapacity);
        std::snprintf(name, sizeof name, "%s %05d", radio ? "Radio" : "Channel", c + 1);
        const int video = radio ? 0x1FFF : 0x100 + c % 0x1E00;
        builder.channel(c, t, name, (c * 7 + 1) % 65536, !radio, video, 0x100 + (c + 1) % 0x1E00,
                        radio ? 0x1FFF : video);
        setChannelExtras(builder, c, c % 4 == 0 ? (c / 4) % 256 : 0, c % 6 == 0 ? (c / 6) % 256 : 0,
                         c % 13 == 0);
    }
    for (int slot = 0; slot < FavoriteGroupCount; ++slot) {
        builder.favoriteName(slot, "Favourites " + std::to_string(slot + 1));
    }
    return builder.build();
}

Bytes smallImage(uint32_t seed) {
    TestImageBuilder builder(seed);
    for (int s = 0; s < static_cast<int>(std::size(SmallSatellites)); ++s) {
        builder.satellite(s, SmallSatellites[s], s != 4);
    }
    smallTransponders(builder);
    smallChannels(builder);
    for (int slot = 0; slot < FavoriteGroupCount; ++slot) {
        builder.favoriteName(slot, SmallFavoriteNames[slot]);
    }
    return builder.build();
}

}  // namespace kavro::testing
