// The figure onto paper and into worksheets, on the desktop: Ctrl+C puts the figure (SVG,
// PNG at 300 dpi) and the values on the clipboard, and leaves a box's selected text to the
// box; the context menu on the drawing, from the mouse and from the Menu key; a saved SVG
// and PNG; one A4 page printed to PDF through the print path.
#include "testkit.h"
#include "worksheet.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace testkit;

namespace {

// The trapezium a teacher wants on tomorrow's worksheet.
desktop::Form& trapezium(Fixture& f) {
    desktop::Form& w = f.open("Command6", "Formtra");
    keyTo(w.scrollBar("hsbpleuraa"), 10);
    keyTo(w.scrollBar("hsbpleurag"), 5);
    keyTo(w.scrollBar("hsbgoniaa"), 60);
    keyTo(w.scrollBar("hsbgoniab"), 60);
    activate(w);
    return w;
}

const QString kValues = QStringLiteral(
    "ΓΩΝΙΑ Α:\t60°\nΓΩΝΙΑ Β:\t60°\nΠΛΕΥΡΑ α:\t10\nΠΛΕΥΡΑ β:\t4.99999999999999\nΓΩΝΙΑ Δ:\t120°\n"
    "ΠΛΕΥΡΑ γ:\t5\nΠΛΕΥΡΑ δ:\t4.99999999999999\nΥΨΟΣ h:\t4.33012701892218\n"
    "ΠΕΡΙΜΕΤΡΟΣ:\t25\nΕΜΒΑΔΟ:\t32.4759526419164\n");

// The menu that pops up after `open`, its actions' texts; closed again.
QStringList popupAfter(const std::function<void()>& open) {
    QStringList texts;
    QTimer::singleShot(100, [&texts] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                texts << a->text();
            menu->close();
        }
    });
    open();
    QTest::qWait(300);
    return texts;
}

// The picture's size in inches, as any program reads its SVG: an XML document whose root
// <svg> has a width and a height in points; empty where it is not.
QSizeF inchesOf(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QSizeF size;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd())
        if (xml.isStartElement() && xml.name() == QStringLiteral("svg") && size.isEmpty()) {
            const auto points = [&xml](const char* name) {
                const QString v = xml.attributes().value(QString::fromLatin1(name)).toString();
                bool ok = v.endsWith("pt");
                const double n = QStringView(v).chopped(ok ? 2 : 0).toDouble(&ok);
                return ok ? n / 72 : -1.0;
            };
            size = {points("width"), points("height")};
        }
    return xml.hasError() ? QSizeF() : size;
}

