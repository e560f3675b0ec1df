#pragma once
// Names for screen readers, given to the controls of a window from what the window already shows.
class QApplication;
class QWidget;

namespace orvane::ui {

// Every control without a caption of its own (a value button, a list, a combo box, an edit box) is
// named after the label that stands for it: its buddy, else the label just left of it or above it
// in its layout, else the title of the frame around it. A control with a caption is read by its
// caption, which the toolkit follows as it changes; a name set by hand is kept.
void nameControls(QWidget* window);

// Runs nameControls on every window as it is shown, so windows and pages added later need nothing.
void nameControlsOfEveryWindow(QApplication& app);

} // namespace orvane::ui
