#include "app/FieldFunctions.h"

#include "image/Codecs.h"

#include <cmath>
#include <string>

namespace vmr {

namespace {

long long Clamp64(double v) {
    if (!(v == v)) return 0;
    if (v > 1e15) return 1000000000000000LL;
    if (v < -1e15) return -1000000000000000LL;
    return static_cast<long long>(std::trunc(v));
}

} // namespace

std::string IntText(long long v) {
    return std::to_string(v);
}

std::string TenthsText(long long tenths) {
    const bool neg = tenths < 0;
    const unsigned long long a = neg ? 0ULL - static_cast<unsigned long long>(tenths)
                                     : static_cast<unsigned long long>(tenths);
    std::string s = neg ? "-" : "";
    s += std::to_string(a / 10);
    s += '.';
    s += static_cast<char>('0' + a % 10);
    return s;
}

long long TenthsOf(std::string_view text) {
    return Clamp64(DecimalMul(ParseLeadingNumber(text), 10.0));
}

void EnsureComboSelection(ComboField& combo, int value, bool byText) {
    if (combo.current >= 0 && combo.current < static_cast<int>(combo.items.size())) return;
    combo.current = -1;
    if (!byText) {
        if (value >= 0 && value < static_cast<int>(combo.items.size())) combo.current = value;
        return;
    }
    const std::string prefix = IntText(value);
    for (std::size_t i = 0; i < combo.items.size(); ++i) {
        if (combo.items[i].starts_with(prefix)) {
            combo.current = static_cast<int>(i);
            return;
        }
    }
}

namespace {

void ShowValue(TextField& edit, long long v, bool useLabel, std::string_view label, bool tenths) {
    if (v == 0 && useLabel)
        edit.text = std::string(label);
    else
        edit.text = tenths ? TenthsText(v) : IntText(v);
}

} // namespace

void ValidateIntField(TextField& edit, int minimum, int maximum, int def, int step, bool useLabel,
                      std::string_view label) {
    long long v = def;
    if (!edit.text.empty()) {
        v = AtoI(edit.text);
        if (step > 1) v -= v % step;
        if (v < minimum || v > maximum) v = def;
    }
    ShowValue(edit, v, useLabel, label, false);
}

void ValidateTenthsField(TextField& edit, int minimum, int maximum, int def, bool useLabel,
                         std::string_view label) {
    long long v = def;
    if (!edit.text.empty()) {
        v = TenthsOf(edit.text);
        if (v < minimum || v > maximum) v = def;
    }
    ShowValue(edit, v, useLabel, label, true);
}

int SpinStep(long long cur, int delta, SpinRange range, bool align) {
    const long long a = delta < 0 ? -static_cast<long long>(delta) : delta;
    long long v = cur + delta;
    if (align && a != 1 && a != 0 && v % a != 0) {
        if (delta > 0)
            v -= v % a;
        else if (v < 0)
            v = 0;
        else
            v = v + a - v % a;
    }
    if (v < range.minimum || v > range.maximum) v = delta > 0 ? range.minimum : range.maximum;
    return static_cast<int>(v);
}

void StepIntSpin(TextField& buddy, SpinRange range, int delta, bool useLabel,
                 std::string_view label) {
    const int v = SpinStep(AtoI(buddy.text), delta, range);
    if (v == range.minimum && useLabel)
        buddy.text = std::string(label);
    else
        buddy.text = IntText(v);
}

void StepTenthsSpin(TextField& buddy, SpinRange range, int delta, bool useLabel,
                    std::string_view label) {
    const int v = SpinStep(TenthsOf(buddy.text), delta, range);
    if (v == range.minimum && useLabel)
        buddy.text = std::string(label);
    else
        buddy.text = TenthsText(v);
}

int SpinAcceleration(long long heldMs) {
    if (heldMs >= 5000) return 20;
    if (heldMs >= 2000) return 5;
    return 1;
}

} // namespace vmr
