// The rectangle window with real input on both bars.
#include "rectangle.h"
#include "testkit.h"

using namespace testkit;
namespace rectangle = figures::rectangle;

class TestRectangle : public QObject {
    Q_OBJECT
  private slots:

    // An arrow on one bar then a drag on the other: both values show.
    void arrowThenDrag() {
        Fixture f;
        desktop::Form& w = f.open("Command3", "Formo");
        clickArrow(w.scrollBar("hsbpleyraa"), true);
        QVERIFY(shows(w, rectangle::DrawRectangle(2, 1)));
        dragThumbTo(w.scrollBar("hsbpleyrab"), 6);
        QVERIFY(shows(w, rectangle::DrawRectangle(2, 6)));
        QCOMPARE(text(w, "emb"), QString(" 12"));
        QCOMPARE(text(w, "per"), QString(" 16"));
    }
};

TESTKIT_MAIN(TestRectangle)
#include "test_rectangle.moc"