// A picture for paper: the SVG readable, with a size; the PNG its size at 300 dpi.
void checkPicture(const QByteArray& svg, const QByteArray& png) {
    const QSizeF inches = inchesOf(svg);
    QVERIFY2(inches.width() > 0.5 && inches.height() > 0.5, svg.left(300).constData());
    const QImage image = QImage::fromData(png, "PNG");
    QVERIFY2(!image.isNull(), "the PNG decodes");
    QCOMPARE(image.size(), (inches * 300).toSize());
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 300);
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT
  private slots:
    void ctrlCCopiesTheFigureAndTheValues() {
        Fixture f;
        desktop::Form& w = trapezium(f);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(w.scrollBar("hsbgoniab"), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), kValues);
        const QByteArray svg = data->data(QStringLiteral("image/svg+xml"));
        QVERIFY(svg.contains("<title>Τραπέζιο ΑΒΓΔ"));
        QVERIFY(!svg.contains("#0000ff") && !svg.contains("#ffffff")); // for paper
        checkPicture(svg, data->data(QStringLiteral("image/png")));
        if (QTest::currentTestFailed()) return;
        // The same picture for the programs that take an image rather than bytes.
        QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(),
                 QImage::fromData(data->data(QStringLiteral("image/png"))).size());
        // A box's selected text stays the box's to copy.
        desktop::TextBox* box = w.textBox("emb");
        box->setFocus();
        box->setSelection(1, 4);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("32.4"));
    }

    void theContextMenuOnTheDrawing() {
        Fixture f;
        desktop::Form& w = trapezium(f);
        const QStringList expected{"Αντιγραφή σχήματος", "Αποθήκευση εικόνας…", "Εκτύπωση…",
                                   "Αντιγραφή συνδέσμου"};
        // A right click on the drawing.
        const QPoint at(w.window()->width() * 3 / 5, w.window()->height() / 3);
        QCOMPARE(popupAfter([&] {
                     QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                             w.window()->mapToGlobal(at));
                     QApplication::sendEvent(
                         w.window()->childAt(at) ? w.window()->childAt(at) : w.window(), &event);
                 }),
                 expected);
        // The Menu key on a bar, which has no menu of its own: what the platform makes of
        // the key, a context menu event for the focus, goes on to the window.
        desktop::ScrollBar* bar = w.scrollBar("hsbgoniab");
        bar->setFocus();
        QCOMPARE(popupAfter([&] {
                     QContextMenuEvent event(QContextMenuEvent::Keyboard, bar->rect().center(),
                                             bar->mapToGlobal(bar->rect().center()));
                     QApplication::sendEvent(bar, &event);
                 }),
                 expected);
        // Only figure windows have it.
        QCOMPARE(f.form("Formm").isLoaded(), false);
    }

    void savedAsSvgAndPng() {
        Fixture f;
        desktop::Form& w = trapezium(f);
        QTemporaryDir dir;
        const QString svg = dir.filePath("ΤΡΑΠΕΖΙΟ.svg"), png = dir.filePath("ΤΡΑΠΕΖΙΟ.png");
        QVERIFY(desktop::saveFigure(w, svg));
        QVERIFY(desktop::saveFigure(w, png));
        QFile file(svg), pngFile(png);
        QVERIFY(file.open(QIODevice::ReadOnly) && pngFile.open(QIODevice::ReadOnly));
        const QByteArray svgBytes = file.readAll();
        QCOMPARE(svgBytes, desktop::figureSvg(w));
        checkPicture(svgBytes, pngFile.readAll());
        if (QTest::currentTestFailed()) return;
        const QImage image(png);
        // Black lines on nothing: some pixels drawn, the corners clear.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        int drawn = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                drawn += qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 64;
        QVERIFY(drawn > 200);
    }

    void printedOnOnePageOfA4() {
        Fixture f;
        desktop::Form& w = trapezium(f);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("page.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        desktop::printFigure(w, printer);
        const QString info = run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY2(info.contains("(A4)"), qPrintable(info));
        const QString text = run("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.contains("ΣΧΗμάτιος: ΤΡΑΠΕΖΙΟ"), qPrintable(text));
        // The window's link under the figure, as a person reads it.
        QVERIFY2(text.contains("schimatios:1/τραπέζιο/Α=60/Β=60/α=10/γ=5"), qPrintable(text));
        // The figure at its size: the page at 72 dpi, a pixel a point, its tallest run of
        // inked rows the figure's height less its margins (12 points above and below).
        run("pdftoppm", {"-r", "72", "-gray", "-png", "-singlefile", pdf, dir.filePath("page")});
        const QImage page(dir.filePath("page.png"));
        QVERIFY(!page.isNull());
        int tallest = 0;
        for (int y = 0, run = 0; y < page.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < page.width() && !ink; ++x)
                ink = qGray(page.pixel(x, y)) < 224;
            run = ink ? run + 1 : 0;
            tallest = std::max(tallest, run);
        }
        const double figurePt = inchesOf(desktop::figureSvg(w)).height() * 72;
        QVERIFY2(std::abs(tallest - (figurePt - 24)) <= 3,
                 qPrintable(
                     QStringLiteral("%1 rows inked, the figure %2 pt").arg(tallest).arg(figurePt)));
        for (const QString& line : kValues.trimmed().split('\n')) {
            const QStringList parts = line.split('\t');
            QVERIFY2(
                text.contains(QRegularExpression(QRegularExpression::escape(parts[0]) + "\\s+" +
                                                 QRegularExpression::escape(parts[1]))),
                qPrintable(line));
        }
    }
};

TESTKIT_MAIN(TestWorksheet)
#include "test_worksheet.moc"
