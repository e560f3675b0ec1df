#pragma once
// What the program sets once for all its windows.
class QApplication;

namespace orvane::ui {

// The program's name as the desktop knows it (its desktop entry), its icon on every window and its style.
void setUpApplication(QApplication& app);

} // namespace orvane::ui
