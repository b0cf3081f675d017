// The shared field rules of the editors: repairing a list without a selection,
// validating number boxes when they lose the focus, and stepping spin buttons.
#pragma once

#include "app/FormState.h"

#include <string_view>

namespace vmr {

// Leaves a list that has a selection alone. Otherwise selects entry `value`
// (byText false) or the first entry whose text begins with the decimal text of
// `value` (byText true); a missing entry leaves the list without selection.
void EnsureComboSelection(ComboField& combo, int value, bool byText);

// An integer box losing the focus: empty text gives def; otherwise the leading
// integer (0 if none) is cut down to a multiple of step, and a value outside
// [minimum, maximum] becomes def. Shows the value, or label for 0 with useLabel.
void ValidateIntField(TextField& edit, int minimum, int maximum, int def, int step, bool useLabel,
                      std::string_view label = {});

// The same for a box showing tenths ("12.5"); limits and def are in tenths.
void ValidateTenthsField(TextField& edit, int minimum, int maximum, int def, bool useLabel,
                         std::string_view label = {});

// One spin step from cur by delta (±1 for a click, larger while the button is
// held): an accelerated step lands on a multiple of |delta| without passing
// the previous value (align), and stepping past either end continues at the
// other end.
int SpinStep(long long cur, int delta, SpinRange range, bool align = true);

// Spin handlers for a buddy box holding an integer or tenths. The buddy shows
// the new value, or label when it equals range.minimum and useLabel is set.
void StepIntSpin(TextField& buddy, SpinRange range, int delta, bool useLabel,
                 std::string_view label = {});
void StepTenthsSpin(TextField& buddy, SpinRange range, int delta, bool useLabel,
                    std::string_view label = {});

// The step of a held spin button after heldMs milliseconds, as the platform's
// spin buttons accelerate: 1, then 5 after 2 s, then 20 after 5 s.
int SpinAcceleration(long long heldMs);

// Texts of numbers: decimal integer, and tenths with one decimal ("-0.5").
std::string IntText(long long v);
std::string TenthsText(long long tenths);
// Decimal text times ten, exact and truncated; 0 for a text that is no number.
long long TenthsOf(std::string_view text);

} // namespace vmr
