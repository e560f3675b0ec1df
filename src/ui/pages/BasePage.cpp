#include "ui/pages/BasePage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <string>
#include <utility>
#include <vector>

#include "ui/AccessibleNames.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"
#include "ui/SquareButton.h"
#include "ui/pages/BasePageNames.h"

namespace orvane::ui {
namespace {

// A square is 1335 twips on a pitch of 1440, at 15 twips to the pixel.
constexpr int SquareSize = 89;
constexpr int SquareGap = 7;

// Shows the text in an editable box, with the list item of that text selected when there is one.
// Setting it this way is not a pick: only the user's choice from the list emits `activated`.
void refreshBoxText(QComboBox* box, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    box->setCurrentIndex(box->findText(shown, Qt::MatchExactly));
    box->setEditText(shown);
}

// An editable box picks the item whose name was typed when Enter is pressed; a text typed by hand
// must stay text, so the box never sees Enter.
class TypingIsNoPick : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

// Qt works out a box's minimum size and its preferred size apart, each by measuring every entry,
// and both come out the same; this box measures its entries once.
class ChoiceBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// `entries` are the box's items, each a caption and the number it stands for.
QComboBox* makeChoiceBox(QWidget* parent, const char* name, const char* tooltip,
                         const std::vector<std::pair<std::string, int>>& entries)
{
    auto* box = new ChoiceBox(parent);
    box->setObjectName(name);
    box->setToolTip(QString::fromLatin1(tooltip));
    // Editable as setEditable(true) makes it, but the drop-down list is made when it first opens
    // rather than with the box, which the page builds hidden inside its frame.
    auto* edit = new QLineEdit(box);
    // A completion would pick the item it completes to, so the box has no completer.
    box->setLineEdit(edit);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    // The box takes the text of a line edit that finishes editing (Tab, a click elsewhere) as a choice
    // of the item of that name and reports it as `activated`; typed text must stay text.
    QObject::disconnect(edit, &QLineEdit::editingFinished, box, nullptr);
    auto* filter = new TypingIsNoPick(box);
    box->installEventFilter(filter);
    box->lineEdit()->installEventFilter(filter);
    // The items as addItem makes them, added at once: the box takes in one insertion rather than one each.
    QList<QStandardItem*> items;
    for (const auto& [caption, number] : entries) {
        auto* item = new QStandardItem(QString::fromStdString(caption));
        item->setData(number, Qt::UserRole);
        items << item;
    }
    qobject_cast<QStandardItemModel*>(box->model())->invisibleRootItem()->appendRows(items);
    return box;
}

// At creation a box shows its first text with no item selected.
void showUnselected(QComboBox* box, const std::string& text)
{
    box->setCurrentIndex(-1);
    box->setEditText(QString::fromStdString(text));
}

} // namespace

BasePage::BasePage(base::BaseEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    auto* intro = new QLabel(QStringLiteral("This is the base that will be built when a new game is started. "), this);
    intro->setObjectName(basePageNames::Label1);
    editionLabel_ = new QLabel(this);
    editionLabel_->setObjectName(basePageNames::lblVer);

    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(intro);
    gridColumn->addWidget(buildGrid());
    gridColumn->addStretch();
    gridColumn->addWidget(editionLabel_);

    auto* page = new QHBoxLayout(this);
    page->addLayout(gridColumn);
    page->addWidget(buildChangeFrame(), 0, Qt::AlignTop);
    page->addWidget(buildStores(), 1);

    // The boxes show the editor's first texts with no item selected until a square is clicked.
    const base::BaseView& view = editor_.view();
    shownBoxesRevision_ = view.boxesRevision;
    showUnselected(facilityBox_, view.facilityText);
    showUnselected(daysBox_, view.daysText);
    editor_.onChanged([this] { refresh(); });
    refresh();
}

QWidget* BasePage::buildGrid()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(SquareGap);
    // The squares take the grid's small bold font as they are made.
    QFont squareFont = box->font();
    squareFont.setPointSize(6);
    squareFont.setBold(true);
    box->setFont(squareFont);
    for (int n = 1; n <= static_cast<int>(base::SquareCount); ++n) {
        auto* button = new SquareButton(SquareSize, box);
        button->setObjectName(QLatin1String(basePageNames::Command) + QString::number(n));
        const std::size_t square = base::squareOfButton(n);
        const int row = static_cast<int>(square / 6);
        const int column = static_cast<int>(square % 6);
        // Read by its place, so that a square says which one it is even before a load gives it a caption.
        setFieldName(button, QStringLiteral("Row %1, column %2").arg(row + 1).arg(column + 1));
        grid->addWidget(button, row, column);
        squareButtons_.at(square) = button;
        connect(button, &QPushButton::clicked, this, [this, square] { editor_.clickSquare(square); });
    }
    // The buttons are made down the columns; Tab goes along the rows, as the grid is read.
    for (std::size_t k = 1; k < squareButtons_.size(); ++k) setTabOrder(squareButtons_.at(k - 1), squareButtons_.at(k));
    return box;
}

