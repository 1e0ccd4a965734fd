#pragma once
// The controls a stored design can hold.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <string>

#include "design.h"

namespace desktop {

// A vertical scroll bar, Min at the top, that takes keyboard focus and tells two kinds
// of change apart:
//   scroll  - the thumb is being dragged; value() already follows the thumb;
//   change  - an arrow, a trough click, a key or the wheel changed the value.
// The end of a drag adds nothing: every value of the drag has already come as scroll.
class ScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    ScrollBar(int min, int max, int value, QWidget* parent);

    // What the value stands for, and the separator its box writes decimals with.
    void setUnit(rt::BarUnit unit, std::string decimalSeparator);
    rt::BarUnit unit() const { return unit_; }
    // The value as its box shows it: "100,00", "0,02°", "45°", "7".
    QString spokenValue() const;

  signals:
    void scroll();
    void change();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void valueMoved();
    rt::BarUnit unit_ = rt::BarUnit::Whole;
    std::string separator_ = ".";
};

// A read-only, selectable text box: the program writes it, a student may copy from it.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    TextBox(const QString& text, QWidget* parent);
    // Writes the text and shows it from its beginning; false if it already showed it.
    bool setBoxText(const QString& text);
    // Margins in proportion at a window's zoom.
    void setZoom(double scale);
    // The tool tip the design gives, shown while the whole text fits.
    void setDesignToolTip(const QString& tip);

  protected:
    // Ctrl+C copies a selected text; with none, the window's own Ctrl+C has it.
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A text wider than the box: its whole text becomes the tool tip.
    void updateToolTip();
    QString designToolTip_;
};

// A caption in its own colours, never changed at run time.
class Label : public QLabel {
    Q_OBJECT
  public:
    Label(const QString& caption, QColor back, QColor fore, QWidget* parent);
};

// A graphical command button: a picture and no caption.
class PictureButton : public QPushButton {
    Q_OBJECT
  public:
    // picture: a stored file name, beside which name@2x.png and name@3x.png are the same
    // picture drawn two and three times as large.
    PictureButton(const QString& picture, QWidget* parent);
    // The picture at `scale` times its size, from the sharpest version for the screen.
    void setZoom(double scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString picture_;
    QSize size_;
    double scale_ = 0; // none chosen yet
};

} // namespace desktop
