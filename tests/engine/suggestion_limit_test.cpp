#include <gtest/gtest.h>

#include "engine/suggestion_limit.h"

namespace morvane {
namespace {

TEST(SuggestionLimitTest, ReadsNumbersRoundingHalvesToEven) {
    EXPECT_EQ(ParseInteger16(u"25"), 25);
    EXPECT_EQ(ParseInteger16(u"12.5"), 12);
    EXPECT_EQ(ParseInteger16(u"13.5"), 14);
    EXPECT_EQ(ParseInteger16(u"0.5"), 0);
    EXPECT_EQ(ParseInteger16(u"1.5"), 2);
    EXPECT_EQ(ParseInteger16(u"2.50001"), 3);
    EXPECT_EQ(ParseInteger16(u"2.4999"), 2);
    EXPECT_EQ(ParseInteger16(u" 7 "), 7);
    EXPECT_EQ(ParseInteger16(u"+8"), 8);
    EXPECT_EQ(ParseInteger16(u"-3"), -3);
    EXPECT_EQ(ParseInteger16(u"1e2"), 100);
    EXPECT_EQ(ParseInteger16(u"1.5E1"), 15);
    EXPECT_EQ(ParseInteger16(u".75"), 1);
    EXPECT_EQ(ParseInteger16(u"0.0000001"), 0);
    EXPECT_EQ(ParseInteger16(u"0010"), 10);
    EXPECT_EQ(ParseInteger16(u"32767"), 32767);
    EXPECT_EQ(ParseInteger16(u"-32768"), -32768);
    EXPECT_EQ(ParseInteger16(u"32767.4"), 32767);
}

TEST(SuggestionLimitTest, RefusesWhatIsNotASixteenBitNumber) {
    for (const char16_t* text : {u"", u"  ", u"ten", u"10a", u"1 0", u"32768", u"-32769", u"32767.5", u"1e9",
                                 u"1e", u".", u"-", u"99999999999999999999"}) {
        EXPECT_EQ(ParseInteger16(text), std::nullopt) << "text: " << std::string(text, text + std::char_traits<char16_t>::length(text));
    }
}

TEST(SuggestionLimitTest, TheSearchAcceptsZeroToItsLimit) {
    EXPECT_EQ(ParseSuggestionLimit(u"0"), 0);
    EXPECT_EQ(ParseSuggestionLimit(u"10"), 10);
    EXPECT_EQ(ParseSuggestionLimit(u"32767"), 32767);
    EXPECT_EQ(ParseSuggestionLimit(u"-1"), std::nullopt);
    EXPECT_EQ(ParseSuggestionLimit(u"-0.4"), 0);
    EXPECT_EQ(ParseSuggestionLimit(u"x"), std::nullopt);
}

}  // namespace
}  // namespace morvane
