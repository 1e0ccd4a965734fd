// Visiting the windows again and again leaves nothing behind: the same number of live
// objects and widgets, and (outside the sanitizer build) the same heap.
#include "testkit.h"

#include <malloc.h>

using namespace testkit;

namespace {

int liveObjects(desktop::Program& program) {
    int n = static_cast<int>(qApp->findChildren<QObject*>().size());
    for (desktop::Form* f : program.forms())
        n += static_cast<int>(f->findChildren<QObject*>().size());
    return n + static_cast<int>(QApplication::allWidgets().size());
}

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

} // namespace

class TestGrowth : public QObject {
    Q_OBJECT
  private slots:
    void thousandVisitsOfEveryWindow() {
        const int visits = qEnvironmentVariableIsSet("GROWTH_VISITS")
                               ? qEnvironmentVariableIntValue("GROWTH_VISITS")
                               : (kSanitized ? 200 : 1000);
        Fixture f;
        const auto round = [&] {
            for (const FigureWindow& v : figureWindows()) {
                desktop::Form& w = f.open(v.button, v.form);
                dragThumb(w.scrollBar(v.bar), 120, 6);
                clickArrow(w.scrollBar(v.bar), true);
                QTest::mouseClick(w.control(v.back), Qt::LeftButton);
                Fixture::settle();
            }
            // The credits and the notice too.
            QTest::mouseClick(f.form("Form1").control("Command9"), Qt::LeftButton);
            QTest::mouseClick(f.form("Formd").control("Command1(1)"), Qt::LeftButton);
            Fixture::settle();
        };
        round();
        const int objects = liveObjects(f.program);
        const std::size_t afterFirst = heapInUse();
        // The glyph, pixmap and style caches fill during the first hundred rounds; after that
        // nothing grows.
        constexpr int kWarm = 100;
        std::size_t warm = 0;
        for (int i = 1; i < visits; ++i) {
            round();
            if (i == kWarm) warm = heapInUse();
        }
        QCOMPARE(f.loaded(), QStringList{"Form1"});
        QCOMPARE(liveObjects(f.program), objects);
        if (!kSanitized) {
            const auto since = [](std::size_t then) {
                return static_cast<long long>(heapInUse()) - static_cast<long long>(then);
            };
            qInfo("heap after %d visits of every window: %lld bytes above the first visit, %lld "
                  "above "
                  "visit %d",
                  visits, since(afterFirst), since(warm), kWarm);
            // One leaked widget a visit would be hundreds of kilobytes by now.
            QVERIFY2(since(warm) < 64 * 1024, qPrintable(QString::number(since(warm))));
            QVERIFY2(since(afterFirst) < 512 * 1024,
                     qPrintable(QString::number(since(afterFirst))));
        }
    }
};

TESTKIT_MAIN(TestGrowth)
#include "test_growth.moc"
