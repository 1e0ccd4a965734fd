#include "surface.h"

#include "design.h"

#include <QCloseEvent>
#include <QPainter>

namespace desktop {

namespace {
QPointF toPixels(float x, float y) {
    return {x / rt::kTwipsPerPixel, y / rt::kTwipsPerPixel};
}
} // namespace

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::invalidate(const DrawItem& item) {
    QRectF area;
    switch (item.kind) {
    case DrawItem::Line:
        area = QRectF(toPixels(item.x1, item.y1), toPixels(item.x2, item.y2)).normalized();
        break;
    case DrawItem::Circle: {
        const qreal r = item.x2 / rt::kTwipsPerPixel;
        area = QRectF(toPixels(item.x1, item.y1) - QPointF(r, r), QSizeF(2 * r, 2 * r));
        break;
    }
    case DrawItem::Text:
        area = QRectF(toPixels(item.x1, item.y1), QSizeF(fontMetrics().size(0, item.text)));
        break;
    }
    // Clamped to the window: a figure can reach far outside it.
    const QRectF bounds = QRectF(rect()).adjusted(-4, -4, 4, 4);
    update(area.adjusted(-2, -2, 2, 2).intersected(bounds).toAlignedRect());
}

void Surface::cls() {
    for (const DrawItem& item : items_)
        invalidate(item);
    items_.clear();
    currentX_ = 0;
    currentY_ = 0;
}

void Surface::line(float x1, float y1, float x2, float y2, QRgb colour) {
    items_.push_back({DrawItem::Line, x1, y1, x2, y2, colour, {}});
    invalidate(items_.back());
}

void Surface::circle(float x, float y, float radius, QRgb colour) {
    items_.push_back({DrawItem::Circle, x, y, radius, 0, colour, {}});
    invalidate(items_.back());
}

void Surface::print(const QString& text) {
    items_.push_back({DrawItem::Text, currentX_, currentY_, 0, 0, foreColor_.rgb(), text});
    invalidate(items_.back());
    currentX_ = 0;
    currentY_ += static_cast<float>(fontMetrics().height() * rt::kTwipsPerPixel);
}

void Surface::setBackColor(QColor colour) {
    backColor_ = colour;
    update();
}

void Surface::paintTo(QPainter& painter) const {
    painter.fillRect(rect(), backColor_);
    painter.setFont(font());
    for (const DrawItem& item : items_) {
        // Lines and circles: one logical pixel, no antialiasing, so white stays white on
        // blue; the device pixel ratio scales them crisply.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(item.colour), 1));
        painter.setBrush(Qt::NoBrush);
        switch (item.kind) {
        case DrawItem::Line:
            painter.drawLine(toPixels(item.x1, item.y1), toPixels(item.x2, item.y2));
            break;
        case DrawItem::Circle: {
            const qreal r = item.x2 / rt::kTwipsPerPixel;
            painter.drawEllipse(toPixels(item.x1, item.y1), r, r);
            break;
        }
        case DrawItem::Text: {
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            const QPointF topLeft = toPixels(item.x1, item.y1);
            painter.drawText(QRectF(topLeft, QSizeF(width() + 1000, height() + 1000)),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, item.text);
            break;
        }
        }
    }
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTo(painter);
}

void Surface::closeEvent(QCloseEvent* event) {
    if (onClose) {
        event->ignore();
        onClose();
    } else {
        event->accept();
    }
}

} // namespace desktop
