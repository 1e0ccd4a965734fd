// The triangle window with real input on its bars.
#include "testkit.h"
#include "triangle.h"

#include <cmath>

using namespace testkit;
namespace tri = figures::triangle;

class TestTriangle : public QObject {
    Q_OBJECT
  private slots:

    void windowWithRealInput() {
        Fixture f;
        desktop::Form& w = f.open("Command5", "Formtri");
        QStringList shown;
        for (const char* box : {"txtgoniaa", "txtgoniag", "txtpleurab", "txtgoniab", "txtpleuraa",
                                "txtpleurag", "txtk", "per", "emb"})
            shown << text(w, box);
        QCOMPARE(shown, (QStringList{"Α", "Γ", "β", "Β", "α", "γ", "h", "(α+β+γ)", "β·h/2"}));
        QCOMPARE(w.textBox("txtgoniaa")->text().at(0).unicode(), 0x391); // Greek Alpha
        QVERIFY(w.window()->items().empty());
        dragThumb(w.scrollBar("hsbgoniaa"), 400);
        QCOMPARE(w.scrollBar("hsbgoniaa")->value(), 90);
        QVERIFY(shows(w, tri::RefreshFigure({90, 1, 1})));
        QCOMPARE(text(w, "txtk"), QString(" .0174550649282176"));
        clickArrow(w.scrollBar("hsbpleurab"), true);
        QVERIFY(shows(w, tri::RefreshFigure({90, 1, 2})));
        keyTo(w.scrollBar("hsbgoniaa"), 60);
        keyTo(w.scrollBar("hsbgoniag"), 60);
        keyTo(w.scrollBar("hsbpleurab"), 6);
        QVERIFY(shows(w, tri::RefreshFigure({60, 60, 6})));
        QCOMPARE(text(w, "txtgoniab"), QString(" 60°"));
    }
};

TESTKIT_MAIN(TestTriangle)
#include "test_triangle.moc"
