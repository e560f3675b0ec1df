#include "ui/pages/UnitPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/OptionButtons.h"

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
    auto* nameLabel = new QLabel(QStringLiteral("Unit Name:"), this);
    cmbUnit_ = new QComboBox(this);
    cmbUnit_->setObjectName(QStringLiteral("cmbUnit"));
    for (const auto& unit : units::unitList()) cmbUnit_->addItem(QString::fromStdString(unit.name), unit.record);
    cmbUnit_->setCurrentIndex(-1);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(cmbUnit_, 0, 1);

    int row = 1;
    for (const auto& control : valueControls) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(control.name));
        grid->addWidget(new QLabel(QString::fromLatin1(control.label), this), row, 0);
        grid->addWidget(button, row, 1);
        valueButtons_.at(units::indexOf(control.stat)) = button;
        const auto stat = control.stat;
        connect(button, &QPushButton::clicked, this, [this, stat] { editor_.editStat(stat); });
        ++row;
    }

    frame1_ = new QGroupBox(QStringLiteral("Flying Ability?:"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    optYesU_ = new QRadioButton(QStringLiteral("Yes"), frame1_);
    optYesU_->setObjectName(QStringLiteral("optYesU"));
    optNoU_ = new QRadioButton(QStringLiteral("No"), frame1_);
    optNoU_->setObjectName(QStringLiteral("optNoU"));
    auto* options = new QHBoxLayout(frame1_);
    options->addWidget(optYesU_);
    options->addWidget(optNoU_);
    grid->addWidget(frame1_, row, 0, 1, 2);

    // The values keep a compact column at the left; the rest of the page stays empty.
    auto* columns = new QHBoxLayout;
    columns->addLayout(grid);
    columns->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addStretch();

    connect(cmbUnit_, &QComboBox::activated, this,
            [this](int index) { editor_.choose(cmbUnit_->itemData(index).toInt()); });
    connect(optYesU_, &QRadioButton::clicked, this, [this] { editor_.setFlying(true); });
    connect(optNoU_, &QRadioButton::clicked, this, [this] { editor_.setFlying(false); });
    editor_.onChanged([this] { redraw(); });
    redraw();
}

void UnitPage::redraw()
{
    const units::UnitView& view = editor_.view();
    for (std::size_t i = 0; i < valueButtons_.size(); ++i) {
        valueButtons_.at(i)->setEnabled(view.valueButtonsEnabled);
        valueButtons_.at(i)->setText(QString::fromStdString(view.captions.at(i)));
    }
    frame1_->setEnabled(view.flyingEnabled);
    optYesU_->setEnabled(view.flyingEnabled);
    optNoU_->setEnabled(view.flyingEnabled);
    showYesNo(optYesU_, optNoU_, view.flyingYes);
}

void UnitPage::disableAll()
{
    editor_.disableValues();
}

} // namespace orvane::ui
