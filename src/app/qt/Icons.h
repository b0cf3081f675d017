// The program's icons, drawn at run time so that they scale cleanly.
#pragma once

#include <QIcon>

namespace vmr {

enum class IconKind { App, New, Open, Save, Read, Write, Print, Port, About, Editor };

QIcon MakeIcon(IconKind kind);

} // namespace vmr
