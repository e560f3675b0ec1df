#include "ui/pages/ItemPage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <iterator>

#include "core/TextFilter.h"
#include "ui/AccessibleNames.h"
#include "ui/FilterBox.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"
#include "ui/pages/ItemPageNames.h"

namespace orvane::ui {
namespace {

using items::ItemOption;
using items::ItemValue;
using items::OptionGroup;

struct ButtonControl {
    ItemValue value;
    const char* name;
    const char* tooltip; // nullptr: none
};

// The first column holds the name button above these; the second column follows.
constexpr ButtonControl FirstColumn[] = {
    {ItemValue::Damage, itemPageNames::cmdDamage, "Click to change the damage this item deals."},
    {ItemValue::AmmoType1, itemPageNames::cmdAmmo1, "Change Ammo Type 1. Use index number of Ammo item."},
    {ItemValue::AmmoType2, itemPageNames::cmdAmmo2, "Change Ammo Type 2. Use index number of Ammo item."},
    {ItemValue::AmmoType3, itemPageNames::cmdAmmo3, "Change Ammo Type 3. Use index number of Ammo item."},
    {ItemValue::Amount, itemPageNames::cmdAmount, nullptr},
    {ItemValue::Weight, itemPageNames::cmdWeight, nullptr},
};

constexpr ButtonControl SecondColumn[] = {
    {ItemValue::AutoAccuracy, itemPageNames::cmdAutoA, nullptr},
    {ItemValue::SnapAccuracy, itemPageNames::cmdSnapA, nullptr},
    {ItemValue::AimedAccuracy, itemPageNames::cmdAimA, nullptr},
    {ItemValue::AutoTu, itemPageNames::cmdAutoT, nullptr},
    {ItemValue::SnapTu, itemPageNames::cmdSnapT, nullptr},
    {ItemValue::AimedTu, itemPageNames::cmdAimT, nullptr},
    {ItemValue::MeleeTu, itemPageNames::cmdMelT, nullptr},
};

struct OptionControl {
    ItemOption option;
    const char* name;
};

// In the order they stand in their frames.
constexpr OptionControl OptionControls[] = {
    {ItemOption::AP, itemPageNames::optAP},
    {ItemOption::Incendiary, itemPageNames::optIN},
    {ItemOption::HE, itemPageNames::optHE},
    {ItemOption::Laser, itemPageNames::optLaser},
    {ItemOption::Plasma, itemPageNames::optPlasma},
    {ItemOption::Stun, itemPageNames::optStun},
    {ItemOption::NoDamageType, itemPageNames::optNone},
    {ItemOption::NotClip, itemPageNames::optNoClip},
    {ItemOption::Clip, itemPageNames::optClip},
    {ItemOption::SmokeGrenade, itemPageNames::optSmoke},
    {ItemOption::ProximityMine, itemPageNames::optProx},
    {ItemOption::Grenade, itemPageNames::optGren},
    {ItemOption::NotGrenade, itemPageNames::optNoG},
};

std::size_t slotOf(ItemValue value) { return static_cast<std::size_t>(value); }
std::size_t slotOf(OptionGroup group) { return static_cast<std::size_t>(group); }
std::size_t slotOf(ItemOption option) { return static_cast<std::size_t>(option); }

// Game text on a button: an ampersand is a character of the name, not an access key.
QString buttonText(const std::string& gameText)
{
    return QString::fromStdString(gameText).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* tooltip)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    if (tooltip) button->setToolTip(QString::fromLatin1(tooltip));
    useGameFont(button);
    return button;
}

} // namespace

ItemPage::ItemPage(items::ItemEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    auto* listColumn = new QVBoxLayout;
    // The filter comes first so the list keeps its label right above it.
    filter_ = makeFilterBox(this, itemPageNames::txtFilterItem, QStringLiteral("items"));
    listColumn->addWidget(filter_);
    auto* hint = new QLabel(QStringLiteral("Double click on item to edit it."), this);
    listColumn->addWidget(hint);
    itemList_ = new QListWidget(this);
    labelControl(hint, itemList_);
    itemList_->setObjectName(itemPageNames::lstItem);
    itemList_->setToolTip(QStringLiteral("Click on item to view index number, double click to edit."));
    useGameFont(itemList_);
    // Wide enough for a name of the full 20 characters; the value buttons take the rest.
    itemList_->setMaximumWidth(itemList_->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('M'))) + 24);
    listColumn->addWidget(itemList_);
    auto* indexRow = new QHBoxLayout;
    indexRow->addWidget(new QLabel(QStringLiteral("Index:"), this));
    indexLabel_ = new QLabel(this);
    indexLabel_->setObjectName(itemPageNames::lblIndex);
    indexRow->addWidget(indexLabel_, 1);
    listColumn->addLayout(indexRow);

    auto* page = new QHBoxLayout(this);
    page->addLayout(listColumn);
    page->addWidget(buildButtons(), 1);
    page->addWidget(buildFrames());

    connectEntries(
        itemList_, [this](const QModelIndex& entry) { editor_.clickEntry(static_cast<std::size_t>(entry.row())); },
        [this](const QModelIndex& entry) { editor_.openEntry(static_cast<std::size_t>(entry.row())); });
    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    editor_.onChanged([this] { refresh(); });
    refresh();
}

