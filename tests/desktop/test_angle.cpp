// The angle window with real input.
#include "angle.h"
#include "testkit.h"

#include <cmath>

using namespace testkit;
namespace angle = figures::angle;

class TestAngle : public QObject {
    Q_OBJECT
  private slots:

    void windowWithRealInput() {
        Fixture f;
        desktop::Form& w = f.open("Command8", "Formangle");
        QCOMPARE(text(w, "txtgonia"), QString("ω"));
        QCOMPARE(w.window()->foreColor(), QApplication::palette().color(QPalette::HighlightedText));
        auto* bar = w.scrollBar("hsbgonia");
        clickArrow(bar, true); // the edge case: one click down shows and draws 2°
        QCOMPARE(text(w, "txtgonia"), QString(" 2°"));
        QVERIFY(shows(w, angle::update(2)));
        dragThumb(bar, 400);
        QCOMPARE(bar->value(), 124);
        QVERIFY(shows(w, angle::update(124)));
        QCOMPARE(qobject_cast<QLabel*>(w.control("Label3(1)"))->text(), QString("Γωνία ω:"));
        QCOMPARE(qobject_cast<QLabel*>(w.control("Label5"))->text(), QString("124°"));
    }
};

TESTKIT_MAIN(TestAngle)
#include "test_angle.moc"
