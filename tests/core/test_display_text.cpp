#include "core_tables.h"
#include "database/DisplayText.h"

namespace kavro::coretest {
namespace {

using DisplayTextTest = CoreTest;

TEST_F(DisplayTextTest, TreeItemTexts) {
    putTransponder(0, 0, 11727999, 27500, 1);
    putTransponder(1, 0, 3800000, 6111, 0);
    putChannel(0, 0, "a", 1);
    putChannel(1, 0, "b", 2, false);
    rebuild();
    EXPECT_EQ(satelliteItemText(*db, *index, 0), "Astra (2 TPs, 2 CHs)");
    EXPECT_EQ(satelliteItemText(*db, *index, 1), "Hotbird (0 TPs, 0 CHs)");
    EXPECT_EQ(transponderItemText(*db, *index, 0), "11727H 27500 (2 CHs)");
    EXPECT_EQ(transponderItemText(*db, *index, 1), " 3800V  6111");
    rebuild(View::Radio);
    EXPECT_EQ(transponderItemText(*db, *index, 0), "11727H 27500 (1 CHs)");
    EXPECT_EQ(transponderShortText(*db, 0), "11727H");
    EXPECT_EQ(transponderShortText(*db, 1), "3800V");
}

TEST_F(DisplayTextTest, LongestSatelliteNameIsShownWhole) {
    std::string name(44, 'N');
    putSatellite(3, name);
    putTransponder(5, 3);
    putChannel(0, 5, "x", 1);
    rebuild();
    EXPECT_EQ(satelliteItemText(*db, *index, 3), name + " (1 TPs, 1 CHs)");
    EXPECT_EQ(channelCellText(*db, 0, 0, ColumnSat).view(), name);
}

TEST_F(DisplayTextTest, DefaultChannelNames) {
    EXPECT_EQ(defaultChannelName(View::All, 1), "Video CH   1");
    EXPECT_EQ(defaultChannelName(View::Tv, 100), "Video CH 100");
    EXPECT_EQ(defaultChannelName(View::Radio, 12), "Radio CH  12");
    EXPECT_EQ(defaultChannelName(View::Radio, 1234), "Radio CH 1234");
}

TEST_F(DisplayTextTest, ListCellsOfAChannel) {
    putTransponder(0, 1, 10714000, 22000, 0);
    putChannel(12, 0, "Radio One", 5, false);
    writeU16(channelBytes(12) + ch::CasBits, 0x81);
    writeU16(channelBytes(12) + ch::FavoriteBits, 0x100);
    writeU16(channelBytes(12) + ch::Flags, ChannelFlagLock);
    const char* expected[] = {"0007",       "Hotbird", "10714V", "Radio One[R]",
                              "Seca/Other", "V",       "V",      "12"};
    for (int column = 0; column < ListColumnCount; ++column) {
        CellText cell = channelCellText(*db, 7, 12, column);
        EXPECT_EQ(cell.view(), expected[column]) << column;
        EXPECT_EQ(cell.text[cell.length], 0);
    }
    putChannel(13, 0, "TV", 6);
    EXPECT_EQ(channelCellText(*db, 0, 13, ColumnChannel).view(), "TV");
    EXPECT_EQ(channelCellText(*db, 0, 13, ColumnCas).view(), "");
    EXPECT_EQ(channelCellText(*db, 0, 13, ColumnFav).view(), "");
    EXPECT_EQ(channelCellText(*db, 0, 13, ColumnLock).view(), "");
    EXPECT_EQ(channelCellText(*db, 15359, 13, ColumnNo).view(), "15359");
    putTransponder(0, 1, 900000, 22000, 3);
    EXPECT_EQ(channelCellText(*db, 0, 13, ColumnTp).view(), "  900H");
}

TEST_F(DisplayTextTest, LongestCellsFitTheirBuffer) {
    std::memset(channelBytes(0) + ch::Name, 'z', 18);  // no NUL in the name area
    writeU16(channelBytes(0) + ch::Flags, 0);
    writeU16(channelBytes(0) + ch::CasBits, 0xFF);
    EXPECT_EQ(channelCellText(*db, 0, 0, ColumnChannel).view(), std::string(18, 'z') + "[R]");
    EXPECT_EQ(channelCellText(*db, 0, 0, ColumnCas).view().size(), 30u);
}

}  // namespace
}  // namespace kavro::coretest
