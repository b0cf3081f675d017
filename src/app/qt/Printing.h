// The printed page of the main window: the codeplug name as header and the
// page number as footer, in a 12-point Times New Roman (or its metric twin).
#pragma once

#include <QFont>
#include <QString>

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace vmr {

// The print font for a device of the given vertical resolution.
QFont PrintFont(const QPaintDevice* device);

// Draws one page's header and footer; the painter is mapped 1:1 to device
// units, and the page is width x height of them.
void DrawCodeplugPage(QPainter& painter, int width, int height, const QString& name, int page,
                      int pages);

// Prints the job of one page onto printer (which may be a PDF file).
// Returns false when the printer cannot be started.
bool PrintCodeplug(QPrinter& printer, const QString& name);

} // namespace vmr
