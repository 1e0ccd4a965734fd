// The oblique parallelogram window with real input on its bars.
#include "parallelogram.h"
#include "testkit.h"

using namespace testkit;
namespace paral = figures::parallelogram;

class TestParallelogram : public QObject {
    Q_OBJECT
  private slots:

    void dragAndArrow() {
        Fixture f;
        desktop::Form& w = f.open("Command10", "Formparal");
        QCOMPARE(text(w, "txth"), QString("h"));
        clickArrow(w.scrollBar("hsbpleurac"), true);
        keyTo(w.scrollBar("hsbpleurac"), 3);
        dragThumbTo(w.scrollBar("hsbpleurad"), 5);
        keyTo(w.scrollBar("hsbgonia1"), 60);
        QVERIFY(shows(w, paral::RefreshFigure({3, 5, 60})));
        QCOMPARE(text(w, "txth"), QString(" 4.33012701892219"));
        QCOMPARE(text(w, "emb"), QString(" 12.9903810567666"));
        dragThumb(w.scrollBar("hsbgonia1"), 400);
        QCOMPARE(w.scrollBar("hsbgonia1")->value(), 93);
        QVERIFY(shows(w, paral::RefreshFigure({3, 5, 93})));
    }
};

TESTKIT_MAIN(TestParallelogram)
#include "test_parallelogram.moc"
