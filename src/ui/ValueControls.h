#pragma once
// The parts that the pages of one record share: a column of labelled value buttons, a frame with
// a Yes/No pair of options, and the page layout that keeps them at the left.
#include <optional>
#include <span>
#include <string>

class QGridLayout;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orvane::ui {

// Puts the label and the control side by side at `row` of the grid; the control is read by the label.
void addLabelledRow(QWidget* parent, QGridLayout* grid, int row, const char* label, QWidget* control);

// Adds the label and an empty button named `name` at `row` of the grid; the button is read by its field,
// the label's text, and its value.
QPushButton* addValueRow(QWidget* parent, QGridLayout* grid, int row, const char* label, const char* name);

// Gives each button its caption, read with its label, and enables or disables them all.
void refreshValues(std::span<QPushButton* const> buttons, std::span<const std::string> captions, bool enabled);

struct YesNoFrame {
    QGroupBox* frame = nullptr;
    QRadioButton* yes = nullptr;
    QRadioButton* no = nullptr;
};

// A frame captioned `caption` holding the options "Yes" and "No", each with its name.
YesNoFrame makeYesNoFrame(QWidget* parent, const char* frameName, const char* caption, const char* yesName,
                          const char* noName);

// Enables the frame and its options, and selects "Yes", "No", or neither for nothing. The frame's
// exclusive group would otherwise keep one of the two on.
void refreshYesNo(const YesNoFrame& options, bool enabled, std::optional<bool> yesChosen);

// Lays out the page as a compact column at the top left; the rest of the page stays empty.
void layOutAsLeftColumn(QWidget* page, QGridLayout* column);

} // namespace orvane::ui
