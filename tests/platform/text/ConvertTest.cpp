#include "platform/text/Convert.h"

#include <gtest/gtest.h>

using namespace text;

TEST(Convert, DecimalAndHexadecimalWholeNumbers) {
    EXPECT_EQ(parseInteger("12"), 12);
    EXPECT_EQ(parseInteger("-5"), -5);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("0x1F"), 31);
    EXPECT_EQ(parseInteger("0X10"), 16);
    EXPECT_EQ(parseInteger("$FF"), 255);
    EXPECT_EQ(parseInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
}

TEST(Convert, AnythingElseIsNotANumber) {
    for (const char* bad :
         {"", "yes", "1.5", " 1", "1 ", "0x", "-", "12a", "2147483648", "0x100000000", "１２"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
    EXPECT_EQ(toIntegerOr("yes", 1), 1);
    EXPECT_EQ(toIntegerOr("0", 1), 0);
}

TEST(Convert, ConversionErrorCarriesTheRuntimeText) {
    try {
        toInteger("16.5");
        FAIL();
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'16.5' is not a valid integer value");
    }
}
