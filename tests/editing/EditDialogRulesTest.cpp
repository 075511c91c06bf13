// What the editing dialogs accept: numbers typed into their fields and shown in them,
// and the checks of the noise and delete-electrode dialogs with their words.
#include <gtest/gtest.h>

#include <string>

#include "editing/EditDialogRules.h"
#include "editing/FieldNumbers.h"

namespace oskava {
namespace {

TEST(FieldNumbersTest, WhatAFieldTakesForANumberAndShows) {
    struct Case {
        std::string text;
        std::optional<double> value;
    };
    for (const Case& c :
         {Case{"12.5", 12.5}, Case{"  -3e-2 ", -0.03}, Case{"", std::nullopt},
          Case{"1,5", std::nullopt}, Case{"2 3", std::nullopt}, Case{"inf", std::nullopt},
          Case{"nan", std::nullopt}, Case{"1e999", std::nullopt},
          Case{std::string{'4', '\0', '1'}, std::nullopt}}) {
        EXPECT_EQ(ParseFieldNumber(c.text), c.value) << c.text;
    }
    // Fifteen significant digits.
    EXPECT_EQ(FormatFieldNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatFieldNumber(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatFieldNumber(1e20), "1e+20");
}

TEST(EditDialogRules, NoiseEntriesAreCheckedInOrderWithTheDialogsWords) {
    struct Case {
        const char* percent;
        const char* minimum;
        const char* message;
        int control;
    };
    const Case cases[] = {
        {"500", " 0.5 ", "", 0},
        {"500.5", "1", "Enter a number between 0 and 500.", control::Percent},
        {"5x", "1", "Enter a number.", control::Percent},
        {"5", "", "Enter a number.", control::Minimum},
        {"5", "100.5", "Enter a number between 0 and 100.", control::Minimum},
        {"5", "0", "Minimum must be greater than 0.", control::Minimum},
    };
    for (const Case& c : cases) {
        NoiseFields fields;
        const Refusal refusal = ReadNoiseEntries(c.percent, c.minimum, fields);
        EXPECT_EQ(refusal.message, c.message) << c.percent << " " << c.minimum;
        EXPECT_EQ(refusal.control, c.control) << c.percent << " " << c.minimum;
        if (!refusal.Refused()) {
            EXPECT_EQ(std::pair(fields.percent, fields.minimum), std::pair(500.0, 0.5));
        }
    }
}

TEST(EditDialogRules, DeleteElectrodeNeedsANumberAndABox) {
    DeleteElectrodeFields fields;
    EXPECT_EQ(ReadDeleteElectrodeEntries("ten", true, false, fields).control, control::Location);
    EXPECT_EQ(ReadDeleteElectrodeEntries("10", false, false, fields).message,
              "Transmitter and/or receiver must be checked.");
    EXPECT_FALSE(ReadDeleteElectrodeEntries("-2.5", false, true, fields).Refused());
    EXPECT_EQ(fields.location, -2.5);
    EXPECT_TRUE(fields.receiver);
}

}  // namespace
}  // namespace oskava
