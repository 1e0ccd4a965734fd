// The trapezium window and its notice: the table, the worked examples, every input, and
// what an upper base not shorter than the lower one does.
#include "testkit.h"
#include "trapezium.h"

#include <cmath>

using namespace testkit;
namespace trap = figures::trapezium;

namespace {
const char* const kResultBoxes[] = {"txtpleurab", "txtpleurad", "txtgoniad",
                                    "txtyphsos",  "per",        "emb"};
const char* const kInputBoxes[] = {"txtgoniaa", "txtgoniab", "txtpleuraa", "txtpleurag"};

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
    void table_data() {
        QTest::addColumn<int>("A");
        QTest::addColumn<int>("B");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("g");
        QTest::addColumn<QStringList>("results"); // β, δ, h, Δ, perimeter, area
        QTest::newRow("45 45 10 0")
            << 45 << 45 << 10 << 0 << QStringList{" 7.07106781186547", " 7.07106781186547",
                                                  " 4.99999999999999", " 135°",
                                                  " 24.1421356237309", " 25"};
        QTest::newRow("45 45 2 1")
            << 45 << 45 << 2 << 1
            << QStringList{" .707106781186547", " .707106781186547", " .499999999999999", " 135°",
                           " 4.41421356237309", " .749999999999999"};
        QTest::newRow("45 45 10 9")
            << 45 << 45 << 10 << 9
            << QStringList{" .707106781186547", " .707106781186547", " .499999999999999", " 135°",
                           " 20.4142135623731", " 4.74999999999999"};
        QTest::newRow("60 60 10 5")
            << 60 << 60 << 10 << 5
            << QStringList{
                   " 4.99999999999999", " 4.99999999999999", " 4.33012701892218", " 120°", " 25",
                   " 32.4759526419164"};
        QTest::newRow("30 60 8 2")
            << 30 << 60 << 8 << 2 << QStringList{" 3",    " 5.19615242270663", " 2.59807621135331",
                                                 " 150°", " 18.1961524227066", " 12.9903810567666"};
        QTest::newRow("90 30 3 1")
            << 90 << 30 << 3 << 1
            << QStringList{" 2.3094010767585",  " 1.15470053837925", " 1.15470053837925", " 90°",
                           " 7.46410161513775", " 2.3094010767585"};
        QTest::newRow("90 60 10 0")
            << 90 << 60 << 10 << 0
            << QStringList{" 19.9999999999999", " 17.3205080756887", " 17.3205080756887", " 90°",
                           " 47.3205080756886", " 86.6025403784434"};
    }
    void table() {
        QFETCH(int, A);
        QFETCH(int, B);
        QFETCH(int, a);
        QFETCH(int, g);
        QFETCH(QStringList, results);
        const rt::Update u = trap::RefreshFigure({A, B, a, g});
        QStringList shown;
        for (const char* box : {"txtpleurab", "txtpleurad", "txtyphsos", "txtgoniad", "per", "emb"})
            shown << q(*u.textOf(box));
        QCOMPARE(shown, results);
        QCOMPARE(q(*u.textOf("txtgoniaa")), QString(" %1°").arg(A));
        QCOMPARE(q(*u.textOf("txtpleurag")), QString(" %1").arg(g));
        // The input boxes, then Cls, then the results in their order.
        QStringList order;
        for (const auto& s : u.steps())
            if (s.kind == rt::Step::SetText)
                order << q(s.name);
            else if (s.kind == rt::Step::Cls)
                order << "Cls";
        QCOMPARE(order,
                 (QStringList{"txtgoniaa", "txtgoniab", "txtpleuraa", "txtpleurag", "Cls", "per",
                              "emb", "txtgoniad", "txtpleurab", "txtpleurad", "txtyphsos"}));
    }

