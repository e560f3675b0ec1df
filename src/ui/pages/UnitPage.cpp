#include "ui/pages/UnitPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include "ui/ValueControls.h"

namespace orvane::ui {
namespace {

struct ValueControl {
    units::UnitStat stat;
    const char* name;
};

constexpr std::array<ValueControl, units::UnitStatCount> valueControls{{
    {units::UnitStat::TimeUnits, "cmdTU"},
    {units::UnitStat::Health, "cmdHealth"},
    {units::UnitStat::Energy, "cmdEnrg"},
    {units::UnitStat::Reaction, "cmdReac"},
    {units::UnitStat::Strength, "cmdStr"},
    {units::UnitStat::FiringAccuracy, "cmdFirA"},
    {units::UnitStat::ThrowingAccuracy, "cmdThrA"},
    {units::UnitStat::FrontArmour, "cmdFrA"},
    {units::UnitStat::LeftArmour, "cmdLefA"},
    {units::UnitStat::RightArmour, "cmdRigA"},
    {units::UnitStat::RearArmour, "cmdReaA"},
    {units::UnitStat::UnderArmour, "cmdUndA"},
    {units::UnitStat::PsiSkill, "cmdPsiSk"},
    {units::UnitStat::PsiStrength, "cmdPsiSt"},
    {units::UnitStat::Bravery, "cmdBrav"},
}};

} // namespace

UnitPage::UnitPage(units::UnitEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    auto* grid = new QGridLayout;
    cmbUnit_ = new QComboBox(this);
    cmbUnit_->setObjectName(QStringLiteral("cmbUnit"));
    for (const auto& unit : units::unitList()) cmbUnit_->addItem(QString::fromStdString(unit.name), unit.record);
    cmbUnit_->setCurrentIndex(-1);
    addLabelledRow(this, grid, 0, "Unit Name:", cmbUnit_);

    int row = 1;
    for (const auto& control : valueControls) {
        auto* button = addValueRow(this, grid, row++, units::StatFields.at(units::indexOf(control.stat)).label, control.name);
        valueButtons_.at(units::indexOf(control.stat)) = button;
        const auto stat = control.stat;
        connect(button, &QPushButton::clicked, this, [this, stat] { editor_.editStat(stat); });
    }
    flying_ = makeYesNoFrame(this, "Frame1", units::FlyingField.label, "optYesU", "optNoU");
    grid->addWidget(flying_.frame, row, 0, 1, 2);
    layOutAsLeftColumn(this, grid);

    connect(cmbUnit_, &QComboBox::activated, this,
            [this](int index) { editor_.choose(cmbUnit_->itemData(index).toInt()); });
    connect(flying_.yes, &QRadioButton::clicked, this, [this] { editor_.setFlying(true); });
    connect(flying_.no, &QRadioButton::clicked, this, [this] { editor_.setFlying(false); });
    editor_.onChanged([this] { redraw(); });
    redraw();
}

void UnitPage::redraw()
{
    const units::UnitView& view = editor_.view();
    showValues(valueButtons_, view.captions, view.valueButtonsEnabled);
    showYesNo(flying_, view.flyingEnabled, view.flyingYes);
}

void UnitPage::showRecord(int, std::size_t record)
{
    const int index = cmbUnit_->findData(static_cast<int>(record));
    if (index < 0) return;
    cmbUnit_->setCurrentIndex(index);
    editor_.choose(static_cast<int>(record));
}

} // namespace orvane::ui
