#include "core_tables.h"

namespace kavro::coretest {
namespace {

using ChannelDatabaseTest = CoreTest;

// Two databases in one process are apart, and a new one starts with every byte zero.
TEST_F(ChannelDatabaseTest, DatabasesAreValuesThatStartAsZeros) {
    putChannel(3, 0, "x", 9);
    const auto other = std::make_unique<ChannelDatabase>();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(other->bytes()), table::Size),
              std::string(table::Size, '\0'));
    EXPECT_EQ(db->channelServiceId(3), 9);
    EXPECT_EQ(other->channelServiceId(3), 0);
    const auto empty = std::make_unique<ViewIndex>();
    EXPECT_EQ(empty->view(), View::All);
    EXPECT_EQ(empty->viewCount(View::All), 0);
    EXPECT_EQ(empty->satelliteTransponderCount(0), 0);
    // The tables' bytes are the record tables one after another.
    EXPECT_EQ(db->bytes() + table::channel(3), &db->tables().channels[3][0]);
    EXPECT_EQ(db->bytes() + table::favoriteName(2), &db->tables().favoriteNames[2][0]);
    EXPECT_EQ(db->bytes() + table::OpaqueBlockB, db->tables().opaqueBlockB);
}

TEST_F(ChannelDatabaseTest, LivenessFollowsSatelliteAndTransponderIndexes) {
    putTransponder(1, 64);
    putTransponder(2, 65);
    putTransponder(3, DeletedSatelliteIndex);
    putTransponder(4, 200);
    putChannel(0, 1, "live", 1);
    putChannel(1, 2, "sat65", 1);
    putChannel(2, 3, "deleted", 1);
    putChannel(3, 2340, "beyond", 1);
    putChannel(4, 0xEEEE, "free", 1);
    EXPECT_TRUE(db->isLiveTransponder(1));
    for (int t : {2, 3, 4, -1, 2340}) {
        EXPECT_FALSE(db->isLiveTransponder(t)) << t;
    }
    EXPECT_TRUE(db->isLiveChannel(0));
    for (int c : {1, 2, 3, 4, -1, 15360}) {
        EXPECT_FALSE(db->isLiveChannel(c)) << c;
    }
    EXPECT_TRUE(isValidSatellite(0) && isValidSatellite(64));
    EXPECT_FALSE(isValidSatellite(-1) || isValidSatellite(65));
    EXPECT_EQ(satelliteCount(), 65);
    EXPECT_EQ(db->channelSatellite(0), 64);
    EXPECT_FALSE(isValidSatellite(db->channelSatellite(3)));  // no read beyond the table
}

TEST_F(ChannelDatabaseTest, LockBitChangesOnlyBitNine) {
    putChannel(0, 0, "x", 1);
    writeU16(channelBytes(0) + ch::Flags, 0xFFFF);
    db->setChannelLocked(0, false);
    EXPECT_EQ(readU16(channelBytes(0) + ch::Flags), 0xFDFF);
    EXPECT_FALSE(db->isChannelLocked(0));
    writeU16(channelBytes(0) + ch::Flags, 0);
    db->setChannelLocked(0, true);
    EXPECT_EQ(readU16(channelBytes(0) + ch::Flags), 0x0200);
    EXPECT_TRUE(db->isChannelLocked(0));
    EXPECT_TRUE(db->isRadioChannel(0));
}

