#pragma once
// What a screen reader is told of the program's windows and bars, beyond what Qt's own
// accessibility says: each window's role (a frame, a dialog, an alert whose text is its
// label), each bar's value in the units its box shows, and the window's announcements.
namespace desktop {

// Installs the program's accessibility factory; called once at start.
void installAccessibility();

} // namespace desktop
