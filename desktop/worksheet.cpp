#include "worksheet.h"

#include "form.h"
#include "picture.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgRenderer>

namespace desktop {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::vector<std::pair<std::string, std::string>> valuesOf(const Form& form) {
    return rt::valuesOf(form.design(), [&form](std::string_view box) {
        return form.textBox(box)->text().toStdString();
    });
}

// The figure for paper at 300 dpi, black on nothing.
QImage paperImage(const Form& form, const QByteArray& svg) {
    const rt::PixelSize size = rt::paperPixels(rt::pictureArea(form.window()->items()));
    QImage image(size.width, size.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(static_cast<int>(std::lround(rt::kPaperDpi / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    return image;
}

QByteArray pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray figureSvg(const Form& form, bool paper) {
    const Surface* w = form.window();
    return QByteArray::fromStdString(
        rt::svgOf(form.window()->items(), paper ? rt::Colouring::Paper : rt::Colouring::Screen,
                  w->backColor().rgb() & 0xFFFFFF, w->foreColor().rgb() & 0xFFFFFF,
                  w->accessibleDescription().toStdString()));
}

void copyFigure(const Form& form) {
    const QByteArray svg = figureSvg(form);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), svg);
    const QImage image = paperImage(form, svg);
    data->setImageData(image);
    data->setData(QStringLiteral("image/png"), pngOf(image)); // the bytes, for any program
    data->setText(qs(rt::valuesText(valuesOf(form))));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool saveFigure(const Form& form, const QString& path) {
    const QByteArray svg = figureSvg(form);
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return paperImage(form, svg).save(path, "PNG");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size();
}

void printFigure(const Form& form, QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    const rt::PrintedPage& page = rt::kPrintedPage;
    const qreal m = page.marginMm;
    printer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    printer.setDocName(qs(form.design().caption));
    QPainter painter(&printer);
    const qreal dpi = printer.resolution();
    const qreal pt = dpi / 72; // device pixels a point
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSizeF(page.captionPt);
    painter.setFont(font);
    const qreal line = QFontMetricsF(font, &printer).height();
    painter.drawText(QPointF(0, QFontMetricsF(font, &printer).ascent()), qs(form.design().caption));
    qreal y = line + page.afterCaptionPt * pt;
    // The figure at its size: its points are the paper's points.
    const QByteArray svg = figureSvg(form);
    const rt::TwipRect area = rt::pictureArea(form.window()->items());
    const QSizeF size = QSizeF(area.w, area.h) / 20 * pt; // 20 twips a point
    QSvgRenderer(svg).render(&painter, QRectF(QPointF(0, y), size));
    y += size.height() + page.afterFigurePt * pt;
    // The window's link, to open the same figure again.
    font.setPointSizeF(page.linkPt);
    painter.setFont(font);
    const QFontMetricsF linkMetrics(font, &printer);
    painter.drawText(QPointF(0, y + linkMetrics.ascent()),
                     QString::fromStdString(app::readableSchemeLink(form.link())));
    y += linkMetrics.height() + page.afterLinkPt * pt;
    font.setPointSizeF(page.valuesPt);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    qreal column = 0;
    const auto values = valuesOf(form);
    for (const auto& [name, text] : values)
        column = std::max(column, metrics.horizontalAdvance(qs(name)));
    for (const auto& [name, text] : values) {
        painter.drawText(QPointF(0, y + metrics.ascent()), qs(name));
        painter.drawText(QPointF(column + page.columnGapPt * pt, y + metrics.ascent()), qs(text));
        y += metrics.height() + page.rowGapPt * pt;
    }
}

namespace {
void saveAs(Form& form) {
    const QString svgFilter = qs(rt::kSaveSvg) + QStringLiteral(" (*.svg)");
    const QString pngFilter = qs(rt::kSavePng) + QStringLiteral(" (*.png)");
    QString filter = svgFilter;
    QString path = QFileDialog::getSaveFileName(form.window(), qs(rt::kSaveFigure),
                                                qs(rt::pictureFileName(form.design(), "svg")),
                                                svgFilter + ";;" + pngFilter, &filter);
    if (path.isEmpty()) return;
    const QString extension = filter == pngFilter ? QStringLiteral(".png") : QStringLiteral(".svg");
    if (!path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
    saveFigure(form, path);
}

void printWithDialog(Form& form) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, form.window());
    dialog.setWindowTitle(qs(rt::kPrintFigure));
    if (dialog.exec() == QDialog::Accepted) printFigure(form, printer);
}
} // namespace

void worksheetCommand(Form& form, rt::Command command) {
    switch (command) {
    case rt::Command::CopyFigure:
        return copyFigure(form);
    case rt::Command::SaveFigure:
        return saveAs(form);
    case rt::Command::PrintFigure:
        return printWithDialog(form);
    case rt::Command::CopyLink:
        return QGuiApplication::clipboard()->setText(
            QString::fromStdString(app::schemeLink(form.link())));
    case rt::Command::FigureMenu: {
        // Opened from the keyboard: beside the control that has the focus.
        QWidget* at = form.window()->focusWidget() ? form.window()->focusWidget() : form.window();
        QMenu::exec(form.window()->actions(), at->mapToGlobal(at->rect().center()), nullptr, at);
        return;
    }
    default:
        return;
    }
}

void attachWorksheet(Form& form) {
    Surface* window = form.window();
    // The context menu on the drawing, opened by a right click.
    for (const rt::MenuEntry& entry : rt::figureMenu(form.design())) {
        auto* action = new QAction(qs(entry.text), window);
        QObject::connect(action, &QAction::triggered, window,
                         [&form, command = entry.command] { worksheetCommand(form, command); });
        window->addAction(action);
    }
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace desktop
