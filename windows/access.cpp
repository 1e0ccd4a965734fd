#include <initguid.h> // (defines the GUIDs oleacc.h declares, here)

#include "access.h"

#include <oleacc.h>

namespace win {

namespace {
// UI Automation's LiveSetting property, and its value Polite.
DEFINE_GUID(kLiveSetting, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58,
            0xeb);
constexpr long kPolite = 1;
constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED
} // namespace

Access::Access() {
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services)))
        services_ = static_cast<IAccPropServices*>(services);
}

Access::~Access() {
    if (services_) services_->Release();
}

void Access::set(HWND hwnd, const GUID& property, const std::wstring& text) {
    if (services_)
        services_->SetHwndPropStr(hwnd, OBJID_CLIENT, CHILDID_SELF, property, text.c_str());
}

void Access::name(HWND hwnd, const std::wstring& text) {
    set(hwnd, PROPID_ACC_NAME, text);
}

void Access::value(HWND hwnd, const std::wstring& text) {
    set(hwnd, PROPID_ACC_VALUE, text);
}

void Access::description(HWND hwnd, const std::wstring& text) {
    set(hwnd, PROPID_ACC_DESCRIPTION, text);
}

void Access::liveRegion(HWND hwnd) {
    if (!services_) return;
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    services_->SetHwndProp(hwnd, OBJID_CLIENT, CHILDID_SELF, kLiveSetting, polite);
}

void Access::tell(HWND live, const std::wstring& message) {
    SetWindowTextW(live, message.c_str());
    name(live, message);
    NotifyWinEvent(kLiveRegionChanged, live, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace win
