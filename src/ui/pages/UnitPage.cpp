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
    const char* label;
};

constexpr std::array<ValueControl, units::UnitStatCount> valueControls{{
    {units::UnitStat::TimeUnits, "cmdTU", "Time Units:"},
    {units::UnitStat::Health, "cmdHealth", "Health:"},
    {units::UnitStat::Energy, "cmdEnrg", "Energy:"},
    {units::UnitStat::Reaction, "cmdReac", "Reaction:"},
    {units::UnitStat::Strength, "cmdStr", "Strength:"},
    {units::UnitStat::FiringAccuracy, "cmdFirA", "Firing Accuracy:"},
    {units::UnitStat::ThrowingAccuracy, "cmdThrA", "Throwing Accuracy:"},
    {units::UnitStat::FrontArmour, "cmdFrA", "Front Armour:"},
    {units::UnitStat::LeftArmour, "cmdLefA", "Left Armour:"},
    {units::UnitStat::RightArmour, "cmdRigA", "Right Armour:"},
    {units::UnitStat::RearArmour, "cmdReaA", "Rear Armour:"},
    {units::UnitStat::UnderArmour, "cmdUndA", "Under Armour:"},
    {units::UnitStat::PsiSkill, "cmdPsiSk", "Psi Skill:"},
    {units::UnitStat::PsiStrength, "cmdPsiSt", "Psi Strength:"},
    {units::UnitStat::Bravery, "cmdBrav", "Bravery:"},
}};

} // namespace

UnitPage::UnitPage(EditorSession& session, QWidget* parent) : EditorPage(parent), editor_(session)
{
    auto* grid = new QGridLayout;
    cmbUnit_ = new QComboBox(this);
    cmbUnit_->setObjectName(QStringLiteral("cmbUnit"));
    for (const auto& unit : units::unitList()) cmbUnit_->addItem(QString::fromStdString(unit.name), unit.record);
    cmbUnit_->setCurrentIndex(-1);
    addLabelledRow(this, grid, 0, "Unit Name:", cmbUnit_);

    int row = 1;
    for (const auto& control : valueControls) {
        auto* button = addValueRow(this, grid, row++, control.label, control.name);
        valueButtons_.at(units::indexOf(control.stat)) = button;
        const auto stat = control.stat;
        connect(button, &QPushButton::clicked, this, [this, stat] { editor_.editStat(stat); });
    }
    flying_ = makeYesNoFrame(this, "Frame1", "Flying Ability?:", "optYesU", "optNoU");
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

void UnitPage::disableAll()
{
    editor_.disableValues();
}

} // namespace orvane::ui
