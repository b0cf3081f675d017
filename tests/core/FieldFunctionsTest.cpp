#include "app/FieldFunctions.h"

#include <gtest/gtest.h>

namespace vmr {
namespace {

TEST(SpinStep, SingleStepsWrapAtBothEnds) {
    struct Case {
        long long cur;
        int delta;
        int min, max;
        int expected;
    } cases[] = {
        {0, +1, 0, 30, 1},  {0, -1, 0, 30, 30}, // "Off" steps up to 1, down wraps to 30
        {15, +1, 0, 15, 0}, {30, +1, 1, 30, 1}, {1, -1, 1, 30, 30},
        {7, -1, 0, 15, 6},  {99, +1, 0, 15, 0}, {-4, -1, 0, 15, 15},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpinStep(c.cur, c.delta, {c.min, c.max}), c.expected)
            << c.cur << " by " << c.delta;
}

TEST(SpinStep, AcceleratedStepsLandOnMultiplesWithoutOvershooting) {
    EXPECT_EQ(SpinStep(17, +5, {0, 100}), 20);
    EXPECT_EQ(SpinStep(17, -5, {0, 100}), 15);
    EXPECT_EQ(SpinStep(20, +5, {0, 100}), 25);
    EXPECT_EQ(SpinStep(3, -5, {0, 100}), 0); // -2 is negative: lands on 0
    EXPECT_EQ(SpinStep(98, +5, {0, 100}), 100);
    EXPECT_EQ(SpinStep(99, +20, {0, 100}), 100);
    EXPECT_EQ(SpinStep(17, -5, {0, 100}, false), 12); // without alignment
}

TEST(SpinStep, AcceleratedStepPastTheEndWraps) {
    EXPECT_EQ(SpinStep(28, +5, {0, 30}), 30);
    EXPECT_EQ(SpinStep(30, +5, {0, 30}), 0);
    EXPECT_EQ(SpinStep(2, -5, {1, 30}), 30); // lands on 0, below the minimum
}

TEST(StepSpin, LabelStandsForTheMinimum) {
    TextField buddy;
    buddy.text = "Off";
    StepIntSpin(buddy, {0, 30}, +1, true, "Off");
    EXPECT_EQ(buddy.text, "1");
    StepIntSpin(buddy, {0, 30}, -1, true, "Off");
    EXPECT_EQ(buddy.text, "Off");
    StepIntSpin(buddy, {0, 30}, -1, true, "Off");
    EXPECT_EQ(buddy.text, "30");

    TextField tenths;
    tenths.text = "2.5";
    StepTenthsSpin(tenths, {0, 30}, +1, false);
    EXPECT_EQ(tenths.text, "2.6");
    StepTenthsSpin(tenths, {0, 30}, +5, false);
    EXPECT_EQ(tenths.text, "3.0");
    StepTenthsSpin(tenths, {0, 30}, +1, true, "Off");
    EXPECT_EQ(tenths.text, "Off");
}

TEST(ValidateIntField, EmptyStepRangeAndLabel) {
    struct Case {
        const char* text;
        int step;
        bool useLabel;
        const char* expected;
    } cases[] = {
        {"23", 5, false, "20"},  {"", 5, false, "10"},
        {"abc", 1, true, "Off"}, {"0", 1, false, "0"},
        {"250", 1, false, "10"}, {"-3", 1, false, "10"},
        {"7x", 1, false, "7"},   {"99999999999999", 1, false, "10"},
    };
    for (const Case& c : cases) {
        TextField f;
        f.text = c.text;
        ValidateIntField(f, 0, 200, 10, c.step, c.useLabel, "Off");
        EXPECT_EQ(f.text, c.expected) << '"' << c.text << '"';
    }
}

TEST(ValidateTenthsField, ReadsExactTenths) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"12.5", "12.5"}, {"0.29", "0.2"}, {"", "1.0"},    {"4", "4.0"},
        {"0", "Off"},     {"30.1", "1.0"}, {"1.1", "1.1"},
    };
    for (const Case& c : cases) {
        TextField f;
        f.text = c.text;
        ValidateTenthsField(f, 0, 300, 10, true, "Off");
        EXPECT_EQ(f.text, c.expected) << '"' << c.text << '"';
    }
}

TEST(EnsureComboSelection, RepairsOnlyAMissingSelection) {
    ComboField combo = DropList({"67.0", "100.0", "123.0"});
    combo.current = 2;
    EnsureComboSelection(combo, 0, false);
    EXPECT_EQ(combo.current, 2); // an existing selection stays, default or not

    combo.current = -1;
    EnsureComboSelection(combo, 1, false);
    EXPECT_EQ(combo.current, 1);

    combo.current = -1;
    EnsureComboSelection(combo, 123, true);
    EXPECT_EQ(combo.current, 2);

    combo.current = -1;
    EnsureComboSelection(combo, 7, false);
    EXPECT_EQ(combo.current, -1);
    EnsureComboSelection(combo, 55, true);
    EXPECT_EQ(combo.current, -1);
}

TEST(SpinAcceleration, FollowsTheHeldTime) {
    EXPECT_EQ(SpinAcceleration(0), 1);
    EXPECT_EQ(SpinAcceleration(1999), 1);
    EXPECT_EQ(SpinAcceleration(2000), 5);
    EXPECT_EQ(SpinAcceleration(5000), 20);
}

} // namespace
} // namespace vmr
