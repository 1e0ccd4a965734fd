// The trapezium window and its notice with real input: what an upper base not shorter
// than the lower one does on the screen.
#include "testkit.h"
#include "trapezium.h"

#include <cmath>

using namespace testkit;
namespace trap = figures::trapezium;

namespace {
const char* const kResultBoxes[] = {"txtpleurab", "txtpleurad", "txtgoniad",
                                    "txtyphsos",  "per",        "emb"};

QStringList boxes(desktop::Form& w, const char* const (&names)[6]) {
    QStringList out;
    for (const char* n : names)
        out << text(w, n);
    return out;
}
} // namespace

class TestTrapezium : public QObject {
    Q_OBJECT
  private slots:

    void notice() {
        Fixture f;
        desktop::Form& w = f.open("Command6", "Formtra");
        QCOMPARE(text(w, "emb"), QString("(β+α)·h/2"));
        keyTo(w.scrollBar("hsbgoniaa"), 45);
        keyTo(w.scrollBar("hsbgoniab"), 45);
        const QStringList accepted = boxes(w, kResultBoxes);
        const auto drawing = w.window()->items();
        QVERIFY(shows(w, trap::RefreshFigure({45, 45, 1, 0})));
        const int beeps = f.services.beeps;

        // Dragging γ from 0 to 1 while α = 1: one beep, the notice, inputs follow.
        dragThumbTo(w.scrollBar("hsbpleurag"), 1);
        QCOMPARE(f.services.beeps, beeps + 1);
        QCOMPARE(f.loaded(), (QStringList{"Formm", "Formtra"}));
        desktop::Form& notice = f.form("Formm");
        QCOMPARE(notice.window()->windowTitle(), QString("ΣΧΗμάτιος"));
        auto* message = qobject_cast<QLabel*>(notice.control("Label1"));
        QCOMPARE(message->text(), QString("Παρακαλώ α>γ"));
        QCOMPARE(message->palette().color(QPalette::WindowText), QColor(224, 224, 224));
        QCOMPARE(message->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(notice.window()->foreColor(), QColor(0, 0, 255));
        QCOMPARE(text(w, "txtpleurag"), QString(" 1"));
        QCOMPARE(boxes(w, kResultBoxes), accepted);
        QVERIFY(w.window()->items() == drawing);

        // Every further refused update beeps and brings the same notice forward.
        QPointer<QWidget> noticeWindow = notice.window();
        clickArrow(w.scrollBar("hsbpleurag"), true); // γ = 2: one beep for one click
        QCOMPARE(f.services.beeps, beeps + 2);
        keyTo(w.scrollBar("hsbgoniaa"), 50);
        QCOMPARE(f.services.beeps, beeps + 7);
        QCOMPARE(notice.window(), noticeWindow.data());
        QCOMPARE(text(w, "txtgoniaa"), QString(" 50°"));
        QCOMPARE(boxes(w, kResultBoxes), accepted);

        // Closing the notice changes nothing in the trapezium window.
        QTest::mouseClick(notice.control("Command1"), Qt::LeftButton);
        Fixture::settle();
        QCOMPARE(f.services.beeps, beeps + 8);
        QCOMPARE(f.loaded(), QStringList{"Formtra"});
        QCOMPARE(boxes(w, kResultBoxes), accepted);
        QVERIFY(w.window()->items() == drawing);

        // The next accepted input draws again.
        keyTo(w.scrollBar("hsbpleuraa"), 3);
        QVERIFY(shows(w, trap::RefreshFigure({50, 45, 3, 2})));
        QCOMPARE(f.loaded(), (QStringList{"Formm", "Formtra"})); // α = 2 on the way was refused
    }

    void inputBoxesAlwaysFollow() {
        Fixture f;
        desktop::Form& w = f.open("Command6", "Formtra");
        keyTo(w.scrollBar("hsbpleurag"), 4); // α = 1 ≤ γ from the first step: nothing drawn
        QVERIFY(w.window()->items().empty());
        QCOMPARE(text(w, "per"), QString("α+β+γ+δ"));
        QCOMPARE(text(w, "txtpleurag"), QString(" 4"));
        QCOMPARE(text(w, "txtgoniaa"), QString(" 1°"));
        QCOMPARE(f.services.beeps, 1 + 4);
        dragThumb(w.scrollBar("hsbpleuraa"), 400);
        QVERIFY(shows(w, trap::RefreshFigure({1, 1, 10, 4})));
    }
};

TESTKIT_MAIN(TestTrapezium)
#include "test_trapezium.moc"
