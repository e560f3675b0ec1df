#include "ui/pages/NamesPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "ui/AccessibleNames.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"

namespace orvane::ui {
namespace {

QListWidget* makeNameList(const char* name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    useGameFont(list);
    return list;
}

void fill(QListWidget* list, const std::vector<std::string>& names)
{
    list->clear();
    for (const auto& name : names) list->addItem(QString::fromStdString(name));
}

} // namespace

NamesPage::NamesPage(names::NamesEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    lstFirst_ = makeNameList("lstFirst", this);
    lstLast_ = makeNameList("lstLast", this);
    auto* lblName = new QLabel(
        QStringLiteral("This is a list of all the default soldier names. Double Click to edit.\n"
                       "I suggest using the same sex as the first name already is or you'll have men with "
                       "women's names and vice versa."),
        this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    auto* firstTitle = new QLabel(QString::fromLatin1(names::FirstNames.title), this);
    auto* lastTitle = new QLabel(QString::fromLatin1(names::LastNames.title), this);
    labelControl(firstTitle, lstFirst_);
    labelControl(lastTitle, lstLast_);
    grid->addWidget(firstTitle, 0, 0);
    grid->addWidget(lastTitle, 0, 1);
    grid->addWidget(lstFirst_, 1, 0);
    grid->addWidget(lstLast_, 1, 1);
    grid->addWidget(lblName, 2, 0, 1, 2);

    connectEntries(lstFirst_, {}, [this](const QModelIndex& entry) {
        editor_.firstNameDoubleClicked(static_cast<std::size_t>(entry.row()));
    });
    connectEntries(lstLast_, {}, [this](const QModelIndex& entry) {
        editor_.lastNameDoubleClicked(static_cast<std::size_t>(entry.row()));
    });
    editor_.onChanged([this] { redraw(); });
    redraw();
}

void NamesPage::redraw()
{
    if (shownFirstRevision_ != editor_.firstNamesRevision()) {
        shownFirstRevision_ = editor_.firstNamesRevision();
        fill(lstFirst_, editor_.firstNames());
    }
    if (shownLastRevision_ != editor_.lastNamesRevision()) {
        shownLastRevision_ = editor_.lastNamesRevision();
        fill(lstLast_, editor_.lastNames());
    }
}

void NamesPage::showRecord(int list, std::size_t record)
{
    QListWidget* names = list == 0 ? lstFirst_ : lstLast_;
    const int row = static_cast<int>(record);
    if (row >= names->count()) return;
    names->setCurrentRow(row);
    names->scrollToItem(names->item(row));
    names->setFocus();
}

} // namespace orvane::ui
