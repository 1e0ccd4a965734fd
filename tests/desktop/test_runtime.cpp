// The forms runtime: scroll bar notifications from real input, the drawing surface,
// loading and unloading forms from their designs.
#include "testkit.h"

#include "numfmt.h"

#include <QPainter>
#include <QWheelEvent>

using namespace testkit;

namespace {

// A small form to exercise the runtime alone.
const rt::FormDesign& probeDesign() {
    static const rt::FormDesign d{
        .name = "Probe",
        .caption = "Probe",
        .width = 3000,
        .height = 4000,
        .controls = {
            rt::label("Label1", 0, 3600, 1500, 255, 5, "ΠΕΡΙΜΕΤΡΟΣ:"),
            rt::scrollBar("hsb", 240, 360, 255, 3135, 2, 1, 10, 1),
            rt::textBox("txt", 900, 3600, 735, 285, 0, "α"),
            rt::button("Command1", 2000, 3300, 975, 615, 1, rt::kBackPicture, "Πίσω"),
        }};
    return d;
}

// What the probe's handlers saw: the table holds plain functions, so they report here.
struct Seen {
    int scrolls = 0, changes = 0, clicks = 0;
    bool overflowOnChange = false;
    std::vector<int> scrollValues;
};
Seen* seen = nullptr;

const rt::FormClass& probeClass() {
    static const rt::FormClass f{probeDesign(),
                                 {
                                     {"hsb", rt::Event::Scroll,
                                      [](const rt::Controls& form) {
                                          ++seen->scrolls;
                                          seen->scrollValues.push_back(form.value("hsb"));
                                          return rt::Update{};
                                      }},
                                     {"hsb", rt::Event::Change,
                                      [](const rt::Controls&) {
                                          ++seen->changes;
                                          if (seen->overflowOnChange) (void)rt::mul16(300, 200);
                                          return rt::Update{};
                                      }},
                                     {"Command1", rt::Event::Click,
                                      [](const rt::Controls&) {
                                          ++seen->clicks;
                                          return rt::Update{};
                                      }},
                                 }};
    return f;
}

// A shell with one probe form and recording services.
struct ProbeShell : desktop::Shell, Seen {
    RecordingServices recorded;
    desktop::Form probe{*this, probeClass()};
    int unloads = 0;
    std::string separator = ".";
    ProbeShell() { seen = this; }
    ~ProbeShell() override { seen = nullptr; }
    desktop::Services& services() override { return recorded; }
    desktop::Form& form(std::string_view) override { return probe; }
    void formUnloaded(desktop::Form&) override { ++unloads; }
    const std::string& decimalSeparator() const override { return separator; }
};

} // namespace

class TestRuntime : public QObject {
    Q_OBJECT
  private slots:
    void loadBuildsTheDesign() {
        ProbeShell shell;
        QVERIFY(!shell.probe.isLoaded());
        shell.probe.show();
        QVERIFY(shell.probe.isLoaded());
        desktop::Surface* w = shell.probe.window();
        QCOMPARE(w->windowTitle(), QString("Probe"));
        QCOMPARE(w->size(), QSize(200, 267));
        QCOMPARE(shell.probe.control("hsb")->geometry(), QRect(16, 24, 17, 209));
        QCOMPARE(shell.probe.control("txt")->geometry(), QRect(60, 240, 49, 19));
        QCOMPARE(shell.probe.control("Command1")->toolTip(), QString("Πίσω"));
        QCOMPARE(shell.probe.textBox("txt")->text(), QString("α"));
        QVERIFY(shell.probe.textBox("txt")->isReadOnly());
        QCOMPARE(shell.probe.scrollBar("hsb")->value(), 1);
        QCOMPARE(shell.probe.scrollBar("hsb")->orientation(), Qt::Vertical);
        QCOMPARE(shell.probe.scrollBar("hsb")->focusPolicy(), Qt::StrongFocus);
    }

    // The label overlaps the text box; the box must lie on top and take the clicks.
    void labelsLieBeneath() {
        ProbeShell shell;
        shell.probe.show();
        QWidget* box = shell.probe.control("txt");
        QCOMPARE(shell.probe.window()->childAt(box->geometry().center()), box);
    }

    void tabOrderFollowsTabIndex() {
        ProbeShell shell;
        shell.probe.show();
        activate(shell.probe);
        QCOMPARE(QApplication::focusWidget(), shell.probe.control("txt")); // lowest index first
        QCOMPARE(tab(), shell.probe.control("Command1"));
        QCOMPARE(tab(), shell.probe.control("hsb"));
        QCOMPARE(tab(), shell.probe.control("txt"));
    }

    void dragDeliversScrollOnEveryStep() {
        ProbeShell shell;
        shell.probe.show();
        auto* bar = shell.probe.scrollBar("hsb");
        const auto seen = dragThumbTo(bar, 10);
        QCOMPARE(bar->value(), 10);
        QCOMPARE(shell.scrollValues, seen); // each new value once, value() following
        QCOMPARE(shell.scrolls, 9);
        QCOMPARE(shell.changes, 0); // the release adds nothing
    }

