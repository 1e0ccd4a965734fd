// Links on the desktop: started with one, as `schimatios LINK` starts, the window opens
// with its bars set and shows what moving them there by hand shows; what a link does not
// say is told once; the figure's menu copies its link, which opens the same state again.
#include "forms.h"
#include "link.h"
#include "testkit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

using namespace testkit;

namespace {

// The state a pupil sees: every box's text and the drawing.
struct State {
    QStringList boxes;
    std::vector<rt::Drawn> drawing;
    bool operator==(const State&) const = default;
};

State stateOf(desktop::Form& w) {
    State s;
    for (const rt::ControlDesign& c : w.design().controls)
        if (c.kind == rt::ControlKind::TextBox) s.boxes << w.textBox(c.name)->text();
    s.drawing = w.window()->items();
    return s;
}

} // namespace

class TestLink : public QObject {
    Q_OBJECT
  private slots:
    void startedWithALink_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("told");
        QTest::newRow("the triangle") << "schimatios:1/%CF%84%CF%81%CE%AF%CE%B3%CF%89%CE%BD%CE%BF/"
                                         "%CE%91=50/%CE%93=60/%CE%B2=5"
                                      << QStringList{"Formtri"} << 0 << "";
        QTest::newRow("the trapezium that refuses") << "schimatios:1/τραπέζιο/Α=60/Β=70/α=3/γ=5"
                                                    << QStringList{"Formm", "Formtra"} << 1 << "";
        QTest::newRow("a bar out of range")
            << "1/τετράγωνο/α=12" << QStringList{"Formt"} << 0
            << "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=12» (από 1 έως 10).";
        QTest::newRow("no such figure") << "schimatios:1/κύβος" << QStringList{"Form1"} << 0
                                        << "Δεν υπάρχει σχήμα «κύβος» στο πρόγραμμα.";
        QTest::newRow("a newer version")
            << "schimatios:7/τετράγωνο/α=2" << QStringList{"Form1"} << 0
            << "Ο σύνδεσμος γράφτηκε για νεότερη έκδοση του προγράμματος (7) και δεν ανοίγει σε "
               "αυτήν.";
    }
    void startedWithALink() {
        QFETCH(QString, link);
        QFETCH(QStringList, loaded);
        QFETCH(int, beeps);
        QFETCH(QString, told);
        Fixture f(link.toStdString());
        QCOMPARE(f.loaded(), loaded);
        QCOMPARE(f.services.beeps, beeps);
        QCOMPARE(f.services.told.size(), std::size_t(told.isEmpty() ? 0 : 1));
        if (!told.isEmpty()) QCOMPARE(q(f.services.told[0]), told);
        // The window shows what its handlers make of the link's values, as a bar's Change.
        const app::Opening o = app::readLink(link.toStdString());
        if (!o.form) return;
        desktop::Form& w = f.form(o.form->name());
        for (const auto& [bar, value] : o.values)
            QCOMPARE(w.scrollBar(bar)->value(), value);
        QString why;
        QVERIFY2(shows(w, app::openingUpdate(o, desktop::systemDecimalSeparator()), &why),
                 qPrintable(why));
        // Back goes to the menu, as from any figure.
        QTest::mouseClick(w.control(app::wayTo(o.form->name()).back), Qt::LeftButton);
        f.settle();
        QVERIFY(f.loaded().contains("Form1"));
    }

    // The same state by hand and by the link the figure's menu copies.
    void theCopiedLinkOpensTheSameState() {
        QString copied;
        State byHand;
        {
            Fixture f;
            desktop::Form& w = f.open("Command5", "Formtri");
            keyTo(w.scrollBar("hsbgoniaa"), 50);
            keyTo(w.scrollBar("hsbgoniag"), 60);
            keyTo(w.scrollBar("hsbpleurab"), 5);
            byHand = stateOf(w);
            QAction* copy = nullptr;
            for (QAction* a : w.window()->actions())
                if (a->text() == QString::fromUtf8(rt::kCopyLink)) copy = a;
            QVERIFY(copy);
            copy->trigger();
            copied = QGuiApplication::clipboard()->text();
        }
        QCOMPARE(copied, q(app::schemeLink("1/τρίγωνο/Α=50/Γ=60/β=5")));
        Fixture f(copied.toStdString());
        QCOMPARE(f.loaded(), QStringList{"Formtri"});
        QVERIFY(stateOf(f.form("Formtri")) == byHand);
    }
};

TESTKIT_MAIN(TestLink)
#include "test_link.moc"
