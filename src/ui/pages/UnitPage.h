#pragma once
// The "Unit Editor" page: the unit box, the fifteen value buttons and the flying options of one unit.
#include <array>

#include "editors/UnitEditor.h"
#include "ui/EditorPage.h"
#include "ui/ValueControls.h"

class QComboBox;
class QPushButton;

namespace orvane::ui {

class UnitPage : public EditorPage {
    Q_OBJECT
public:
    UnitPage(units::UnitEditor& editor, QWidget* parent = nullptr);

    void showRecord(int list, std::size_t record) override;

private:
    void refresh();

    units::UnitEditor& editor_;
    QComboBox* unitBox_ = nullptr;
    std::array<QPushButton*, units::UnitStatCount> valueButtons_{};
    YesNoFrame flying_;
};

} // namespace orvane::ui
