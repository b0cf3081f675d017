#include "ShellTestSupport.h"
#include "app/qt/EditorRegistry.h"
#include "app/qt/MainFrame.h"
#include "app/qt/Printing.h"

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextItem>

#include <gtest/gtest.h>

namespace vmr {
namespace {

// A paint device that keeps the texts and lines drawn on it.
class RecordingEngine : public QPaintEngine {
public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts << item.text();
        textPoints << p;
    }
    void drawLines(const QLineF* drawn, int count) override {
        for (int i = 0; i < count; ++i) lines << drawn[i];
    }
    void drawLines(const QLine* drawn, int count) override {
        for (int i = 0; i < count; ++i) lines << QLineF(drawn[i]);
    }
    Type type() const override { return QPaintEngine::User; }

    QStringList texts;
    QList<QPointF> textPoints;
    QList<QLineF> lines;
};

class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return 4800;
        case PdmHeight:
            return 6600;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 600;
        case PdmDepth:
            return 24;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }
    mutable RecordingEngine engine;
};

TEST(PrintPage, HeaderNameAndFooterAreDrawnWithTheirLines) {
    RecordingDevice device;
    QPainter painter(&device);
    DrawCodeplugPage(painter, 4800, 6600, "VMR-417", 1, 1);
    painter.end();
    const RecordingEngine& e = device.engine;
    ASSERT_EQ(e.texts, QStringList({"VMR-417", "-- Page 1 of 1 --"}));
    EXPECT_LT(e.textPoints[0].y(), 400);  // at the top
    EXPECT_GT(e.textPoints[1].y(), 6000); // at the bottom
    ASSERT_EQ(e.lines.size(), 2);
    EXPECT_DOUBLE_EQ(e.lines[0].y1(), e.lines[0].y2()); // horizontal
    EXPECT_LT(e.lines[0].y1(), 400);
    EXPECT_GT(e.lines[1].y1(), 6000);
    EXPECT_LT(e.lines[1].y1(), 6600 - 30);
}

TEST(PrintPage, FontIsTimesOrItsMetricTwin) {
    RecordingDevice device;
    const QFont font = PrintFont(&device);
    EXPECT_EQ(font.pixelSize(), 100); // 12 points at 600 dpi
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family.contains("Times") || family.contains("Liberation Serif") ||
                family.contains("Tinos") || family.contains("Nimbus Roman") ||
                QFontInfo(font).styleHint() == QFont::Serif)
        << family.toStdString();
}

class PrintFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string d = dir.path().toStdString();
        ctx.settings.ModelName = "VMR-417";
        ctx.settings.ModelDataFile = "VMR-417.dat";
        ctx.settings.DefaultDataPath = std::string(VMR_BIN_DIR) + "/Default.dat";
        ctx.ini.SetPath(d + "/Program.ini");
        registry.RegisterView(EditorId::Dtmf, [this](AppContext& c, QWidget*) {
            return view = new test::ByteView(c.image, 0xE001, 32784);
        });
        frame = std::make_unique<CMainFrame>(ctx, registry);
    }
    QTemporaryDir dir;
    AppContext ctx;
    EditorRegistry registry;
    test::ByteView* view = nullptr;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(PrintFrameTest, PrintToPdfCommitsTheEditorsAndWritesOnePage) {
    frame->OpenEditor(EditorId::Dtmf);
    view->edit->setText("17");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    ASSERT_TRUE(frame->PrintTo(printer));
    EXPECT_EQ(ctx.image[0xE001], 17);
    EXPECT_EQ(printer.docName(), "VMR-417");
    QFile pdf(dir.filePath("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
    // The document title, as the PDF keeps it (UTF-16, big-endian).
    QByteArray title;
    for (char c : QByteArray("VMR-417")) title.append('\0').append(c);
    EXPECT_TRUE(bytes.contains(title));
}

TEST_F(PrintFrameTest, PreviewReplacesTheMainWindowUntilItCloses) {
    frame->show();
    frame->OpenEditor(EditorId::Dtmf);
    view->edit->setText("18");
    frame->Command(cmd::kPrintPreview);
    QPrintPreviewDialog* preview = frame->Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(ctx.image[0xE001], 18); // committed first
    EXPECT_EQ(preview->windowTitle(), "Preview");
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(frame->isVisible());
    // A full-screen window, not a small dialog.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(preview->width(), area.width() * 9 / 10);
    EXPECT_GE(preview->height(), area.height() * 9 / 10);
    frame->Command(cmd::kPrintPreview); // already open: no second one
    EXPECT_EQ(frame->Preview(), preview);
    preview->close();
    EXPECT_TRUE(frame->isVisible());
}

} // namespace
} // namespace vmr
