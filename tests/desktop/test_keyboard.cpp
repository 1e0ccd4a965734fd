// The worksheet's and the zoom's keys with the keyboard a Greek school's PC has: layouts
// gr and us, Greek active, on an X server of the suite's own. Each key is pressed as the
// keyboard sends it (xdotool): the physical C key types "ψ" there, and Ctrl with it still
// copies the figure, as Ctrl with S saves and with P prints.
#include "testkit.h"

#include <QClipboard>
#include <QFileDialog>
#include <QMimeData>
#include <QPrintDialog>
#include <QProcess>

using namespace testkit;

namespace {

// The last key the window heard: the keyboard's code for the key pressed, and its symbol.
struct LastKey : QObject {
    quint32 code = 0, symbol = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) {
            const auto* k = static_cast<QKeyEvent*>(e);
            code = k->nativeScanCode();
            symbol = k->nativeVirtualKey();
        }
        return false;
    }
};

// Presses keys as the keyboard does, with the pointer on the window (no window manager:
// the keyboard follows the pointer).
void press(QWidget* window, const QString& keys) {
    const QPoint at = window->mapToGlobal(window->rect().center());
    QProcess::execute("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())});
    QProcess::execute("xdotool", {"key", "--clearmodifiers", keys});
}

// The dialog a key opens, its class name; closed again.
QString dialogAfter(QWidget* window, const QString& keys) {
    QString seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    });
    timer.start(50);
    press(window, keys);
    for (int i = 0; i < 100 && seen.isEmpty(); ++i)
        QTest::qWait(50);
    return seen;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QProcess query;
        query.start("setxkbmap", {"-query"});
        query.waitForFinished();
        QVERIFY(QString::fromUtf8(query.readAllStandardOutput())
                    .contains(QRegularExpression("layout:\\s+gr,us")));
    }

    void greekLettersAreTheLatinShortcuts() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        keyTo(w.scrollBar("hsbpleyra"), 3);
        activate(w);
        LastKey last;
        QApplication::instance()->installEventFilter(&last);

        // Ctrl and the C key, "ψ" on this keyboard: the figure on the clipboard.
        QGuiApplication::clipboard()->clear();
        press(w.window(), "ctrl+Greek_psi");
        QTRY_VERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));
        QCOMPARE(last.code, 54u);      // the C key
        QCOMPARE(last.symbol, 0x7f8u); // Greek_psi
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("ΠΛΕΥΡΑ α:\t3\n"));

        // Ctrl with S ("σ") and with P ("π"): the save and the print dialogs.
        QCOMPARE(dialogAfter(w.window(), "ctrl+Greek_sigma"), QStringLiteral("QFileDialog"));
        QCOMPARE(last.code, 39u);
        QCOMPARE(dialogAfter(w.window(), "ctrl+Greek_pi"), QStringLiteral("QPrintDialog"));
        QCOMPARE(last.code, 33u);
        QApplication::instance()->removeEventFilter(&last);
    }

    void zoomKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("Ctrl =") << "ctrl+equal" << 1.0 << 1.25;
        QTest::newRow("Ctrl +") << "ctrl+plus" << 1.0 << 1.25;
        QTest::newRow("Ctrl + on the keypad") << "ctrl+KP_Add" << 1.0 << 1.25;
        QTest::newRow("Ctrl −") << "ctrl+minus" << 1.5 << 1.25;
        QTest::newRow("Ctrl − on the keypad") << "ctrl+KP_Subtract" << 1.5 << 1.25;
        QTest::newRow("Ctrl 0") << "ctrl+0" << 1.5 << 1.0;
    }
    void zoomKeys() {
        QFETCH(QString, keys);
        QFETCH(double, from);
        QFETCH(double, to);
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        f.program.setZoom(from);
        activate(w);
        press(w.window(), keys);
        QTRY_COMPARE(f.program.zoom(), to);
    }
};

TESTKIT_MAIN(TestKeyboard)
#include "test_keyboard.moc"
