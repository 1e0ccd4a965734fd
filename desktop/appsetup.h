#pragma once
// What the program sets up around its forms: identity, style, font and icon.
#include <QApplication>
#include <string>

namespace desktop {

// The windows' class, as the desktop entry's StartupWMClass says.
inline constexpr const char* kWindowClass = "Schimatios";

// True when Qt has a platform to show windows on.
bool displayAvailable();
// Name, version, icon, the Fusion style and the font every window uses.
void setUpApplication(QApplication& application);
// The decimal separator of the system locale.
std::string systemDecimalSeparator();

} // namespace desktop
