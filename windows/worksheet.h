#pragma once
// The figure onto paper and into worksheets, on Windows: the core's picture of a figure
// window's drawing and its values on the clipboard (text, the SVG, a PNG and a bitmap at
// 300 dpi for paper), saved as SVG or PNG, printed on one page with the caption and the
// values; the context menu that asks for them. The picture, the values, the words and the
// keys are the core's.
#include "interaction.h"

#include <string>
#include <windows.h>

namespace win {

class Form;

// Copies, saves (asking where) or prints (asking how) the figure.
void worksheetCommand(Form& form, rt::Command command);
// At a point of the screen; (-1, -1) from the keyboard: under the focus.
void worksheetMenu(Form& form, POINT at);

void copyFigure(Form& form);
bool saveFigure(Form& form, const std::wstring& path);
void printFigure(Form& form, HDC printer);

} // namespace win
