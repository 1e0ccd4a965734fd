#include "worksheet.h"

#include "form.h"
#include "forms.h"
#include "link.h"
#include "text.h"

#include <cmath>
#include <commdlg.h>
#include <cstring>
#include <gdiplus.h>
#include <vector>

namespace win {

namespace {

std::vector<std::pair<std::string, std::string>> valuesOf(Form& form) {
    return rt::valuesOf(form.design(), [&form](std::string_view box) { return form.boxText(box); });
}

std::string svgOf(Form& form) {
    return rt::svgOf(form.drawing(), rt::Colouring::Paper, form.design().backColor,
                     form.design().foreColor, form.description());
}

// The figure for paper at 300 dpi, black on nothing: the core's picture as ink.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // ARGB, top row first
};

Picture paperPicture(Form& form) {
    const rt::Ink ink = rt::inkOf(form.drawing(), rt::kPaperDpi);
    Picture p{ink.width, ink.height, {}};
    p.pixels.reserve(ink.level.size());
    for (const std::uint8_t level : ink.level)
        p.pixels.push_back(std::uint32_t{level} << 24); // black, as opaque as the ink is dark
    return p;
}

std::string pngOf(const Picture& p) {
    Gdiplus::Bitmap bitmap(p.width, p.height, p.width * 4, PixelFormat32bppARGB,
                           reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(p.pixels.data())));
    bitmap.SetResolution(rt::kPaperDpi, rt::kPaperDpi); // for paper: its size in the file
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return {};
    const CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    std::string bytes;
    if (bitmap.Save(stream, &png, nullptr) == Gdiplus::Ok) {
        HGLOBAL memory = nullptr;
        GetHGlobalFromStream(stream, &memory);
        STATSTG stat{};
        stream->Stat(&stat, STATFLAG_NONAME);
        const auto* data = static_cast<const char*>(GlobalLock(memory));
        bytes.assign(data, data + stat.cbSize.QuadPart);
        GlobalUnlock(memory);
    }
    stream->Release();
    return bytes;
}

void put(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    if (!SetClipboardData(format, memory)) GlobalFree(memory);
}

std::wstring crlf(const std::string& text) {
    std::wstring out;
    for (const wchar_t c : wide(text)) {
        if (c == L'\n') out += L'\r';
        out += c;
    }
    return out;
}

void saveWithDialog(Form& form) {
    const std::wstring svgName = wide(rt::kSaveSvg), pngName = wide(rt::kSavePng);
    std::wstring filter = svgName + L'\0' + L"*.svg" + L'\0' + pngName + L'\0' + L"*.png" + L'\0';
    std::wstring file = wide(rt::pictureFileName(form.design(), "svg"));
    file.resize(MAX_PATH);
    const std::wstring title = wide(rt::kSaveFigure);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = form.hwnd();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = L"svg";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&ofn)) return;
    file.resize(wcslen(file.c_str()));
    const std::wstring extension = ofn.nFilterIndex == 2 ? L".png" : L".svg";
    if (file.size() < 4 || _wcsicmp(file.c_str() + file.size() - 4, extension.c_str()) != 0)
        file += extension;
    saveFigure(form, file);
}

void printWithDialog(Form& form) {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = form.hwnd();
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    if (!PrintDlgW(&pd) || !pd.hDC) return;
    printFigure(form, pd.hDC);
    DeleteDC(pd.hDC);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
}

} // namespace

void copyFigure(Form& form) {
    const std::wstring text = crlf(rt::valuesText(valuesOf(form)));
    const std::string svg = svgOf(form);
    const Picture picture = paperPicture(form);
    const std::string png = pngOf(picture);
    // A bitmap on white for the programs that take no other picture.
    std::vector<char> dib(sizeof(BITMAPINFOHEADER) + picture.pixels.size() * 4);
    BITMAPINFOHEADER header{
        sizeof header, picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(dib.data(), &header, sizeof header);
    auto* out = reinterpret_cast<std::uint32_t*>(dib.data() + sizeof header);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t level = 255 - (picture.pixels[i] >> 24);
        out[i] = level | (level << 8) | (level << 16);
    }
    if (!OpenClipboard(form.hwnd())) return;
    EmptyClipboard();
    put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    put(RegisterClipboardFormatW(L"image/svg+xml"), svg.data(), svg.size());
    if (!png.empty()) put(RegisterClipboardFormatW(L"PNG"), png.data(), png.size());
    put(CF_DIB, dib.data(), dib.size());
    CloseClipboard();
}

bool saveFigure(Form& form, const std::wstring& path) {
    const bool png = path.size() > 4 && _wcsicmp(path.c_str() + path.size() - 4, L".png") == 0;
    const std::string bytes = png ? pngOf(paperPicture(form)) : svgOf(form);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        !bytes.empty() &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    return ok;
}

