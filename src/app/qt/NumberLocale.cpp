#include "app/qt/NumberLocale.h"

#include <QLocale>

#include <clocale>

namespace vmr {

void UseLocaleFreeNumbers() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(numbers);
}

} // namespace vmr