QGroupBox* BasePage::buildChangeFrame()
{
    changeFrame_ = new QGroupBox(this);
    changeFrame_->setObjectName(basePageNames::frmChange);
    // The frame comes and goes; its place stays, so the list beside it does not jump.
    QSizePolicy keepPlace = changeFrame_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    changeFrame_->setSizePolicy(keepPlace);
    auto* facilityTitle = new QLabel(QStringLiteral("Facility Type:"), changeFrame_);
    facilityTitle->setObjectName(basePageNames::Label4);
    std::vector<std::pair<std::string, int>> facilities;
    for (const std::uint8_t code : base::facilityChoices())
        facilities.emplace_back(base::oneLineFacilityName(code), code);
    facilityBox_ = makeChoiceBox(changeFrame_, basePageNames::Combo1, "Choose Facility Type", facilities);
    auto* daysTitle = new QLabel(QStringLiteral("Days Left:"), changeFrame_);
    daysTitle->setObjectName(basePageNames::Label3);
    std::vector<std::pair<std::string, int>> days;
    for (const std::uint8_t left : base::daysChoices()) days.emplace_back(base::daysLabel(left), left);
    daysBox_ = makeChoiceBox(changeFrame_, basePageNames::Combo2, "Choose Days To Completion", days);
    labelControl(facilityTitle, facilityBox_);
    labelControl(daysTitle, daysBox_);
    auto* applyButton = new QPushButton(QStringLiteral("&Apply"), changeFrame_);
    applyButton->setObjectName(basePageNames::cmdApply);
    auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), changeFrame_);
    cancelButton->setObjectName(basePageNames::cmdCancel);

    auto* layout = new QVBoxLayout(changeFrame_);
    for (QWidget* control :
         std::initializer_list<QWidget*>{facilityTitle, facilityBox_, daysTitle, daysBox_, applyButton, cancelButton}) {
        layout->addWidget(control);
    }

    connect(facilityBox_, &QComboBox::activated, this, [this](int index) {
        editor_.pickFacility(static_cast<std::uint8_t>(facilityBox_->itemData(index).toInt()));
    });
    connect(daysBox_, &QComboBox::activated, this,
            [this](int index) { editor_.pickDays(static_cast<std::uint8_t>(daysBox_->itemData(index).toInt())); });
    connect(applyButton, &QPushButton::clicked, this, [this] { editor_.apply(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { editor_.cancel(); });
    return changeFrame_;
}

QWidget* BasePage::buildStores()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* storesLabel = new QLabel(QStringLiteral("Items in General Stores:"), box);
    storesLabel->setObjectName(basePageNames::Label5);
    storesList_ = new QListWidget(box);
    storesList_->setObjectName(basePageNames::lstItems);
    storesList_->setToolTip(QStringLiteral("A list of every item at the starting base."));
    useGameFont(storesList_);
    labelControl(storesLabel, storesList_);
    auto* storesHint = new QLabel(QStringLiteral("Click on an item to edit the amount a player starts with."), box);
    storesHint->setWordWrap(true);
    storesHint->setObjectName(basePageNames::Label2);
    column->addWidget(storesLabel);
    column->addWidget(storesList_, 1);
    column->addWidget(storesHint);

    connectEntries(storesList_, {}, [this](const QModelIndex& entry) {
        editor_.openStoresEntry(static_cast<std::size_t>(entry.row()));
    });
    return box;
}

void BasePage::refresh()
{
    const base::BaseView& view = editor_.view();
    for (std::size_t k = 0; k < squareButtons_.size(); ++k) {
        SquareButton* square = squareButtons_.at(k);
        square->setEnabled(view.gridEnabled);
        // Wrapping a caption measures its text; a square whose caption stays is left as it is.
        const QString caption = QString::fromStdString(view.squareCaptions.at(k));
        if (caption == square->caption()) continue;
        square->setCaption(caption);
        nameByFieldValue(square, caption);
    }
    changeFrame_->setVisible(view.frameVisible);
    changeFrame_->setTitle(QString::fromStdString(view.frameCaption));
    if (shownBoxesRevision_ != view.boxesRevision) {
        shownBoxesRevision_ = view.boxesRevision;
        refreshBoxText(facilityBox_, view.facilityText);
        refreshBoxText(daysBox_, view.daysText);
    }
    if (shownListRevision_ != view.listRevision) {
        shownListRevision_ = view.listRevision;
        storesList_->clear();
        for (const auto& entry : view.storesList) storesList_->addItem(QString::fromStdString(entry));
        storesList_->scrollToTop();
    }
    storesList_->setEnabled(view.listEnabled);
    editionLabel_->setText(QString::fromStdString(view.versionText));
}

void BasePage::showRecord(int list, std::size_t record)
{
    if (list == 0) {
        editor_.clickSquare(record);
        return;
    }
    const int row = static_cast<int>(record);
    if (row >= storesList_->count()) return;
    storesList_->setCurrentRow(row);
    storesList_->scrollToItem(storesList_->item(row));
}

} // namespace orvane::ui