    void vertices_data() {
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<QPointF>("gamma");
        QTest::addColumn<QPointF>("delta");
        QTest::newRow("apex") << QList<int>{45, 45, 10, 0} << QPointF(3550, 1650)
                              << QPointF(3550, 1650);
        QTest::newRow("upright") << QList<int>{90, 30, 3, 1} << QPointF(2150, 2995.8547)
                                 << QPointF(1800, 2995.8547);
        QTest::newRow("leaning out")
            << QList<int>{100, 45, 3, 1} << QPointF(2000.15, 2550.15) << QPointF(1650.15, 2550.15);
        QTest::newRow("tall") << QList<int>{80, 60, 10, 0} << QPointF(2618.84, -1243.90)
                              << QPointF(2618.84, -1243.90);
    }
    void vertices() {
        QFETCH(QList<int>, bars);
        QFETCH(QPointF, gamma);
        QFETCH(QPointF, delta);
        const auto it = drawnBy(trap::RefreshFigure({bars[0], bars[1], bars[2], bars[3]}), 0);
        // side ΑΒ, A, side ΒΓ, B, side ΓΔ, Γ, side ΔΑ, Δ
        QVERIFY2(near(it[4].x1, gamma.x()) && near(it[4].y1, gamma.y()),
                 qPrintable(QString("%1 %2").arg(it[4].x1).arg(it[4].y1)));
        QVERIFY2(near(it[6].x1, delta.x()) && near(it[6].y1, delta.y()),
                 qPrintable(QString("%1 %2").arg(it[6].x1).arg(it[6].y1)));
        if (bars[0] == 45) {
            QCOMPARE(QPointF(it[5].x1, it[5].y1), QPointF(3650, 1550));
            QCOMPARE(QPointF(it[7].x1, it[7].y1), QPointF(3420, 1550));
        }
    }

    void farOutside() {
        const auto it = drawnBy(trap::RefreshFigure({100, 79, 10, 9}), 0);
        QVERIFY(std::abs(it[4].y1 - (-15987)) < 1);
        QVERIFY(std::abs(it[6].x1 - (-1618)) < 1);
    }

    // α ≤ γ: the input boxes, a beep and the notice; no Cls, no result, no drawing.
    void refusedInput() {
        const rt::Update u = trap::RefreshFigure({45, 45, 3, 3});
        QCOMPARE(u.steps().size(), std::size_t(6));
        QCOMPARE(u.steps()[4].kind, rt::Step::Beep);
        QCOMPARE(u.steps()[5].kind, rt::Step::Show);
        QCOMPARE(q(u.steps()[5].name), QString("Formm"));
    }

    // Every input: refused exactly when α ≤ γ; otherwise finite, well-formed texts,
    // h = δ sin Α = β sin Β, h, β and δ positive, and a closed outline.
    void everyInput() {
        int accepted = 0;
        for (int A = 1; A <= 100; ++A)
            for (int B = 1; B <= 79; ++B)
                for (int a = 1; a <= 10; ++a)
                    for (int g = 0; g <= 9; ++g) {
                        if (a <= g) {
                            QVERIFY(trap::RefreshFigure({A, B, a, g}).textOf("per") == nullptr);
                            continue;
                        }
                        ++accepted;
                        const trap::Solution x = trap::solve({A, B, a, g});
                        const double hA = x.delta * std::sin(A * M_PI / 180);
                        const double hB = x.beta * std::sin(B * M_PI / 180);
                        if (!(x.h > 0 && x.beta > 0 && x.delta > 0 &&
                              std::abs(hA - x.h) <= 1e-9 * x.h && std::abs(hB - x.h) <= 1e-9 * x.h))
                            QFAIL(qPrintable(QString("%1 %2 %3 %4").arg(A).arg(B).arg(a).arg(g)));
                        const rt::Update u = trap::RefreshFigure({A, B, a, g});
                        for (const char* box :
                             {"txtpleurab", "txtpleurad", "txtyphsos", "per", "emb"})
                            if (!wellFormedStr(*u.textOf(box))) QFAIL(u.textOf(box)->c_str());
                        const auto it = drawnBy(u, 0);
                        // side ΑΒ, A, side ΒΓ, B, side ΓΔ, Γ, side ΔΑ, Δ
                        if (!closedOutline(it) || it[1].x1 != 1670 || it[1].y1 != 3300 ||
                            it[3].x1 != it[2].x1 + 120 || it[3].y1 != 3300 ||
                            !near(it[5].x1, it[4].x1 + 100.0) ||
                            !near(it[5].y1, it[4].y1 - 100.0) ||
                            !near(it[7].x1, it[6].x1 - 130.0) || !near(it[7].y1, it[4].y1 - 100.0))
                            QFAIL(qPrintable(
                                QString("drawing at %1 %2 %3 %4").arg(A).arg(B).arg(a).arg(g)));
                    }
        QCOMPARE(accepted, 434500);
    }

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
