#include "ui/pages/FacilityPage.h"

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

using facilities::FacilityValue;

struct ValueControl {
    FacilityValue value;
    const char* name;
    const char* label;
};

// In the order they stand on the page.
constexpr std::array<ValueControl, facilities::FacilityValueCount> valueControls{{
    {FacilityValue::ConstructionCost, "cmdPrice", "Construction Cost/$k:"},
    {FacilityValue::ConstructionTime, "cmdDays", "Construction Time:"},
    {FacilityValue::MonthlyCost, "cmdUpkeep", "Monthly Cost/$k:"},
    {FacilityValue::DefenseStrength, "cmdStrength", "Defense Strength:"},
    {FacilityValue::HitRatio, "cmdRatio", "Hit Ratio (%):"},
}};

} // namespace

FacilityPage::FacilityPage(EditorSession& session, QWidget* parent) : EditorPage(parent), editor_(session)
{
    auto* grid = new QGridLayout;
    cmbType_ = new QComboBox(this);
    cmbType_->setObjectName(QStringLiteral("cmbType"));
    const auto& names = facilities::facilityTypeNames();
    for (int record = 0; record < facilities::FacilityTypeCount; ++record) {
        cmbType_->addItem(QString::fromStdString(names.at(static_cast<std::size_t>(record))), record);
    }
    cmbType_->setCurrentIndex(-1);
    grid->addWidget(new QLabel(QStringLiteral("Facility Name:"), this), 0, 0);
    grid->addWidget(cmbType_, 0, 1);

    int row = 1;
    for (const auto& control : valueControls) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(control.name));
        grid->addWidget(new QLabel(QString::fromLatin1(control.label), this), row, 0);
        grid->addWidget(button, row, 1);
        valueButtons_.at(facilities::indexOf(control.value)) = button;
        const auto value = control.value;
        connect(button, &QPushButton::clicked, this, [this, value] { editor_.editValue(value); });
        ++row;
    }

    frmBuild_ = new QGroupBox(QStringLiteral("Standard to Build?:"), this);
    frmBuild_->setObjectName(QStringLiteral("frmBuild"));
    optYes_ = new QRadioButton(QStringLiteral("Yes"), frmBuild_);
    optYes_->setObjectName(QStringLiteral("optYes"));
    optNo_ = new QRadioButton(QStringLiteral("No"), frmBuild_);
    optNo_->setObjectName(QStringLiteral("optNo"));
    auto* options = new QHBoxLayout(frmBuild_);
    options->addWidget(optYes_);
    options->addWidget(optNo_);
    grid->addWidget(frmBuild_, row, 0, 1, 2);

    // The values keep a compact column at the left; the rest of the page stays empty.
    auto* columns = new QHBoxLayout;
    columns->addLayout(grid);
    columns->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addStretch();

    connect(cmbType_, &QComboBox::activated, this,
            [this](int index) { editor_.choose(cmbType_->itemData(index).toInt()); });
    // Only the user's clicks write; a redraw sets the options without a click.
    connect(optYes_, &QRadioButton::clicked, this, [this] { editor_.setStandard(true); });
    connect(optNo_, &QRadioButton::clicked, this, [this] { editor_.setStandard(false); });
    editor_.onChanged([this] { redraw(); });
    redraw();
}

void FacilityPage::enableAll()
{
    editor_.enableAll();
}

void FacilityPage::disableAll()
{
    editor_.disableAll();
}

void FacilityPage::redraw()
{
    const facilities::FacilityView& view = editor_.view();
    cmbType_->setEnabled(view.typeListEnabled);
    for (std::size_t i = 0; i < valueButtons_.size(); ++i) {
        valueButtons_.at(i)->setEnabled(view.valuesEnabled);
        valueButtons_.at(i)->setText(QString::fromStdString(view.captions.at(i)));
    }
    frmBuild_->setEnabled(view.valuesEnabled);
    optYes_->setEnabled(view.valuesEnabled);
    optNo_->setEnabled(view.valuesEnabled);
    showYesNo(optYes_, optNo_, view.standardYes);
}

} // namespace orvane::ui
