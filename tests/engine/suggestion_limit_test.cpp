#include <gtest/gtest.h>

#include "engine/suggestion_limit.h"

namespace morvane {
namespace {

TEST(SuggestionLimitTest, ReadsSixteenBitNumbersRoundingHalvesToEvenAndRefusesAllElse) {
    const std::pair<const char16_t*, std::optional<int>> cases[] = {
        {u"25", 25}, {u"12.5", 12}, {u"13.5", 14}, {u"0.5", 0}, {u"1.5", 2}, {u"2.50001", 3},
        {u"2.4999", 2}, {u" 7 ", 7}, {u"+8", 8}, {u"-3", -3}, {u"1e2", 100}, {u"1.5E1 ", 15},
        {u".75", 1}, {u"0.0000001", 0}, {u"0010", 10}, {u"32767", 32767}, {u"-32768", -32768},
        {u"32767.4", 32767}, {u"", {}}, {u"  ", {}}, {u"ten", {}}, {u"10a", {}}, {u"1 0", {}},
        {u"32768", {}}, {u"-32769", {}}, {u"32767.5", {}}, {u"1e9", {}}, {u"1e", {}}, {u".", {}},
        {u"-", {}}, {u"99999999999999999999", {}}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseInteger16(text), expected)
            << "text: " << std::string(text, text + std::char_traits<char16_t>::length(text));
    }
}

TEST(SuggestionLimitTest, TheSearchAcceptsZeroToItsLimit) {
    EXPECT_EQ(ParseSuggestionLimit(u"0"), 0);
    EXPECT_EQ(ParseSuggestionLimit(u"32767"), 32767);
    EXPECT_EQ(ParseSuggestionLimit(u"-1"), std::nullopt);
    EXPECT_EQ(ParseSuggestionLimit(u"-0.4"), 0);
    EXPECT_EQ(ParseSuggestionLimit(u"x"), std::nullopt);
}

}  // namespace
}  // namespace morvane
