#include "app/qt/Printing.h"

#include "app/Shell.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace vmr {

QFont PrintFont(const QPaintDevice* device) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"),
                      QStringLiteral("Times"), QStringLiteral("serif")});
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    // 12 points for the device's vertical resolution.
    const int dpi = device ? device->logicalDpiY() : 96;
    font.setPixelSize(std::max(1, 12 * dpi / 72));
    return font;
}

namespace {
QRect ToQRect(const Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}
} // namespace

void DrawCodeplugPage(QPainter& painter, int width, int height, const QString& name, int page,
                      int pages) {
    painter.save();
    const QFont font = PrintFont(painter.device());
    const QFontMetrics fm(font, painter.device());
    const QString sample = QString::fromLatin1(kMetricsSample);
    const int cw = fm.horizontalAdvance(sample) / static_cast<int>(sample.size());
    const int ch = fm.height();
    const PageLayout layout = LayOutPage(width, height, cw, ch);

    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(Qt::black, 0));

    const QRect header = ToQRect(layout.header);
    painter.drawText(header, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, name);
    painter.drawLine(layout.header.left, layout.header.bottom, layout.header.right,
                     layout.header.bottom);

    painter.drawLine(layout.footer.left, layout.footer.top, layout.footer.right, layout.footer.top);
    painter.drawText(ToQRect(layout.footerText),
                     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromStdString(PageFooterText(page, pages)));
    painter.restore();
}

bool PrintCodeplug(QPrinter& printer, const QString& name) {
    printer.setDocName(name);
    printer.setFromTo(1, 1);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The whole job is one page: the body stays empty.
    DrawCodeplugPage(painter, painter.device()->width(), painter.device()->height(), name, 1, 1);
    return painter.end();
}

} // namespace vmr
