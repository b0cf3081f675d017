// Numbers on screen look the same on every machine: "145.12500", never
// "145,12500", whatever language the desktop is set to.
#pragma once

namespace vmr {

// Makes the C library's number functions and the Qt widgets (spin boxes,
// validators) use a decimal point and no group separators. Call once after the
// application object exists: it sets the process locale from the environment.
void UseLocaleFreeNumbers();

} // namespace vmr
