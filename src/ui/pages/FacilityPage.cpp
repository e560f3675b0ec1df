#include "ui/pages/FacilityPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/ValueControls.h"
#include "ui/pages/FacilityPageNames.h"

namespace orvane::ui {
namespace {

using facilities::FacilityValue;

struct ValueControl {
    FacilityValue value;
    const char* name;
};

// In the order they stand on the page.
constexpr std::array<ValueControl, facilities::FacilityValueCount> valueControls{{
    {FacilityValue::ConstructionCost, facilityPageNames::cmdPrice},
    {FacilityValue::ConstructionTime, facilityPageNames::cmdDays},
    {FacilityValue::MonthlyCost, facilityPageNames::cmdUpkeep},
    {FacilityValue::DefenseStrength, facilityPageNames::cmdStrength},
    {FacilityValue::HitRatio, facilityPageNames::cmdRatio},
}};

} // namespace

FacilityPage::FacilityPage(facilities::FacilityEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    auto* grid = new QGridLayout;
    typeBox_ = new QComboBox(this);
    typeBox_->setObjectName(facilityPageNames::cmbType);
    const auto& names = facilities::facilityTypeNames();
    for (int record = 0; record < facilities::FacilityTypeCount; ++record) {
        typeBox_->addItem(QString::fromStdString(names.at(static_cast<std::size_t>(record))), record);
    }
    typeBox_->setCurrentIndex(-1);
    addLabelledRow(this, grid, 0, "Facility Name:", typeBox_);

    int row = 1;
    for (const auto& control : valueControls) {
        auto* button = addValueRow(this, grid, row++,
                                   facilities::ValueFields.at(facilities::indexOf(control.value)).label, control.name);
        valueButtons_.at(facilities::indexOf(control.value)) = button;
        const auto value = control.value;
        connect(button, &QPushButton::clicked, this, [this, value] { editor_.editValue(value); });
    }
    standard_ = makeYesNoFrame(this, facilityPageNames::frmBuild, facilities::StandardField.label,
                               facilityPageNames::optYes, facilityPageNames::optNo);
    grid->addWidget(standard_.frame, row, 0, 1, 2);
    layOutAsLeftColumn(this, grid);

    connect(typeBox_, &QComboBox::activated, this,
            [this](int index) { editor_.choose(typeBox_->itemData(index).toInt()); });
    // Only the user's clicks write; a refresh sets the options without a click.
    connect(standard_.yes, &QRadioButton::clicked, this, [this] { editor_.setStandard(true); });
    connect(standard_.no, &QRadioButton::clicked, this, [this] { editor_.setStandard(false); });
    editor_.onChanged([this] { refresh(); });
    refresh();
}

void FacilityPage::showRecord(int, std::size_t record)
{
    const int index = typeBox_->findData(static_cast<int>(record));
    if (index < 0) return;
    typeBox_->setCurrentIndex(index);
    editor_.choose(static_cast<int>(record));
}

void FacilityPage::refresh()
{
    const facilities::FacilityView& view = editor_.view();
    typeBox_->setEnabled(view.typeListEnabled);
    refreshValues(valueButtons_, view.captions, view.valuesEnabled);
    refreshYesNo(standard_, view.valuesEnabled, view.standardYes);
}

} // namespace orvane::ui
