#include <gtest/gtest.h>

#include <cstdint>

#include "database/FieldRules.h"
#include "database/ViewIndex.h"

namespace kavro {
namespace {

TEST(FieldRules, IntegerFieldAcceptsSignAndBlanksAround) {
    struct Case {
        const char* text;
        int value;
    } accepted[] = {
        {"0", 0},     {"8191", 8191}, {" \t42\t ", 42},           {"+7", 7},
        {"-12", -12}, {"007", 7},     {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}};
    for (const Case& c : accepted) {
        int value = -99;
        EXPECT_TRUE(parseIntegerField(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    for (const char* text :
         {"", " ", "\t", "+", "-", "1 2", "12a", "0x10", "1.0", "+-1", "- 1", "\n1", "1\n",
          "\xc2\xa0"
          "1"}) {
        int value = -99;
        EXPECT_FALSE(parseIntegerField(text, value)) << text;
        EXPECT_EQ(value, -99);
    }
}

TEST(FieldRules, MessagesAreExact) {
    EXPECT_EQ(integerMessage(), "Please enter an integer.");
    EXPECT_EQ(rangeMessage(0, 8191), "Please enter an integer between 0 and 8191.");
    EXPECT_EQ(rangeMessage(-5, 65535), "Please enter an integer between -5 and 65535.");
    EXPECT_EQ(lengthMessage(16), "Please enter no more than 16 characters.");
    EXPECT_FALSE(latin1Message().empty());
}

TEST(FieldRules, CheckIntegerFieldOrdersTheRules) {
    FieldCheck check = checkIntegerField(" 8191 ", 0, 8191);
    EXPECT_TRUE(check.ok);
    EXPECT_EQ(check.value, 8191);
    EXPECT_TRUE(check.message.empty());

    check = checkIntegerField("abc", 0, 8191);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, "Please enter an integer.");
    EXPECT_FALSE(check.warning);

    for (const char* text : {"8192", "-1", "99999999999", "-99999999999"}) {
        check = checkIntegerField(text, 0, 8191);
        EXPECT_FALSE(check.ok) << text;
        EXPECT_EQ(check.message, "Please enter an integer between 0 and 8191.");
        EXPECT_TRUE(check.warning);
    }
    // A number beyond int is out of range even when the range ends at the int limit.
    EXPECT_FALSE(checkIntegerField("2147483648", 0, 2147483647).ok);
    EXPECT_TRUE(checkIntegerField("2147483647", 0, 2147483647).ok);
}

TEST(FieldRules, ServiceIdStopsBelowTheUnassignedMark) {
    EXPECT_TRUE(checkIntegerField("65534", ServiceIdRange).ok);
    const FieldCheck check = checkIntegerField("65535", ServiceIdRange);
    EXPECT_EQ(check.message, "Please enter an integer between 0 and 65534.");
    EXPECT_EQ(check.field, "Field: Service ID");
    // "Please enter an integer." needs no field: the edit with the focus is the one.
    EXPECT_EQ(checkIntegerField("x", ServiceIdRange).field, "");
}

TEST(FieldRules, MessageLines) {
    EXPECT_EQ(twoLines("A", "B"), "A\nB");
    EXPECT_EQ(twoLines("A", ""), "A");
    EXPECT_EQ(oneLine("Cannot add this channel\nService ID must not be 0."),
              "Cannot add this channel: Service ID must not be 0.");
    EXPECT_EQ(oneLine("Please enter an integer between 0 and 64.\nField: Satellite"),
              "Please enter an integer between 0 and 64. Field: Satellite");
    EXPECT_EQ(oneLine("one line"), "one line");
    EXPECT_EQ(channelTableFullMessage(), "The channel table is full (15,360 channels).");
}

// Add Channel's refusals, each reported at the first field at fault in the dialog's order,
// with the reason that names the field and the rule.
TEST(FieldRules, ChannelAddFaultNamesTheFirstFieldAtFault) {
    using F = ChannelAddFault;
    const char* const differ = "Audio PID must differ from Video PID in the TV and ALL views.";
    const struct {
        View view;
        int video, audio, pcr, serviceId;
        F fault;
        const char* reason;
    } cases[] = {
        {View::All, 1, 2, 3, 4, F::None, ""},
        {View::Tv, 8191, 8190, 1, 65534, F::None, ""},
        {View::Radio, 5, 5, 5, 5, F::None, ""},
        {View::All, 0, 2, 3, 4, F::VideoPid, "Video PID must not be 0."},
        {View::All, 0, 0, 0, 0, F::VideoPid, "Video PID must not be 0."},
        {View::Radio, 0, 5, 5, 5, F::VideoPid, "Video PID must not be 0."},
        {View::All, 8192, 2, 3, 4, F::VideoPid, "Video PID must be between 1 and 8191."},
        {View::All, 1, 0, 3, 4, F::AudioPid, "Audio PID must not be 0."},
        {View::All, 7, 7, 3, 4, F::AudioPid, differ},
        {View::Tv, 7, 7, 0, 0, F::AudioPid, differ},
        {View::Radio, 7, 0, 7, 7, F::AudioPid, "Audio PID must not be 0."},
        {View::All, 1, -2, 3, 4, F::AudioPid, "Audio PID must be between 1 and 8191."},
        {View::All, 1, 2, 0, 4, F::PcrPid, "PCR PID must not be 0."},
        {View::Radio, 1, 1, 0, 0, F::PcrPid, "PCR PID must not be 0."},
        {View::All, 1, 2, 9000, 4, F::PcrPid, "PCR PID must be between 1 and 8191."},
        {View::All, 1, 2, 3, 0, F::ServiceId, "Service ID must not be 0."},
        {View::Radio, 9, 9, 9, 0, F::ServiceId, "Service ID must not be 0."},
    };
    for (const auto& c : cases) {
        const NewChannel channel{"N", c.video, c.audio, c.pcr, c.serviceId};
        const std::string where = std::to_string(viewNumber(c.view)) + " " +
                                  std::to_string(c.video) + " " + std::to_string(c.audio) + " " +
                                  std::to_string(c.pcr) + " " + std::to_string(c.serviceId);
        EXPECT_EQ(channelAddFault(c.view, channel), c.fault) << where;
        EXPECT_EQ(channelAddReason(c.fault, c.view, channel), c.reason) << where;
        EXPECT_EQ(channelAddRefusal(c.view, channel),
                  c.fault == F::None ? "" : "Cannot add this channel\n" + std::string(c.reason))
            << where;
        // A full table refuses before any field.
        EXPECT_EQ(channelAddFault(c.view, channel, false), F::TableFull) << where;
    }
    EXPECT_EQ(channelAddRefusal(View::All, {"N", 1, 2, 3, 4}, false),
              "Cannot add this channel\nThe channel table is full (15,360 channels).");
}

TEST(FieldRules, TextLength) {
    EXPECT_TRUE(checkTextLength(16, 16).ok);
    EXPECT_TRUE(checkTextLength(0, 16).ok);
    FieldCheck check = checkTextLength(17, 16);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, "Please enter no more than 16 characters.");
    EXPECT_TRUE(check.warning);
}

TEST(FieldRules, Latin1Conversion) {
    std::string latin1;
    ASSERT_TRUE(utf8ToLatin1("Caf\xc3\xa9 \xc2\xa0\xc3\xbf", latin1));
    EXPECT_EQ(latin1, "Caf\xe9 \xa0\xff");
    EXPECT_EQ(latin1ToUtf8(latin1), "Caf\xc3\xa9 \xc2\xa0\xc3\xbf");
    std::string all;
    for (int c = 1; c < 256; ++c) {
        all.push_back(static_cast<char>(c));
    }
    ASSERT_TRUE(utf8ToLatin1(latin1ToUtf8(all), latin1));
    EXPECT_EQ(latin1, all);

    latin1 = "kept";
    for (const char* bad : {"\xe2\x82\xac",  // euro sign: beyond Latin-1
                            "\xc4\x80",      // U+0100
                            "\xc3",          // truncated
                            "\xc3\x41",      // no continuation byte
                            "\xc1\xbf",      // overlong
                            "\xe9",          // a Latin-1 byte is not UTF-8
                            "\x80", "\xf0\x9f\x98\x80"}) {
        EXPECT_FALSE(utf8ToLatin1(bad, latin1)) << bad;
    }
    EXPECT_EQ(latin1, "kept");
}

}  // namespace
}  // namespace kavro
