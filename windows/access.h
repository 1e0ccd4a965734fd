#pragma once
// What a screen reader is told on Windows, through Dynamic Annotation (IAccPropServices):
// each control's name and a bar's value from the core (a standard EDIT would take the
// nearest label before it, a SCROLLBAR says a percentage, an owner-drawn button nothing),
// a figure window's description, and the results told in a polite live region. Where the
// system has no such service (Wine), nothing is said and nothing fails.
#include <string>
#include <windows.h>

struct IAccPropServices;

namespace win {

class Access {
  public:
    Access();
    ~Access();
    Access(const Access&) = delete;
    Access& operator=(const Access&) = delete;

    void name(HWND hwnd, const std::wstring& text);
    void value(HWND hwnd, const std::wstring& text);
    void description(HWND hwnd, const std::wstring& text);
    // Makes a control a polite live region, then tells a message through it.
    void liveRegion(HWND hwnd);
    void tell(HWND live, const std::wstring& message);

  private:
    void set(HWND hwnd, const GUID& property, const std::wstring& text);
    IAccPropServices* services_ = nullptr;
};

} // namespace win