TEST_F(ChannelDatabaseTest, SixteenCharacterNameEndsAtByte36AndSparesCasBits) {
    uint8_t* rec = channelBytes(5);
    std::memset(rec, 0xAB, ChannelRecordSize);
    db->setChannelName(5, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(rec[36], 0);
    EXPECT_EQ(rec[37], 0xAB);
    EXPECT_EQ(readU16(rec + ch::CasBits), 0xABAB);
    EXPECT_EQ(rec[19], 0xAB);
    EXPECT_EQ(db->channelName(5), "ABCDEFGHIJKLMNOP");
    db->setChannelName(5, "ABCDEFGHIJKLMNOPQRST");  // cut to 16, never past the NUL byte
    EXPECT_EQ(rec[36], 0);
    EXPECT_EQ(rec[37], 0xAB);
    db->setChannelName(5, "ab");
    EXPECT_EQ(db->channelName(5), "ab");
    EXPECT_EQ(rec[ch::Name + 3], 'D');  // bytes after the NUL stay
}

TEST_F(ChannelDatabaseTest, NameReadersStopAtTheirArea) {
    std::memset(channelBytes(0), 'x', ChannelRecordSize);
    EXPECT_EQ(db->channelName(0), std::string(18, 'x'));
    std::memset(db->mutableTables().satellites[2], 's', SatelliteRecordSize);
    EXPECT_EQ(db->satelliteName(2), std::string(44, 's'));
    std::memset(db->mutableTables().favoriteNames, 'f', sizeof db->tables().favoriteNames);
    EXPECT_EQ(db->favoriteGroupName(3), std::string(16, 'f'));
    EXPECT_EQ(db->satelliteName(0), "Astra");
}

TEST_F(ChannelDatabaseTest, FavoriteGroupNameKeepsItsTerminator) {
    std::memset(db->mutableTables().favoriteNames, 'f', sizeof db->tables().favoriteNames);
    db->setFavoriteGroupName(2, "0123456789abcdefXYZ");
    EXPECT_EQ(db->favoriteGroupName(2), "0123456789abcde");
    EXPECT_EQ(db->tables().favoriteNames[2][15], 0);
    EXPECT_EQ(db->tables().favoriteNames[3][0], 'f');
    db->setFavoriteGroupName(2, "News");
    EXPECT_EQ(db->favoriteGroupName(2), "News");
}

TEST_F(ChannelDatabaseTest, FavoriteBitsRefuseOnlyChannelsThatAreNotLive) {
    putChannel(0, 0, "on tp 0", 1);
    EXPECT_TRUE(db->setFavoriteBits(0, 0x1FF));
    EXPECT_EQ(db->channelFavoriteBits(0), 0x1FF);
    EXPECT_TRUE(db->isInFavoriteGroup(0, 8));
    EXPECT_EQ(channelBytes(0)[19], 1);
    EXPECT_FALSE(db->isInFavoriteGroup(0, 16));
    EXPECT_FALSE(db->isInFavoriteGroup(0, -1));
    putChannel(1, 0xEEEE, "free", 1);
    EXPECT_FALSE(db->setFavoriteBits(1, 1));
    EXPECT_FALSE(db->hasFavorites(1));
}

TEST_F(ChannelDatabaseTest, CasTextJoinsBitsZeroToSeven) {
    EXPECT_EQ(casText(0), "");
    EXPECT_EQ(casText(1), "Seca");
    EXPECT_EQ(casText(0x81), "Seca/Other");
    EXPECT_EQ(casText(0x100), "");
    const std::string all = casText(0xFF);
    EXPECT_EQ(all, "Seca/Vi/Ir/CX/CW/Beta/Na/Other");
    EXPECT_EQ(all.size(), 30u);
    EXPECT_EQ(casText(0xFFFF), all);
}

TEST_F(ChannelDatabaseTest, TransponderFieldsAndFrequencyTruncation) {
    putTransponder(7, 3, 11727999, 27500, 1);
    EXPECT_EQ(db->transponderFrequencyMhz(7), 11727);
    db->setTransponderFrequencyMhz(7, 11727);
    EXPECT_EQ(readU32(transponderBytes(7) + tp::FrequencyKhz), 11727000u);
    writeU32(transponderBytes(7) + tp::FrequencyKhz, 0xFFFFFFFF);  // unsigned division
    EXPECT_EQ(db->transponderFrequencyMhz(7), 4294967);
    db->setTransponderSymbolRate(7, 0x12345);
    EXPECT_EQ(db->transponderSymbolRate(7), 0x2345);
    EXPECT_EQ(transponderBytes(7)[tp::Polarization], 1);  // the u16 store spared byte 10
    db->setTransponderPolarization(7, 0x100);
    EXPECT_EQ(db->transponderPolarization(7), 0);
    EXPECT_EQ(db->transponderSatellite(7), 3);
}

TEST_F(ChannelDatabaseTest, SettersStoreTheLowSixteenBitsOfTheirField) {
    std::memset(channelBytes(0), 0x5A, ChannelRecordSize);
    db->setChannelServiceId(0, 0x1FFFF);
    db->setChannelVideoPid(0, 0xE001);
    db->setChannelAudioPid(0, 2);
    db->setChannelPcrPid(0, 3);
    db->setChannelCasBits(0, 0x81);
    EXPECT_EQ(db->channelServiceId(0), 0xFFFF);
    EXPECT_EQ(db->channelVideoPid(0), 0xE001);
    EXPECT_EQ(db->channelAudioPid(0), 2);
    EXPECT_EQ(db->channelPcrPid(0), 3);
    EXPECT_EQ(db->channelCasBits(0), 0x81);
    EXPECT_EQ(channelBytes(0)[10], 0x5A);
    EXPECT_EQ(channelBytes(0)[40], 0x5A);
}

}  // namespace
}  // namespace kavro::coretest
