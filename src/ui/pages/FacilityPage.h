#pragma once
// The "Facility Editor" page: the facility type box, the five value buttons of the chosen facility type and
// its "Standard to Build?:" options.
#include <array>

#include "editors/FacilityEditor.h"
#include "ui/EditorPage.h"
#include "ui/ValueControls.h"

class QComboBox;
class QPushButton;

namespace orvane::ui {

class FacilityPage : public EditorPage {
    Q_OBJECT
public:
    FacilityPage(facilities::FacilityEditor& editor, QWidget* parent = nullptr);

    void showRecord(int list, std::size_t record) override;

private:
    void refresh();

    facilities::FacilityEditor& editor_;
    QComboBox* typeBox_ = nullptr;
    std::array<QPushButton*, facilities::FacilityValueCount> valueButtons_{};
    YesNoFrame standard_;
};

} // namespace orvane::ui
