#pragma once
// Names for screen readers, given to each control where it is made.
class QAbstractButton;
class QLabel;
class QString;
class QWidget;

namespace orvane::ui {

// Makes `label` the buddy of `control` and names the control by the label's text without its colon:
// a screen reader reads the control by its name and its label, and the label's access key, if any,
// moves the focus to it.
void labelControl(QLabel* label, QWidget* control);

// A button that shows the value of a field is read as the field and the value together, "Time Units: 54",
// and as the field alone while it shows none: a value read alone does not say what it is. The button
// is told its field once (the text of the label beside it, or what the button stands for) and then
// gets every caption through refreshFieldValue, which names it anew.
void setFieldName(QAbstractButton* button, const QString& field);
void refreshFieldValue(QAbstractButton* button, const QString& caption);
// Names the button by its field and `caption` without setting its text: for a button that draws its
// caption in its own way (the base squares wrap theirs).
void nameByFieldValue(QAbstractButton* button, const QString& caption);

} // namespace orvane::ui
