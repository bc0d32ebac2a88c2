#include "core/numbers.h"

#include <gtest/gtest.h>

TEST(NumberConversion, BadTextGivesTheDefault) {
    EXPECT_EQ(core::toInt("42"), 42);
    EXPECT_EQ(core::toInt(" 7 \r\n"), 7);
    EXPECT_EQ(core::toInt("-3"), -3);
    EXPECT_EQ(core::toInt("+5"), 5);
    EXPECT_EQ(core::toInt("", -1), -1);
    EXPECT_EQ(core::toInt("abc", -1), -1);
    EXPECT_EQ(core::toInt("12x", -1), -1);
    EXPECT_EQ(core::toInt("99999999999999999999", -1), -1);
    EXPECT_DOUBLE_EQ(core::toDouble("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(core::toDouble("x", 2.0), 2.0);
}

TEST(NumberConversion, NonFiniteTextGivesTheDefault) {
    for (const char* text : {"inf", "-inf", "infinity", "nan", "NAN", "1e999"}) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(core::toDouble(text, 2.5), 2.5);
    }
}
