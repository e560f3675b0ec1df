#include "ui/pages/FacilityPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include "ui/ValueControls.h"

namespace orvane::ui {
namespace {

using facilities::FacilityValue;

struct ValueControl {
    FacilityValue value;
    const char* name;
};

// In the order they stand on the page.
constexpr std::array<ValueControl, facilities::FacilityValueCount> valueControls{{
    {FacilityValue::ConstructionCost, "cmdPrice"},
    {FacilityValue::ConstructionTime, "cmdDays"},
    {FacilityValue::MonthlyCost, "cmdUpkeep"},
    {FacilityValue::DefenseStrength, "cmdStrength"},
    {FacilityValue::HitRatio, "cmdRatio"},
}};

} // namespace

FacilityPage::FacilityPage(facilities::FacilityEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    auto* grid = new QGridLayout;
    cmbType_ = new QComboBox(this);
    cmbType_->setObjectName(QStringLiteral("cmbType"));
    const auto& names = facilities::facilityTypeNames();
    for (int record = 0; record < facilities::FacilityTypeCount; ++record) {
        cmbType_->addItem(QString::fromStdString(names.at(static_cast<std::size_t>(record))), record);
    }
    cmbType_->setCurrentIndex(-1);
    addLabelledRow(this, grid, 0, "Facility Name:", cmbType_);

    int row = 1;
    for (const auto& control : valueControls) {
        auto* button = addValueRow(this, grid, row++, facilities::ValueFields.at(facilities::indexOf(control.value)).label, control.name);
        valueButtons_.at(facilities::indexOf(control.value)) = button;
        const auto value = control.value;
        connect(button, &QPushButton::clicked, this, [this, value] { editor_.editValue(value); });
    }
    standard_ = makeYesNoFrame(this, "frmBuild", facilities::StandardField.label, "optYes", "optNo");
    grid->addWidget(standard_.frame, row, 0, 1, 2);
    layOutAsLeftColumn(this, grid);

    connect(cmbType_, &QComboBox::activated, this,
            [this](int index) { editor_.choose(cmbType_->itemData(index).toInt()); });
    // Only the user's clicks write; a redraw sets the options without a click.
    connect(standard_.yes, &QRadioButton::clicked, this, [this] { editor_.setStandard(true); });
    connect(standard_.no, &QRadioButton::clicked, this, [this] { editor_.setStandard(false); });
    editor_.onChanged([this] { redraw(); });
    redraw();
}

void FacilityPage::showRecord(int, std::size_t record)
{
    const int index = cmbType_->findData(static_cast<int>(record));
    if (index < 0) return;
    cmbType_->setCurrentIndex(index);
    editor_.choose(static_cast<int>(record));
}

void FacilityPage::redraw()
{
    const facilities::FacilityView& view = editor_.view();
    cmbType_->setEnabled(view.typeListEnabled);
    showValues(valueButtons_, view.captions, view.valuesEnabled);
    showYesNo(standard_, view.valuesEnabled, view.standardYes);
}

} // namespace orvane::ui
