// The circle window with real input: a drag and an arrow.
#include "circle.h"
#include "testkit.h"

#include <algorithm>

using namespace testkit;
namespace circle = figures::circle;

class TestCircle : public QObject {
    Q_OBJECT
  private slots:

    void dragAndArrow() {
        Fixture f;
        desktop::Form& w = f.open("Command1", "Formk");
        QCOMPARE(text(w, "txtR"), QString("R"));
        QCOMPARE(text(w, "per"), QString("2·π·R"));
        QCOMPARE(text(w, "emb"), QString("π·R^2"));
        auto* bar = w.scrollBar("hsbR");
        dragThumbTo(bar, 7);
        QVERIFY(shows(w, circle::update(7)));
        QCOMPARE(text(w, "emb"), QString(" 153.9380400259"));
        clickArrow(bar, true);
        QVERIFY(shows(w, circle::update(8)));
        const auto& items = w.window()->items();
        const auto circle = std::find_if(items.rbegin(), items.rend(), [](const rt::Drawn& d) {
            return d.kind == rt::Drawn::Circle;
        });
        QVERIFY(circle != items.rend());
        QCOMPARE(circle->x2, 960.f); // the last circle drawn: 8 × 120 twips
    }
};

TESTKIT_MAIN(TestCircle)
#include "test_circle.moc"
