#pragma once
// The drawing surface: a window's client area with the core's drawing retained (lines,
// circles and letters in twips, origin top-left, y downwards, letters after every line).
// paintEvent replays it in order, so the drawing survives covering and uncovering.
// The drawing follows the window's zoom: the design's pixel (15 twips) is `scale` logical
// pixels, the design's top-left corner at `origin`.
#include "design.h"
#include "picture.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace desktop {

class Surface : public QWidget {
    Q_OBJECT
  public:
    explicit Surface(QWidget* parent = nullptr);

    // Carries out a drawing step (Cls, Line, Circle, Print; letters in the fore colour)
    // and repaints where it drew or cleared; false for any other step.
    bool draw(const rt::Step& step);

    void setZoom(double scale, QPoint origin);
    double scale() const { return scale_; }
    QPoint origin() const { return origin_; }
    // The width of a line or a circle in device pixels at the window's zoom and ratio.
    int penWidth() const;

    // What the window is to the user: one worked in, a dialog beside it, or a notice.
    void setKind(rt::FormKind kind) { kind_ = kind; }
    rt::FormKind kind() const { return kind_; }

    void setBackColor(QColor colour);
    void setForeColor(QColor colour) { foreColor_ = colour; }
    QColor backColor() const { return backColor_; }
    QColor foreColor() const { return foreColor_; }

    const std::vector<rt::Drawn>& items() const { return items_; }
    // Paints background and display list with any painter (a window, an image).
    void paintTo(QPainter& painter) const;

    // Tells a screen reader a message, as a notification that appears: the results a bar's
    // moves changed. Nothing is seen.
    void announce(const QString& message);
    QString lastAnnouncement() const;

    // Called instead of closing when the window's close box is used.
    std::function<void()> onClose;
    // Called when the window's size changes (a zoom, a maximise, a drag of its frame).
    std::function<void()> onResize;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPointF toPixels(float x, float y) const;
    // Lines and circles set pixel by pixel where a logical pixel is not one device pixel.
    void paintPixels(QPainter& painter, const rt::Drawn& item, qreal ratio) const;
    // Repaints only where an item is or was, so the controls elsewhere are left alone.
    void invalidate(const rt::Drawn& item);

    std::vector<rt::Drawn> items_;
    double scale_ = 1;
    QPoint origin_;
    rt::FormKind kind_ = rt::FormKind::Main;
    QWidget* announcer_ = nullptr; // an empty notification, shown anew for each message
    QColor backColor_ = Qt::blue;
    QColor foreColor_ = Qt::lightGray;
};

} // namespace desktop
