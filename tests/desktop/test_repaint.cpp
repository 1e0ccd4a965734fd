// The window repaints only where its drawing was and is; what it shows after any sequence
// of updates is, pixel for pixel, the same window painted whole. Every figure window, over
// seeded walks of real keys that grow and shrink every bar, at this run's zoom and scale.
#include "testkit.h"

#include <QBackingStore>
#include <QRandomGenerator>

using namespace testkit;

namespace {

double zoom() {
    return qEnvironmentVariableIsSet("SCHIMATIOS_ZOOM")
               ? qEnvironmentVariable("SCHIMATIOS_ZOOM").toDouble()
               : 1.0;
}

// What the window's backing store holds (its repaints so far: the offscreen platform keeps
// it as an image) and the same window painted whole, compared where no control covers the
// drawing. Returns the first differing pixel.
std::optional<QPoint> differs(QWidget* window) {
    QPaintDevice* store = window->backingStore()->paintDevice();
    if (store->devType() != QInternal::Image) return QPoint(-1, -1);
    const QImage shown = static_cast<QImage*>(store)->convertToFormat(QImage::Format_RGB32);
    const QImage whole = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != whole.size()) return QPoint(-1, -1);
    const qreal ratio = whole.devicePixelRatio();
    QRegion covered;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            covered += QRect((QPointF(child->geometry().topLeft()) * ratio).toPoint(),
                             (QSizeF(child->size()) * ratio).toSize())
                           .adjusted(-2, -2, 2, 2);
    for (int y = 0; y < whole.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
        for (int x = 0; x < whole.width(); ++x)
            if (a[x] != b[x] && !covered.contains(QPoint(x, y))) return QPoint(x, y);
    }
    return std::nullopt;
}

} // namespace

class TestRepaint : public QObject {
    Q_OBJECT
  private slots:
    void walksRepaintAsAWhole_data() { figureWindowRows(); }
    void walksRepaintAsAWhole() {
        QFETCH(QString, button);
        QFETCH(QString, form);
        Fixture f;
        f.program.setZoom(zoom());
        desktop::Form& w = f.open(qPrintable(button), qPrintable(form));
        activate(w);
        QList<QScrollBar*> bars;
        for (const rt::ControlDesign& c : w.design().controls)
            if (c.kind == rt::ControlKind::ScrollBar) bars << w.scrollBar(c.name);
        // Single steps, tenths (Ctrl) and both ends, down and up.
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Down, {}},
            {Qt::Key_Up, {}},
            {Qt::Key_PageDown, {}},
            {Qt::Key_PageUp, {}},
            {Qt::Key_Down, Qt::ControlModifier},
            {Qt::Key_Up, Qt::ControlModifier},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}}};
        QRandomGenerator random(17 + static_cast<quint32>(qHash(form)));
        int grew = 0, shrank = 0;
        const int steps = 200;
        for (int i = 0; i < steps; ++i) {
            QScrollBar* bar = bars[random.bounded(static_cast<int>(bars.size()))];
            const auto& [key, modifiers] = keys[random.bounded(static_cast<int>(std::size(keys)))];
            const int before = bar->value();
            bar->setFocus();
            QTest::keyClick(bar, key, modifiers);
            grew += bar->value() > before;
            shrank += bar->value() < before;
            if (!w.isLoaded()) break;
            Fixture::settle();
            const std::optional<QPoint> at = differs(w.window());
            if (at)
                QFAIL(qPrintable(QStringLiteral("step %1 (%2 to %3): (%4, %5) differs at scale %6")
                                     .arg(i)
                                     .arg(bar->objectName())
                                     .arg(bar->value())
                                     .arg(at->x())
                                     .arg(at->y())
                                     .arg(w.scale() * w.window()->devicePixelRatioF())));
        }
        QVERIFY2(grew > steps / 5 && shrank > steps / 5,
                 qPrintable(QStringLiteral("%1 grew, %2 shrank").arg(grew).arg(shrank)));
        QCOMPARE(w.scale(), zoom());
    }
};

TESTKIT_MAIN(TestRepaint)
#include "test_repaint.moc"
