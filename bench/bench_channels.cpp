// The channel table with its widgets in place (offscreen): refreshing it from
// the image and committing it back, on a bank A with all 800 channels in use;
// and the program's start-up to the first painted main window.
#include "app/AppContext.h"
#include "app/qt/EditorRegistry.h"
#include "app/qt/MainFrame.h"
#include "app/qt/Places.h"
#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "editors/channels/qt/ProgramView.h"
#include "image/CodeplugFile.h"
#include "image/OptionTables.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using namespace vmr;

std::string DefaultDat() {
    return (QCoreApplication::applicationDirPath() + "/Default.dat").toStdString();
}

// Every channel of bank A in use, each different from its neighbours; shift
// moves every frequency and name so that two images differ in every cell.
void FillBank(AppContext& ctx, int shift) {
    for (int n = 1; n <= kChannelsPerBank; ++n) {
        const int rx = 14400000 + 2500 * ((n + shift) % 1200);
        FillDefaultRecord(ctx.image, RecordOffset(n), rx, ctx.bandLimits);
        ChannelRecord r(ctx.image, RecordOffset(n));
        r.Set(Field::Power, (n + shift) % 4);
        r.Set(Field::Scan, (n + shift) % 3);
        r.Set(Field::Bandwidth, (n + shift) % 3);
        r.Set(Field::DecodeType, (n + shift) % 4);
        r.SetCtcss(670 + (n + shift) % 100);
        const std::string name = "CH" + std::to_string((n + shift) % 1000);
        r.SetName(name);
    }
}

struct Table {
    AppContext ctx;
    std::unique_ptr<CProgramView> view;
    Table() {
        LoadDefaultData(DefaultDat(), ctx.image, ctx.tones);
        SeedDefaultSlots(ctx.image, ctx.bandLimits);
        FillBank(ctx, 0);
        view = std::make_unique<CProgramView>(ctx);
        view->resize(1100, 700);
        view->show();
        QCoreApplication::processEvents();
        view->RefreshFromImage();
        QCoreApplication::processEvents();
    }
};

// A window switch back to an unchanged image.
void BM_RefreshFromImage_Unchanged(benchmark::State& state) {
    Table t;
    for (auto _ : state) t.view->RefreshFromImage();
}
BENCHMARK(BM_RefreshFromImage_Unchanged)->Unit(benchmark::kMillisecond);

// After a read or an open: every cell of the 800 rows changes.
void BM_RefreshFromImage_AllCellsChange(benchmark::State& state) {
    Table t;
    AppContext other;
    LoadDefaultData(DefaultDat(), other.image, other.tones);
    other.bandLimits = t.ctx.bandLimits;
    FillBank(other, 1);
    const RadioImage images[2] = {other.image, t.ctx.image};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        t.ctx.image = images[i++ % 2];
        state.ResumeTiming();
        t.view->RefreshFromImage();
    }
}
BENCHMARK(BM_RefreshFromImage_AllCellsChange)->Unit(benchmark::kMillisecond);

// A window switch away, a save or a write: 800 rows and the consistency pass.
void BM_CommitToImage(benchmark::State& state) {
    Table t;
    for (auto _ : state) t.view->CommitToImage();
}
BENCHMARK(BM_CommitToImage)->Unit(benchmark::kMillisecond);

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Start-up as the program runs it: settings, main window with the default data
// and the channel table, shown and painted.
void BM_StartUpToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        AppContext ctx;
        ctx.settings = StartUpSettings(PlatformSettingsPlaces(), ctx.ini);
        EditorRegistry registry;
        RegisterEditors(registry);
        auto frame = std::make_unique<CMainFrame>(ctx, registry);
        FirstPaint watch;
        frame->installEventFilter(&watch);
        frame->show();
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        frame->removeEventFilter(&watch);
        frame.reset();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
