#pragma once
// Shared by the suites: a program with recording services, and real mouse and keyboard
// input on the scroll bars (thumb drags, arrow and trough clicks).
#include "appsetup.h"
#include "program.h"

#include <QApplication>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

namespace testkit {

// Counts beeps and records End and runtime errors instead of acting on them.
class RecordingServices : public desktop::Services {
  public:
    int beeps = 0;
    int ends = 0;
    std::vector<int> errors;
    void beep() override { ++beeps; }
    void end() override { ++ends; }
    void runtimeError(const rt::RuntimeError& e) override { errors.push_back(e.number()); }
    std::vector<std::string> told;
    void tell(const std::string& message) override { told.push_back(message); }
};

// A fresh program on the recording services, started on its menu, in the system's
// language as the program's own main() starts it.
struct Fixture {
    RecordingServices services;
    desktop::Program program{services, desktop::systemDecimalSeparator()};

    // Started as `schimatios LINK` is, given a link.
    explicit Fixture(std::string_view link = {}) { program.start(link); }
    ~Fixture() { settle(); }

    desktop::Form& form(std::string_view name) { return program.form(name); }
    // Opens a figure through its menu button, as a student would.
    desktop::Form& open(const char* menuButton, const char* formName) {
        QTest::mouseClick(program.form("Form1").control(menuButton), Qt::LeftButton);
        settle();
        return program.form(formName);
    }
    QStringList loaded() const {
        QStringList names;
        for (desktop::Form* f : program.loadedForms())
            names << f->name();
        names.sort();
        return names;
    }
    // Lets the event loop run as the program's would: posted events, then the windows
    // whose deletion a handler asked for.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The figure windows, as the menu opens them: read from the program's table of forms.
struct FigureWindow {
    const char* row;    // a name for test rows: the form's
    const char* button; // the menu button that opens it
    const char* form;
    const char* caption;
    const char* back; // its back button
    const char* bar;  // its bar of the most values (the first such), which redraws on every step
};
const std::vector<FigureWindow>& figureWindows();

// A data table with the columns "button", "form", "caption" and "back", a row a window.
void figureWindowRows();

inline QRect subControl(QScrollBar* bar, QStyle::SubControl which) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_None;
    opt.activeSubControls = QStyle::SC_None;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, which, bar);
}

// Presses the thumb, moves the mouse down (dy > 0) or up in `steps` moves, releases.
inline void dragThumb(QScrollBar* bar, int dy, int steps = 10) {
    const QPoint start = subControl(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(bar, start + QPoint(0, dy * i / steps));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, dy));
}

// Drags the thumb pixel by pixel until the bar shows `value` (or the drag can go no
// further), then releases. Returns the values the bar passed through.
inline std::vector<int> dragThumbTo(QScrollBar* bar, int value) {
    std::vector<int> seen;
    const QPoint start = subControl(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
    const int dir = value > bar->value() ? 1 : -1;
    QPoint at = start;
    int last = bar->value();
    for (int i = 0; i < 2000 && bar->value() != value; ++i) {
        at += QPoint(0, dir);
        QTest::mouseMove(bar, at);
        if (bar->value() != last) seen.push_back(last = bar->value());
    }
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
    return seen;
}

inline void clickArrow(QScrollBar* bar, bool down) {
    const QRect r =
        subControl(bar, down ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, r.center());
}

inline void clickTrough(QScrollBar* bar, bool below) {
    const QRect r =
        subControl(bar, below ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, r.center());
}

// Steps a bar to `value` with the arrow keys, as a keyboard user would.
inline void keyTo(QScrollBar* bar, int value) {
    bar->setFocus();
    while (bar->value() < value)
        QTest::keyClick(bar, Qt::Key_Down);
    while (bar->value() > value)
        QTest::keyClick(bar, Qt::Key_Up);
}

// Activates the form's window so that keys reach its focus widget.
inline void activate(desktop::Form& form) {
    QApplication::setActiveWindow(form.window());
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
}

// Presses Tab on whatever has the focus and returns the widget that has it next.
inline QWidget* tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget();
}

inline QString text(desktop::Form& form, const char* box) {
    return form.textBox(box)->text();
}

inline QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Whether the window's boxes and surface show exactly what the update writes and draws.
// Boxes the update leaves alone are not looked at. On a mismatch `why` says where.
bool shows(desktop::Form& form, const rt::Update& update, QString* why = nullptr);

// The decimal separator Format writes in this run: the system's.
inline QString sep() {
    return QString::fromStdString(desktop::systemDecimalSeparator());
}

// Where a suite is run in a locale to try (SCHIMATIOS_LOCALE), that both Qt and the C
// library took it, as they do on a PC that runs in it: false, and why, if not.
bool inTheLocaleToTry(QString* why);

// A QApplication set up as the program's, for the suites' main().
#define TESTKIT_MAIN(TestClass)                                                                    \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication application(argc, argv);                                                      \
        desktop::setUpApplication(application);                                                    \
        if (QString why; !testkit::inTheLocaleToTry(&why)) {                                       \
            qCritical("%s", qPrintable(why));                                                      \
            return 1;                                                                              \
        }                                                                                          \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

} // namespace testkit
