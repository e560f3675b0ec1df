#include "ui/pages/UnitPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/ValueControls.h"
#include "ui/pages/UnitPageNames.h"

namespace orvane::ui {
namespace {

struct ValueControl {
    units::UnitStat stat;
    const char* name;
};

constexpr std::array<ValueControl, units::UnitStatCount> valueControls{{
    {units::UnitStat::TimeUnits, unitPageNames::cmdTU},
    {units::UnitStat::Health, unitPageNames::cmdHealth},
    {units::UnitStat::Energy, unitPageNames::cmdEnrg},
    {units::UnitStat::Reaction, unitPageNames::cmdReac},
    {units::UnitStat::Strength, unitPageNames::cmdStr},
    {units::UnitStat::FiringAccuracy, unitPageNames::cmdFirA},
    {units::UnitStat::ThrowingAccuracy, unitPageNames::cmdThrA},
    {units::UnitStat::FrontArmour, unitPageNames::cmdFrA},
    {units::UnitStat::LeftArmour, unitPageNames::cmdLefA},
    {units::UnitStat::RightArmour, unitPageNames::cmdRigA},
    {units::UnitStat::RearArmour, unitPageNames::cmdReaA},
    {units::UnitStat::UnderArmour, unitPageNames::cmdUndA},
    {units::UnitStat::PsiSkill, unitPageNames::cmdPsiSk},
    {units::UnitStat::PsiStrength, unitPageNames::cmdPsiSt},
    {units::UnitStat::Bravery, unitPageNames::cmdBrav},
}};

} // namespace

UnitPage::UnitPage(units::UnitEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    auto* grid = new QGridLayout;
    unitBox_ = new QComboBox(this);
    unitBox_->setObjectName(unitPageNames::cmbUnit);
    for (const auto& unit : units::unitList()) unitBox_->addItem(QString::fromStdString(unit.name), unit.record);
    unitBox_->setCurrentIndex(-1);
    addLabelledRow(this, grid, 0, "Unit Name:", unitBox_);

    int row = 1;
    for (const auto& control : valueControls) {
        auto* button =
            addValueRow(this, grid, row++, units::StatFields.at(units::indexOf(control.stat)).label, control.name);
        valueButtons_.at(units::indexOf(control.stat)) = button;
        const auto stat = control.stat;
        connect(button, &QPushButton::clicked, this, [this, stat] { editor_.editStat(stat); });
    }
    flying_ = makeYesNoFrame(this, unitPageNames::Frame1, units::FlyingField.label, unitPageNames::optYesU,
                             unitPageNames::optNoU);
    grid->addWidget(flying_.frame, row, 0, 1, 2);
    layOutAsLeftColumn(this, grid);

    connect(unitBox_, &QComboBox::activated, this,
            [this](int index) { editor_.choose(unitBox_->itemData(index).toInt()); });
    connect(flying_.yes, &QRadioButton::clicked, this, [this] { editor_.setFlying(true); });
    connect(flying_.no, &QRadioButton::clicked, this, [this] { editor_.setFlying(false); });
    editor_.onChanged([this] { refresh(); });
    refresh();
}

void UnitPage::refresh()
{
    const units::UnitView& view = editor_.view();
    refreshValues(valueButtons_, view.captions, view.valueButtonsEnabled);
    refreshYesNo(flying_, view.flyingEnabled, view.flyingYes);
}

void UnitPage::showRecord(int, std::size_t record)
{
    const int index = unitBox_->findData(static_cast<int>(record));
    if (index < 0) return;
    unitBox_->setCurrentIndex(index);
    editor_.choose(static_cast<int>(record));
}

} // namespace orvane::ui
