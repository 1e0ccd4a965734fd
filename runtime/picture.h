#pragma once
// The figure as a picture to keep: the window's drawing (its lines, circles and printed
// letters, in twips) written as an SVG document at its designed physical size (20 twips
// to the point, 1440 to the inch), cropped to what is drawn and a margin, the letters as outlines
// of the program's font so that it looks the same everywhere; and the window's values as text. The
// same in every edition: the runtimes only put it on the clipboard, in a file or on paper.
#include "design.h"
#include "update.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rt {

// One drawn item as a window keeps it: Line from (x1, y1) to (x2, y2); Circle about
// (x1, y1) of radius x2; Text with its top-left at (x1, y1).
struct Drawn {
    enum Kind { Line, Circle, Text };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t colour = 0;
    std::string text{};
    bool operator==(const Drawn&) const = default;
};

// A drawing step (Cls, Line, Circle, Print) carried out on a drawing, letters in
// `foreColour`; false for any other step, which leaves it as it was. The drawing keeps
// every line and circle before every letter: painted in order, letters lie on top.
bool drawStep(std::vector<Drawn>& drawing, const Step& step, std::uint32_t foreColour);
// What an update's drawing steps leave on a cleared surface; letters in `foreColour`.
std::vector<Drawn> drawnBy(const Update& update, std::uint32_t foreColour = 0);

// For paper: black lines and letters on nothing; as on screen: the window's colours.
enum class Colouring { Paper, Screen };

// The margin around what is drawn, in twips (a sixth of an inch).
inline constexpr int kPictureMargin = 240;

// The drawing as an SVG document; `description` is its title. `back` and `fore` are the
// window's colours (the background, and the letters'), used as on screen.
std::string svgOf(const std::vector<Drawn>& drawing, Colouring colouring, std::uint32_t back,
                  std::uint32_t fore, std::string_view description);

// The region the picture shows, in twips: what is drawn and the margin. {x, y, w, h}.
struct TwipRect {
    double x, y, w, h;
};
TwipRect pictureArea(const std::vector<Drawn>& drawing);

// The window's boxes, each by its spoken name with its text, in the window's order:
// what a teacher copies or prints beside the figure.
std::vector<std::pair<std::string, std::string>>
valuesOf(const FormDesign& design, const std::function<std::string(std::string_view box)>& textOf);
// The same as text, a line a box, name and text separated by a tab.
std::string valuesText(const std::vector<std::pair<std::string, std::string>>& values);

// The file name a saved picture takes from the window's caption: "ΤΡΑΠΕΖΙΟ.svg".
std::string pictureFileName(const FormDesign& design, std::string_view extension);

// The worksheet commands, as every edition names them in its context menu.
inline constexpr const char* kCopyFigure = "Αντιγραφή σχήματος";
inline constexpr const char* kSaveFigure = "Αποθήκευση εικόνας…";
inline constexpr const char* kPrintFigure = "Εκτύπωση…";
// The entry beside them that copies the window's link; and, where the program can ask for
// it itself, the one that has the system open such links with it, and what it then says.
inline constexpr const char* kCopyLink = "Αντιγραφή συνδέσμου";
inline constexpr const char* kOpenLinksHere = "Άνοιγμα των συνδέσμων με αυτό το πρόγραμμα";
inline constexpr const char* kLinksOpenHere =
    "Οι σύνδεσμοι schimatios: ανοίγουν πλέον με αυτό το πρόγραμμα, για αυτόν τον χρήστη.";
// The two pictures a figure is saved as.
inline constexpr const char* kSaveSvg = "Εικόνα SVG (διανυσματική)";
inline constexpr const char* kSavePng = "Εικόνα PNG (300 dpi)";
// The resolution of the picture for paper.
inline constexpr int kPaperDpi = 300;
// The picture for paper in whole pixels at that resolution.
struct PixelSize {
    int width, height;
};
PixelSize paperPixels(const TwipRect& area);

// The picture as ink at `dpi` dots an inch, for a runtime that has no SVG renderer to put
// it on paper or in a PNG: a byte a pixel, 0 no ink and 255 black, top row first, the
// region pictureArea gives. Lines and circles are set as a window sets them at that
// scale; the letters are filled from the same outlines as the SVG's, their edges shaded.
struct Ink {
    int width = 0, height = 0;
    std::vector<std::uint8_t> level;
};
Ink inkOf(const std::vector<Drawn>& drawing, int dpi);

// The printed page, one A4 sheet: the caption, the figure at its size for paper, the
// window's link (with its QR code where it is a web address), then the values in two
// columns (spoken name, text). Sizes and spaces in points, the margin in mm.
struct PrintedPage {
    int marginMm = 20;
    int captionPt = 16, afterCaptionPt = 12;
    int afterFigurePt = 16;
    int linkPt = 10, afterLinkPt = 16; // the window's link under the figure
    int qrMm = 30;                     // its QR code, where the link is a web address
    int valuesPt = 12, columnGapPt = 16, rowGapPt = 6;
};
inline constexpr PrintedPage kPrintedPage{};

} // namespace rt