    void arrowsTroughKeysAndWheelDeliverChange() {
        ProbeShell shell;
        shell.probe.show();
        auto* bar = shell.probe.scrollBar("hsb");
        clickArrow(bar, false); // at Min already: nothing changes, nothing fires
        QCOMPARE(shell.changes, 0);
        clickArrow(bar, true);
        QCOMPARE(bar->value(), 2);
        QCOMPARE(shell.changes, 1);
        clickTrough(bar, true);
        QCOMPARE(bar->value(), 3);
        QCOMPARE(shell.changes, 2);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Down);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), 10);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(bar->value(), 9);
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(shell.changes, 6);
        const QPointF at(8, 100);
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        QCOMPARE(bar->value(), 2);
        QCOMPARE(shell.changes, 7);
        QCOMPARE(shell.scrolls, 0);
    }

    void buttonClickAndKeyboard() {
        ProbeShell shell;
        shell.probe.show();
        QWidget* button = shell.probe.control("Command1");
        QTest::mouseClick(button, Qt::LeftButton);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(shell.clicks, 2);
    }

    void unloadAndReloadStartsFromDesign() {
        ProbeShell shell;
        shell.probe.show();
        clickArrow(shell.probe.scrollBar("hsb"), true);
        rt::Update line;
        line.line(0, 0, 10, 10);
        shell.probe.window()->draw(line.steps()[0]);
        QPointer<QWidget> old = shell.probe.window();
        shell.probe.unload();
        QVERIFY(!shell.probe.isLoaded());
        QCOMPARE(shell.unloads, 1);
        Fixture::settle();
        QVERIFY(old.isNull());
        shell.probe.show();
        QCOMPARE(shell.probe.scrollBar("hsb")->value(), 1);
        QVERIFY(shell.probe.window()->items().empty());
        clickArrow(shell.probe.scrollBar("hsb"), true);
        QCOMPARE(shell.changes, 2); // handlers wired once per load, not twice
    }

    void closeBoxUnloads() {
        ProbeShell shell;
        shell.probe.show();
        QVERIFY(shell.probe.window()->close() == false); // the form unloads it instead
        QVERIFY(!shell.probe.isLoaded());
        QCOMPARE(shell.unloads, 1);
    }

    void surfaceKeepsItsDisplayList() {
        desktop::Surface s;
        s.resize(402, 306);
        s.setForeColor(QColor(224, 224, 224));
        rt::Update u;
        u.print(1100, 3500, "A");
        u.line(1200, 3500, 1500, 3500, 0xFFFFFF);
        u.circle(3000, 2000, 120, 0xFFFFFF);
        u.beep();
        std::vector<bool> drawn;
        for (const rt::Step& step : u.steps())
            drawn.push_back(s.draw(step));
        QCOMPARE(drawn, (std::vector<bool>{true, true, true, false}));
        // The letter, printed first, lies above the line and the circle drawn after it.
        QCOMPARE(s.items().size(), std::size_t(3));
        QCOMPARE(s.items()[0].kind, rt::Drawn::Line);
        QCOMPARE(s.items()[1].kind, rt::Drawn::Circle);
        QCOMPARE(s.items()[2].text, std::string("A"));
        QCOMPARE(s.items()[2].x1, 1100.0f);
        QCOMPARE(s.items()[2].colour, 0xE0E0E0u);

        // Painting twice (covered, then uncovered) gives the same picture.
        QImage first(s.size(), QImage::Format_RGB32), second(s.size(), QImage::Format_RGB32);
        {
            QPainter p(&first);
            s.paintTo(p);
        }
        {
            QPainter p(&second);
            s.paintTo(p);
        }
        QCOMPARE(first, second);
        QCOMPARE(first.pixelColor(90, 233), QColor(Qt::white)); // on the line, 1 px wide
        QCOMPARE(first.pixelColor(90, 232), QColor(Qt::blue));
        QCOMPARE(first.pixelColor(200, 125), QColor(Qt::white)); // circle's left, (2880,2000)/15

        rt::Update cls;
        cls.cls();
        QVERIFY(s.draw(cls.steps()[0]));
        QVERIFY(s.items().empty());
    }

    void runtimeErrorIsReported() {
        ProbeShell shell;
        shell.probe.show();
        rt::Update u;
        u.setText("txt", rt::Str(rt::mul16(300, 1)));
        shell.probe.apply(u);
        QCOMPARE(shell.probe.textBox("txt")->text(), QString(" 300"));
        // A handler raising an error reports it through the services.
        shell.overflowOnChange = true;
        clickArrow(shell.probe.scrollBar("hsb"), true);
        QCOMPARE(shell.recorded.errors, std::vector<int>{rt::RuntimeError::Overflow});
    }
};

TESTKIT_MAIN(TestRuntime)
#include "test_runtime.moc"
