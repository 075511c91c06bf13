// Numbers typed into the dialogs' fields and shown in them.
#include <gtest/gtest.h>

#include <string>

#include "editing/FieldNumbers.h"

namespace oskava {
namespace {

TEST(FieldNumbersTest, WhatAFieldTakesForANumber) {
    struct Case {
        std::string text;
        std::optional<double> value;
    };
    for (const Case& c :
         {Case{"12.5", 12.5}, Case{"  -3e-2 ", -0.03}, Case{"+7", 7.0}, Case{".5", 0.5},
          Case{"", std::nullopt}, Case{"   ", std::nullopt}, Case{"1,5", std::nullopt},
          Case{"2 3", std::nullopt}, Case{"12abc", std::nullopt}, Case{"inf", std::nullopt},
          Case{"nan", std::nullopt}, Case{"1e999", std::nullopt},
          Case{std::string{'4', '\0', '1'}, std::nullopt}}) {
        EXPECT_EQ(ParseFieldNumber(c.text), c.value) << c.text;
    }
}

TEST(FieldNumbersTest, FieldsShowFifteenSignificantDigits) {
    EXPECT_EQ(FormatFieldNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatFieldNumber(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatFieldNumber(1e20), "1e+20");
    EXPECT_EQ(FieldRangeRefusal(0, 10000), "Enter a number between 0 and 10000.");
}

}  // namespace
}  // namespace oskava
