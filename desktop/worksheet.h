#pragma once
// The figure onto paper and into worksheets, on the desktop: the core's picture of a
// figure window's drawing put on the clipboard (SVG, and PNG at 300 dpi for paper, with
// the values as text), saved as SVG or PNG, printed on one A4 page with the caption and
// the values; the keys and the context menu that ask for them. The picture, the values and
// the words are the core's: this is Qt's clipboard, files and printer.
#include "interaction.h"

#include <QString>

class QPrinter;
class QWidget;

namespace desktop {

class Form;

// The figure for paper as SVG, and as an image at the paper's resolution.
QByteArray figureSvg(const Form& form, bool paper = true);
// Ctrl+C: the figure and the values on the clipboard.
void copyFigure(const Form& form);
// Writes the figure to a file: SVG, or PNG when the name ends so.
bool saveFigure(const Form& form, const QString& path);
// One page: the caption, the figure at its size for paper, the values in two columns.
void printFigure(const Form& form, QPrinter& printer);
// Copies, saves (asking where) or prints (asking how) the figure, or opens its menu.
void worksheetCommand(Form& form, rt::Command command);
// Gives a figure window its context menu on the drawing.
void attachWorksheet(Form& form);

} // namespace desktop