QWidget* ItemPage::buildButtons()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    nameButton_ = makeButton(box, itemPageNames::cmdName, "Click to change the name.");
    // Room for a name of the full 20 characters.
    nameButton_->setMinimumWidth(nameButton_->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('M'))) + 16);
    const QString nameLabel = QString::fromLatin1(items::recordFields().front().label);
    setFieldName(nameButton_, nameLabel);
    grid->addWidget(new QLabel(nameLabel, box), 0, 0);
    grid->addWidget(nameButton_, 0, 1);
    connect(nameButton_, &QPushButton::clicked, this, [this] { editor_.changeName(); });

    const auto place = [this, box, grid](const ButtonControl& control, int row, int column) {
        auto* button = makeButton(box, control.name, control.tooltip);
        const QString label = QString::fromLatin1(items::fieldOf(control.value).label);
        setFieldName(button, label);
        grid->addWidget(new QLabel(label, box), row, column);
        grid->addWidget(button, row, column + 1);
        valueButtons_.at(slotOf(control.value)) = button;
        const ItemValue value = control.value;
        connect(button, &QPushButton::clicked, this, [this, value] { editor_.editValue(value); });
    };
    int row = 1;
    for (const auto& control : FirstColumn) place(control, row++, 0);
    row = 0;
    for (const auto& control : SecondColumn) place(control, row++, 2);
    grid->setRowStretch(static_cast<int>(std::size(SecondColumn)), 1);
    return box;
}

QGroupBox* ItemPage::buildFrame(OptionGroup group, const char* name)
{
    auto* frame = new QGroupBox(QString::fromLatin1(items::titleOf(group)), this);
    frame->setObjectName(name);
    auto* buttons = new QButtonGroup(frame);
    auto* layout = new QVBoxLayout(frame);
    for (const auto& control : OptionControls) {
        if (items::codeOf(control.option).group != group) continue;
        auto* option = new QRadioButton(QString::fromLatin1(items::codeOf(control.option).caption), frame);
        option->setObjectName(control.name);
        buttons->addButton(option);
        layout->addWidget(option);
        options_.at(slotOf(control.option)) = option;
        // Only the user's clicks edit; showing an item sets the options without a click.
        const ItemOption chosen = control.option;
        connect(option, &QRadioButton::clicked, this, [this, chosen] { editor_.chooseOption(chosen); });
    }
    optionFrames_.at(slotOf(group)) = frame;
    optionGroups_.at(slotOf(group)) = buttons;
    return frame;
}

QWidget* ItemPage::buildFrames()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildFrame(OptionGroup::DamageType, itemPageNames::Frame2));
    column->addWidget(buildFrame(OptionGroup::ClipFlag, itemPageNames::frmClip));
    column->addWidget(buildFrame(OptionGroup::GrenadeKind, itemPageNames::frmGren));
    column->addStretch();
    return box;
}

void ItemPage::refreshList()
{
    if (shownListRevision_ == editor_.listRevision()) return;
    shownListRevision_ = editor_.listRevision();
    itemList_->clear();
    for (const auto& entry : editor_.listEntries()) itemList_->addItem(QString::fromStdString(entry));
    applyFilter();
}

// Hides the entries that do not match: every row stays, so a row is still its record number.
void ItemPage::applyFilter()
{
    const TextFilter filter(filter_->text().toStdString());
    const auto& entries = editor_.listEntries();
    for (int row = 0; row < itemList_->count(); ++row) {
        const auto position = static_cast<std::size_t>(row);
        itemList_->setRowHidden(row, position < entries.size() && !filter.matches(entries[position]));
    }
}

void ItemPage::showRecord(int, std::size_t record)
{
    const int row = static_cast<int>(record);
    if (row >= itemList_->count()) return;
    if (itemList_->isRowHidden(row)) filter_->clear();
    itemList_->setCurrentRow(row);
    itemList_->scrollToItem(itemList_->item(row));
    editor_.clickEntry(record);
    editor_.openEntry(record);
}

void ItemPage::refresh()
{
    refreshList();
    itemList_->setEnabled(editor_.listEnabled());
    indexLabel_->setText(QString::fromStdString(editor_.indexCaption()));

    const bool open = editor_.itemControlsEnabled();
    nameButton_->setEnabled(open);
    refreshFieldValue(nameButton_, buttonText(editor_.nameCaption()));
    for (const auto& field : items::ValueFields) {
        QPushButton* button = valueButtons_.at(slotOf(field.value));
        button->setEnabled(open);
        refreshFieldValue(button, QString::fromStdString(editor_.valueCaption(field.value)));
    }
    for (const auto group : items::OptionGroups) {
        optionFrames_.at(slotOf(group))->setEnabled(open);
        if (const auto selected = editor_.selectedOption(group)) {
            options_.at(slotOf(*selected))->setChecked(true);
            continue;
        }
        // An exclusive group keeps one option on; it must let go to show none selected.
        QButtonGroup* buttons = optionGroups_.at(slotOf(group));
        buttons->setExclusive(false);
        for (QAbstractButton* option : buttons->buttons()) option->setChecked(false);
        buttons->setExclusive(true);
    }
}

} // namespace orvane::ui
