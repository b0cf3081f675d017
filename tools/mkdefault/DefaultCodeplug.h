// The factory codeplug, built from named values.
#pragma once

#include "image/RadioImage.h"

namespace vmr {

void BuildDefaultCodeplug(RadioImage& image, ToneStandardTable& tones);

} // namespace vmr