void printFigure(Form& form, HDC dc) {
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    const std::wstring caption = wide(form.design().caption);
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = caption.c_str();
    if (StartDocW(dc, &doc) <= 0) return;
    StartPage(dc);
    const rt::PrintedPage& page = rt::kPrintedPage;
    const auto points = [dpi](int pt) { return MulDiv(pt, dpi, 72); };
    // The margin from the paper's edge, whatever the printer cannot reach.
    const int margin = MulDiv(page.marginMm * 10, dpi, 254) - GetDeviceCaps(dc, PHYSICALOFFSETX);
    int y = MulDiv(page.marginMm * 10, dpi, 254) - GetDeviceCaps(dc, PHYSICALOFFSETY);
    // A line's text written at (x, y), or only measured; its width and height.
    const auto text = [&](const std::wstring& s, int x, int pt, bool write = true) {
        const HFONT f = CreateFontW(-points(pt), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                    CLEARTYPE_QUALITY, 0, L"DejaVu Sans Condensed");
        const HGDIOBJ old = SelectObject(dc, f);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        if (write) TextOutW(dc, x, y, s.c_str(), static_cast<int>(s.size()));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SIZE size{};
        GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
        SelectObject(dc, old);
        DeleteObject(f);
        return std::pair<int, int>(size.cx, tm.tmHeight);
    };
    y += text(caption, margin, page.captionPt).second + points(page.afterCaptionPt);
    // The figure at its size: the core's picture as ink at the printer's resolution, put
    // on the page as grey levels (white where there is no ink).
    const rt::Ink ink = rt::inkOf(form.drawing(), dpi);
    const int stride = (ink.width + 3) & ~3;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * ink.height);
    for (int r = 0; r < ink.height; ++r)
        for (int c = 0; c < ink.width; ++c)
            rows[std::size_t(r) * stride + c] =
                static_cast<std::uint8_t>(255 - ink.level[std::size_t(r) * ink.width + c]);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD greys[256];
    } info{};
    info.header = {sizeof info.header, ink.width, -ink.height, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    for (int g = 0; g < 256; ++g)
        info.greys[g] = {static_cast<BYTE>(g), static_cast<BYTE>(g), static_cast<BYTE>(g), 0};
    StretchDIBits(dc, margin, y, ink.width, ink.height, 0, 0, ink.width, ink.height, rows.data(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
    const rt::TwipRect area = rt::pictureArea(form.drawing());
    const double k = dpi / 1440.0;
    y += static_cast<int>(std::lround(area.h * k)) + points(page.afterFigurePt);
    // The window's link, to open the same figure again.
    y += text(wide(app::readableSchemeLink(form.link())), margin, page.linkPt).second +
         points(page.afterLinkPt);
    // The values in two columns.
    int column = 0;
    const auto values = valuesOf(form);
    for (const auto& [name, value] : values)
        column = std::max(column, text(wide(name), margin, page.valuesPt, false).first);
    for (const auto& [name, value] : values) {
        text(wide(name), margin, page.valuesPt);
        y += text(wide(value), margin + column + points(page.columnGapPt), page.valuesPt).second +
             points(page.rowGapPt);
    }
    EndPage(dc);
    EndDoc(dc);
}

void copyLink(Form& form) {
    const std::wstring text = wide(app::schemeLink(form.link()));
    if (!OpenClipboard(form.hwnd())) return;
    EmptyClipboard();
    put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
}

bool openLinksHere() {
    // For this user only, as any program may: HKCU\Software\Classes\schimatios.
    wchar_t exe[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    if (n == 0 || n == MAX_PATH) return false;
    const std::wstring key = L"Software\\Classes\\" + wide(app::kLinkScheme);
    const auto set = [](const std::wstring& path, const wchar_t* name, const std::wstring& value) {
        return RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), name, REG_SZ, value.c_str(),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
    };
    const std::wstring program = exe;
    return set(key, nullptr, L"URL:" + wide(app::kProgramName)) && set(key, L"URL Protocol", L"") &&
           set(key + L"\\DefaultIcon", nullptr, L"\"" + program + L"\",0") &&
           set(key + L"\\shell\\open\\command", nullptr, L"\"" + program + L"\" \"%1\"");
}

void worksheetCommand(Form& form, rt::Command command) {
    if (command == rt::Command::CopyLink) copyLink(form);
    if (command == rt::Command::OpenLinksHere && openLinksHere())
        MessageBoxW(form.hwnd(), wide(rt::kLinksOpenHere).c_str(), wide(app::kProgramName).c_str(),
                    MB_OK | MB_ICONINFORMATION);
    if (command == rt::Command::CopyFigure) copyFigure(form);
    if (command == rt::Command::SaveFigure) saveWithDialog(form);
    if (command == rt::Command::PrintFigure) printWithDialog(form);
}

void worksheetMenu(Form& form, POINT at) {
    if (at.x == -1 && at.y == -1) {
        RECT r{};
        GetWindowRect(GetFocus() ? GetFocus() : form.hwnd(), &r);
        at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    const HMENU menu = CreatePopupMenu();
    for (const rt::MenuEntry& entry : rt::figureMenu(form.design(), true))
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.command),
                    wide(entry.text).c_str());
    const int chosen =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, form.hwnd(), nullptr);
    DestroyMenu(menu);
    if (chosen) worksheetCommand(form, static_cast<rt::Command>(chosen));
}

} // namespace win
