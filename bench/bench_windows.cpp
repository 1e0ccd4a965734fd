// Benchmarks of the figure windows: one update (bars read, computation, texts, display
// list), one repaint of the surface into an image at device-pixel ratio 1 and 2, and a
// sustained thumb drag through the event loop.
#include "testkit.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

// The program on its menu, with the window open through its menu button; its bar steps
// between two values in the middle of its range.
struct Open : testkit::Fixture {
    desktop::Form* form;
    desktop::ScrollBar* bar;
    int low, high;
    explicit Open(const testkit::FigureWindow& w) {
        form = &open(w.button, w.form);
        bar = form->scrollBar(w.bar);
        low = (bar->minimum() + bar->maximum()) / 2;
        high = low + 1;
    }
};

void update(benchmark::State& state, const testkit::FigureWindow& w) {
    Open open(w);
    bool flip = false;
    for (auto _ : state) {
        open.bar->setValue((flip = !flip) ? open.high : open.low); // a Change, as an arrow makes
        benchmark::DoNotOptimize(open.form->window()->items().data());
    }
}

void repaint(benchmark::State& state, const testkit::FigureWindow& w) {
    Open open(w);
    open.bar->setValue(open.high);
    const qreal ratio = static_cast<qreal>(state.range(0));
    desktop::Surface* surface = open.form->window();
    QImage image(surface->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        surface->paintTo(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// 10 000 thumb steps delivered as mouse moves, each one posted and dispatched by the
// event loop; reports events per second and CPU time per event.
void sustainedDrag(benchmark::State& state) {
    Open open(
        testkit::figureWindows()[0]); // the segment: 18 001 values, a new one on nearly every pixel
    QScrollBar* bar = open.bar;
    constexpr int kSteps = 10000;
    for (auto _ : state) {
        bar->setValue(0);
        const QPoint start = testkit::subControl(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
        std::clock_t cpu0 = std::clock();
        for (int i = 0; i < kSteps; ++i) {
            const QPoint at = start + QPoint(0, i % 150);
            auto* move = new QMouseEvent(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton,
                                         Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::postEvent(bar, move);
            QCoreApplication::processEvents();
        }
        const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, start);
        state.counters["cpu_us_per_event"] = cpu * 1e6 / kSteps;
    }
    state.counters["events_per_s"] =
        benchmark::Counter(double(kSteps) * state.iterations(), benchmark::Counter::kIsRate);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    desktop::setUpApplication(application);
    for (const testkit::FigureWindow& w : testkit::figureWindows()) {
        benchmark::RegisterBenchmark((std::string("update/") + w.row).c_str(), update, w)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("repaint/") + w.row).c_str(), repaint, w)
            ->Arg(1)
            ->Arg(2)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("sustained_drag", sustainedDrag)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
