#pragma once
// Names for screen readers, given to the controls of a window from what the window already shows.
class QAbstractButton;
class QApplication;
class QString;
class QWidget;

namespace orvane::ui {

// Every control without a caption of its own (a value button, a list, a combo box, an edit box) is
// named after the label that stands for it: its buddy, else the label just left of it or above it
// in its layout, else the title of the frame around it. A control with a caption is read by its
// caption, which the toolkit follows as it changes; a name set by hand is kept.
void nameControls(QWidget* window);

// Runs nameControls on every window as it is shown, so windows need nothing of their own. Controls
// made after their window was shown (a page made on its first show, the change list) are named where
// they are made.
void nameControlsOfEveryWindow(QApplication& app);

// A button that shows the value of a field is read as the field and the value together, "Time Units: 54",
// and as the field alone while it shows none: a value read alone does not say what it is. The button
// is told its field once (the text of the label beside it, or what the button stands for) and then
// gets every caption through showFieldValue, which names it anew.
void setFieldName(QAbstractButton* button, const QString& field);
void showFieldValue(QAbstractButton* button, const QString& caption);
// Names the button by its field and `caption` without setting its text: for a button that draws its
// caption in its own way (the base squares wrap theirs).
void speakFieldValue(QAbstractButton* button, const QString& caption);

} // namespace orvane::ui
