#include "ui/pages/StringPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "core/TextFilter.h"
#include "ui/AccessibleNames.h"
#include "ui/FilterBox.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"
#include "ui/TextListModel.h"
#include "ui/pages/StringPageNames.h"

namespace orvane::ui {
namespace {

QLabel* makeLabel(const QString& text, QWidget* parent, const char* name = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (name != nullptr) label->setObjectName(name);
    return label;
}

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    useGameFont(button);
    return button;
}

QString fromModel(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

StringPage::StringPage(strings::StringEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    const QString headings[] = {QStringLiteral("ENGLISH.DAT:"), QStringLiteral("ENGLISH2.DAT:")};
    lists_[0] =
        makeList(FileId::English, stringPageNames::lstEng1, stringPageNames::txtFilterEng1, stringPageNames::lblEng1,
                 headings[0], "A list of strings in English.dat. Click to display text. Double click to edit.");
    lists_[1] =
        makeList(FileId::English2, stringPageNames::lstEng2, stringPageNames::txtFilterEng2, stringPageNames::lblEng2,
                 headings[1], "A list of strings in English2.dat. Click to display text. Double click to edit.");

    auto* hint =
        makeLabel(QStringLiteral("Click on a string to view it's contents.\nDouble click on a string to edit it."),
                  this, stringPageNames::lblStringStuff);

    editFrame_ = new QGroupBox(this);
    editFrame_->setObjectName(stringPageNames::frmStr);
    editBox_ = new QLineEdit(editFrame_);
    editBox_->setObjectName(stringPageNames::Text1);
    editBox_->setAccessibleName(QStringLiteral("String text")); // the edit box has no label of its own
    editBox_->setMaxLength(std::numeric_limits<int>::max());
    useGameFont(editBox_);
    auto* applyButton = makeButton(QStringLiteral("&Apply"), stringPageNames::cmdApplyStr, editFrame_);
    auto* cancelButton = makeButton(QStringLiteral("&Cancel"), stringPageNames::cmdCancelStr, editFrame_);
    // The frame keeps its room while hidden, so opening and closing an edit never resizes the lists,
    // which would lay out every one of their entries again.
    QSizePolicy keepRoom = editFrame_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    editFrame_->setSizePolicy(keepRoom);
    auto* editRow = new QHBoxLayout(editFrame_);
    editRow->addWidget(editBox_, 1);
    editRow->addWidget(applyButton);
    editRow->addWidget(cancelButton);

    shownString_ = makeLabel(QString(), this, stringPageNames::lblStrShow);
    shownString_->setToolTip(QStringLiteral("This displays the string you currently have selected."));
    shownString_->setWordWrap(true);
    useGameFont(shownString_);
    // Room for three lines, so that showing a string of up to three lines never moves the lists above,
    // which would lay them out and repaint them whole.
    shownString_->setMinimumHeight(3 * shownString_->fontMetrics().lineSpacing());

    auto* grid = new QGridLayout(this);
    for (int column = 0; column < 2; ++column) {
        const ShownList& list = lists_.at(static_cast<std::size_t>(column));
        // Filter, heading, list: the heading stands right above its list and names it.
        auto* heading = makeLabel(headings[column], this);
        labelControl(heading, list.view);
        auto* listColumn = new QVBoxLayout;
        listColumn->addWidget(list.filter);
        listColumn->addWidget(heading);
        listColumn->addWidget(list.view, 1);
        grid->addLayout(listColumn, 1, column);
        auto* indexRow = new QHBoxLayout;
        indexRow->addWidget(makeLabel(QStringLiteral("Index:"), this));
        indexRow->addWidget(list.index, 1);
        grid->addLayout(indexRow, 2, column);
    }
    grid->addWidget(hint, 3, 0, 1, 2);
    grid->addWidget(editFrame_, 4, 0, 1, 2);
    grid->addWidget(shownString_, 5, 0, 1, 2);
    grid->setRowStretch(1, 1);

    connect(editBox_, &QLineEdit::textChanged, this,
            [this](const QString& text) { editor_.setEditText(text.toStdString()); });
    connect(applyButton, &QPushButton::clicked, this, [this] { editor_.apply(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { editor_.cancel(); });
    editor_.onChanged([this] { refresh(); });
    refresh();
}

StringPage::ShownList StringPage::makeList(FileId file, const char* name, const char* filterName, const char* indexName,
                                           const QString& heading, const char* tooltip)
{
    ShownList list{file};
    list.filter = makeFilterBox(this, filterName, QString(heading).remove(QLatin1Char(':')));
    list.view = new QListView(this);
    list.view->setObjectName(name);
    list.view->setToolTip(QString::fromLatin1(tooltip));
    list.view->setUniformItemSizes(true);
    list.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    useGameFont(list.view);
    list.model = new TextListModel(list.view);
    list.model->show(editor_.entries(file));
    list.view->setModel(list.model);
    list.index = makeLabel(QString(), this, indexName);
    list.revision = editor_.listRevision(file);

    // The view's rows are the filtered ones; the editor is always told the real string number.
    TextListModel* model = list.model;
    connect(list.filter, &QLineEdit::textChanged, this,
            [model](const QString& text) { model->setFilter(TextFilter(text.toStdString())); });
    connectEntries(
        list.view,
        [this, file, model](const QModelIndex& index) { editor_.clickEntry(file, model->positionOf(index.row())); },
        [this, file, model](const QModelIndex& index) { editor_.openEntry(file, model->positionOf(index.row())); });
    return list;
}

void StringPage::refreshList(ShownList& list, bool refilled)
{
    if (list.revision != editor_.listRevision(list.file)) {
        list.revision = editor_.listRevision(list.file);
        list.model->show(editor_.entries(list.file));
    }
    if (refilled) {
        // A refill leaves no entry selected and the top in view, whether its entries changed or not.
        list.view->clearSelection();
        list.view->setCurrentIndex(QModelIndex());
        list.view->scrollToTop();
    }
    list.index->setText(fromModel(editor_.indexCaption(list.file)));
}

void StringPage::refresh()
{
    const bool refilled = fillRevision_ != editor_.fillRevision();
    fillRevision_ = editor_.fillRevision();
    for (ShownList& list : lists_) refreshList(list, refilled);
    shownString_->setText(fromModel(editor_.shownString()));
    editFrame_->setVisible(editor_.editOpen());
    const QString text = fromModel(editor_.editText());
    if (editBox_->text() != text) editBox_->setText(text);
}

void StringPage::showRecord(int list, std::size_t record)
{
    if (list < 0 || list > 1) return;
    ShownList& shown = lists_.at(static_cast<std::size_t>(list));
    if (!shown.model->rowOf(record)) shown.filter->clear();
    const auto row = shown.model->rowOf(record);
    if (!row) return;
    const QModelIndex index = shown.model->index(*row);
    shown.view->setCurrentIndex(index);
    shown.view->scrollTo(index);
    editor_.clickEntry(shown.file, record);
    editor_.openEntry(shown.file, record);
}

} // namespace orvane::ui
