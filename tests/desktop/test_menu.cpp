// The menu and the program's lifecycle: which windows are loaded after each button,
// the credits window, End and the close box.
#include "testkit.h"

#include <QFile>
#include <QImageReader>
#include <QWindow>

using namespace testkit;

class TestMenu : public QObject {
    Q_OBJECT
  private slots:
    void startsOnTheMenuOnly() {
        Fixture f;
        QCOMPARE(f.loaded(), QStringList{"Form1"});
        desktop::Form& menu = f.form("Form1");
        QCOMPARE(menu.window()->windowTitle(), QString("ΣΧΗμάτιος: ΕΥΚΛΕΙΔΕΙΑ ΓΕΩΜΕΤΡΙΑ"));
        QCOMPARE(menu.window()->size(), QSize(392, 281)); // 5880 × 4215 twips
        QCOMPARE(menu.window()->backColor(), QColor(0, 0, 255));
        auto* heading = qobject_cast<QLabel*>(menu.control("Label1"));
        QCOMPARE(heading->text(),
                 QString("Σχεδίαση και Μελέτη βασικών χαρακτηριστικών Γεωμετρικών σχημάτων:"));
        QCOMPARE(heading->geometry(), QRect(8, 16, 377, 17));
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(224, 224, 224));
        QCOMPARE(f.services.beeps, 0);
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QSize>("picture");
        QTest::newRow("Command7") << "Command7" << QRect(120, 720, 1335, 1215)
                                  << "Ευθύγραμμο τμήμα." << QSize(86, 83);
        QTest::newRow("Command8") << "Command8" << QRect(1560, 720, 1335, 1215) << "Γωνία."
                                  << QSize(86, 83);
        QTest::newRow("Command2") << "Command2" << QRect(3000, 720, 1335, 1215) << "Τετράγωνο. "
                                  << QSize(86, 82);
        QTest::newRow("Command3") << "Command3" << QRect(4440, 720, 1335, 1215)
                                  << "Ορθογώνιο παραλληλόγραμμο." << QSize(83, 82);
        QTest::newRow("Command1") << "Command1" << QRect(120, 2040, 1335, 1215) << "Κύκλος."
                                  << QSize(83, 82);
        QTest::newRow("Command5") << "Command5" << QRect(1560, 2040, 1335, 1215) << "Τρίγωνο."
                                  << QSize(89, 81);
        QTest::newRow("Command10") << "Command10" << QRect(3000, 2040, 1335, 1215)
                                   << "Πλάγιο παραλληλόγραμμο." << QSize(85, 77);
        QTest::newRow("Command6") << "Command6" << QRect(4440, 2040, 1335, 1215) << "Τραπέζιο."
                                  << QSize(87, 86);
        QTest::newRow("Command9") << "Command9" << QRect(1920, 3360, 1335, 855) << ""
                                  << QSize(86, 53);
        QTest::newRow("Command4") << "Command4" << QRect(3360, 3360, 2175, 795) << ""
                                  << QSize(138, 50);
    }
    void buttons() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, toolTip);
        QFETCH(QSize, picture);
        Fixture f;
        auto* b = qobject_cast<QPushButton*>(f.form("Form1").control(name.toStdString()));
        QVERIFY(b);
        QCOMPARE(b->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QCOMPARE(b->toolTip(), toolTip);
        QVERIFY(b->text().isEmpty());
        QCOMPARE(b->iconSize(), picture);
        QVERIFY(!b->icon().isNull());
    }

    // Each picture is stored in its design's format: 16-colour or 24-bit bitmaps, GIF, JPEG.
    void pictureFormats_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("bitsPerPixel"); // for bitmaps
        QTest::addColumn<QSize>("size");
        QTest::newRow("segment") << ":/pictures/segment.bmp" << QByteArray("bmp") << 4
                                 << QSize(86, 83);
        QTest::newRow("angle") << ":/pictures/angle.bmp" << QByteArray("bmp") << 4 << QSize(86, 83);
        QTest::newRow("square") << ":/pictures/square.bmp" << QByteArray("bmp") << 4
                                << QSize(86, 82);
        QTest::newRow("rectangle")
            << ":/pictures/rectangle.bmp" << QByteArray("bmp") << 24 << QSize(83, 82);
        QTest::newRow("circle") << ":/pictures/circle.bmp" << QByteArray("bmp") << 24
                                << QSize(83, 82);
        QTest::newRow("triangle") << ":/pictures/triangle.gif" << QByteArray("gif") << 0
                                  << QSize(89, 81);
        QTest::newRow("parallelogram")
            << ":/pictures/parallelogram.jpg" << QByteArray("jpeg") << 0 << QSize(85, 77);
        QTest::newRow("trapezium")
            << ":/pictures/trapezium.gif" << QByteArray("gif") << 0 << QSize(87, 86);
        QTest::newRow("credits") << ":/pictures/credits.bmp" << QByteArray("bmp") << 24
                                 << QSize(86, 53);
        QTest::newRow("exit") << ":/pictures/exit.bmp" << QByteArray("bmp") << 24 << QSize(138, 50);
        QTest::newRow("back") << ":/pictures/back.bmp" << QByteArray("bmp") << 24 << QSize(61, 49);
    }
    void pictureFormats() {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(int, bitsPerPixel);
        QFETCH(QSize, size);
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), size);
        if (bitsPerPixel) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray header = file.read(30);
            QCOMPARE(static_cast<int>(static_cast<uchar>(header[28])), bitsPerPixel);
        }
    }

    void tabOrder() {
        Fixture f;
        desktop::Form& menu = f.form("Form1");
        activate(menu);
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 10; ++i)
            order << tab()->objectName();
        QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5",
                                     "Command6", "Command7", "Command8", "Command9", "Command10",
                                     "Command1"}));
    }

    void figureButtons_data() { figureWindowRows(); }
    // Beep, the figure on screen where the menu stood, the menu unloaded; back again.
    void figureButtons() {
        QFETCH(QString, button);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QString, back);
        Fixture f;
        const QPoint menuAt = f.form("Form1").window()->pos();
        QPointer<QWidget> firstMenu = f.form("Form1").window();
        desktop::Form& figure = f.open(button.toUtf8().constData(), form.toUtf8().constData());
        QCOMPARE(f.services.beeps, 1);
        QCOMPARE(f.loaded(), QStringList{form});
        QVERIFY(figure.window()->isVisible());
        QCOMPARE(figure.window()->windowTitle(), caption);
        QCOMPARE(figure.window()->size(), QSize(402, 306)); // 6030 × 4590 twips
        QCOMPARE(figure.window()->pos(), menuAt);
        QVERIFY(figure.window()->items().empty());
        QVERIFY(firstMenu.isNull()); // the menu's window is gone, not hidden

        QTest::mouseClick(figure.control(back.toStdString()), Qt::LeftButton);
        Fixture::settle();
        QCOMPARE(f.services.beeps, 2);
        QCOMPARE(f.loaded(), QStringList{"Form1"});
        QVERIFY(f.form("Form1").window()->isVisible());
        QCOMPARE(f.services.ends, 0);
    }

    // The figure's close box unloads it; as the last window, that ends the program.
    // With the credits open, the credits window is what remains.
    void closeBox_data() { figureWindowRows(); }
    void closeBox() {
        QFETCH(QString, button);
        QFETCH(QString, form);
        for (bool withCredits : {false, true}) {
            Fixture f;
            if (withCredits) QTest::mouseClick(f.form("Form1").control("Command9"), Qt::LeftButton);
            desktop::Form& figure = f.open(button.toUtf8().constData(), form.toUtf8().constData());
            figure.window()->close();
            QVERIFY(!figure.isLoaded());
            QCOMPARE(f.loaded(), withCredits ? QStringList{"Formd"} : QStringList{});
            QCOMPARE(f.services.ends, withCredits ? 0 : 1);
        }
    }

    // A second visit starts from the design: bar at its stored value, stored texts, no drawing.
    void secondVisitStartsFromDesign() {
        Fixture f;
        desktop::Form& square = f.open("Command2", "Formt");
        dragThumb(square.scrollBar("hsbpleyra"), 300);
        QCOMPARE(square.scrollBar("hsbpleyra")->value(), 10);
        QCOMPARE(text(square, "txtpleyra"), QString(" 10"));
        QTest::mouseClick(square.control("Command2"), Qt::LeftButton);
        Fixture::settle();
        f.open("Command2", "Formt");
        QCOMPARE(square.scrollBar("hsbpleyra")->value(), 1);
        QCOMPARE(text(square, "txtpleyra"), QString("α"));
        QCOMPARE(text(square, "per"), QString("4·α"));
        QCOMPARE(text(square, "emb"), QString("α·α"));
        QVERIFY(square.window()->items().empty());
    }

    void creditsOpenOnceAndOutliveTheMenu() {
        Fixture f;
        desktop::Form& menu = f.form("Form1");
        QTest::mouseClick(menu.control("Command9"), Qt::LeftButton);
        QPointer<QWidget> credits = f.form("Formd").window();
        QTest::mouseClick(menu.control("Command9"), Qt::LeftButton);
        QCOMPARE(f.services.beeps, 2);
        QCOMPARE(f.loaded(), (QStringList{"Form1", "Formd"}));
        QCOMPARE(f.form("Formd").window(), credits.data()); // the same window, brought forward
        int visibleCredits = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            visibleCredits += w->isVisible() && w->objectName() == "Formd";
        QCOMPARE(visibleCredits, 1);
        QCOMPARE(credits->windowTitle(), QString("ΣΧΗμάτιος: ΔΗΜΙΟΥΡΓΟΣ"));
        QStringList lines;
        for (const char* label : {"Label2", "Label3", "Label4"})
            lines << qobject_cast<QLabel*>(f.form("Formd").control(label))->text();
        QCOMPARE(lines, (QStringList{"ΣΧΗμάτιος 1.00.0030", "Η ομάδα ανάπτυξης", "2026"}));

        desktop::Form& circle = f.open("Command1", "Formk");
        QCOMPARE(f.loaded(), (QStringList{"Formd", "Formk"}));
        QTest::mouseClick(circle.control("Command2"), Qt::LeftButton);
        Fixture::settle();
        QCOMPARE(f.loaded(), (QStringList{"Form1", "Formd"}));
        QCOMPARE(f.form("Formd").window(), credits.data());

        QTest::mouseClick(f.form("Formd").control("Command1(1)"), Qt::LeftButton);
        Fixture::settle();
        QCOMPARE(f.loaded(), QStringList{"Form1"});
        QCOMPARE(f.services.beeps, 5);
        QCOMPARE(f.services.ends, 0);
    }

    void endButtonBeepsThenEnds() {
        Fixture f;
        QTest::mouseClick(f.form("Form1").control("Command9"), Qt::LeftButton);
        QTest::mouseClick(f.form("Form1").control("Command4"), Qt::LeftButton);
        QCOMPARE(f.services.beeps, 2);
        QCOMPARE(f.services.ends, 1);
    }

    void closingTheLastWindowEnds() {
        Fixture f;
        desktop::Form& square = f.open("Command2", "Formt");
        square.window()->close();
        QCOMPARE(f.loaded(), QStringList{});
        QCOMPARE(f.services.ends, 1);
    }

    void closingTheFigureLeavesTheCredits() {
        Fixture f;
        QTest::mouseClick(f.form("Form1").control("Command9"), Qt::LeftButton);
        desktop::Form& angle = f.open("Command8", "Formangle");
        angle.window()->close();
        QCOMPARE(f.loaded(), QStringList{"Formd"});
        QCOMPARE(f.services.ends, 0);
        f.form("Formd").window()->close();
        QCOMPARE(f.services.ends, 1);
    }

    // The credits and the notice stay above the window being worked, and above the one
    // that replaces it; they stay modeless.
    void dialogsStayAbove() {
        Fixture f;
        QTest::mouseClick(f.form("Form1").control("Command9"), Qt::LeftButton);
        Fixture::settle();
        QWindow* credits = f.form("Formd").window()->windowHandle();
        QCOMPARE(credits->transientParent(), f.form("Form1").window()->windowHandle());
        QCOMPARE(credits->modality(), Qt::NonModal);
        desktop::Form& w = f.open("Command6", "Formtra");
        QCOMPARE(credits->transientParent(), w.window()->windowHandle());
        keyTo(w.scrollBar("hsbpleurag"), 1); // α = 1 ≤ γ: the notice
        Fixture::settle();
        QWindow* notice = f.form("Formm").window()->windowHandle();
        QCOMPARE(notice->transientParent(), w.window()->windowHandle());
        QTest::mouseClick(w.control("Command1"), Qt::LeftButton); // back to the menu
        Fixture::settle();
        QCOMPARE(credits->transientParent(), f.form("Form1").window()->windowHandle());
        QCOMPARE(notice->transientParent(), f.form("Form1").window()->windowHandle());
    }

    void everyWindowHasTheIcon() {
        Fixture f;
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::windowIcon().availableSizes(),
                 (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
        QVERIFY(!f.form("Form1").window()->windowIcon().isNull());
        QCOMPARE(QApplication::applicationVersion(), QString("1.00.0030"));
        // The window class is ASCII and the desktop entry's StartupWMClass.
        QCOMPARE(QApplication::applicationName(), QString("Schimatios"));
        QFile entry(
            QStringLiteral(SCHIMATIOS_SOURCE_DIR "/resources/gr.schimatios.Schimatios.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(
            QString::fromUtf8(entry.readAll()).split('\n').contains("StartupWMClass=Schimatios"));
        // Captions stay exactly as designed.
        QCOMPARE(f.form("Form1").window()->windowTitle(),
                 QString("ΣΧΗμάτιος: ΕΥΚΛΕΙΔΕΙΑ ΓΕΩΜΕΤΡΙΑ"));
    }
};

TESTKIT_MAIN(TestMenu)
#include "test_menu.moc"
