#include "command_line_values.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

TEST(ReadLocalMoment, SecondsFromTheEpochOfTheSameClock) {
    const struct {
        const char* text;
        std::optional<std::int64_t> seconds;
    } rows[] = {
        {"1970-01-01", 0},           {"1970-01-02T01:01", 90060}, {"2000-02-29T23:59", 951868740},
        {"1899-12-31T12:00", -2209032000}, {"2001-02-29", std::nullopt}, {"2000-01-01T24:00", std::nullopt},
        {"2000-01-01T12:60", std::nullopt}, {"2000-1-01T12:00", std::nullopt}, {"2000-01-01t12:00", std::nullopt},
        {"2000-01-01T+1:00", std::nullopt}, {"2000-01-01T12:00Z", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(ReadLocalMoment(row.text), row.seconds) << row.text;
}

TEST(ReadOwnAyanamsa, PlainDecimalsFromZeroToSixtyToTheNearestDouble) {
    const struct {
        const char* text;
        std::optional<double> degrees;
    } rows[] = {
        {"0", 0.0}, {"60", 60.0}, {"23.853222486123456789", 23.853222486123456789}, {".5", 0.5},
        {"60.0000000001", std::nullopt}, {"+1", std::nullopt}, {" 1", std::nullopt}, {"1 ", std::nullopt},
        {"inf", std::nullopt}, {"0x10", std::nullopt}, {"2e1", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(ReadOwnAyanamsa(row.text), row.degrees) << row.text;
}

}  // namespace
}  // namespace grahavani
