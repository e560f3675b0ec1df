#pragma once
// Showing a Yes/No pair of option buttons in a frame.
#include <optional>

class QRadioButton;

namespace orvane::ui {

// Selects `yes` or `no`, or neither for nothing. The frame's exclusive group would otherwise
// keep one of the two on.
void showYesNo(QRadioButton* yes, QRadioButton* no, std::optional<bool> yesChosen);

} // namespace orvane::ui
