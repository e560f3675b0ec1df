#include "ui/pages/NamesPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "ui/AccessibleNames.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"
#include "ui/pages/NamesPageNames.h"

namespace orvane::ui {
namespace {

QListWidget* makeNameList(const char* name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    useGameFont(list);
    return list;
}

void refill(QListWidget* list, const std::vector<std::string>& names)
{
    list->clear();
    for (const auto& name : names) list->addItem(QString::fromStdString(name));
}

} // namespace

NamesPage::NamesPage(names::NamesEditor& editor, QWidget* parent) : EditorPage(parent), editor_(editor)
{
    firstNames_ = makeNameList(namesPageNames::lstFirst, this);
    lastNames_ = makeNameList(namesPageNames::lstLast, this);
    auto* hint =
        new QLabel(QStringLiteral("This is a list of all the default soldier names. Double Click to edit.\n"
                                  "I suggest using the same sex as the first name already is or you'll have men with "
                                  "women's names and vice versa."),
                   this);
    hint->setObjectName(namesPageNames::lblName);
    hint->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    auto* firstTitle = new QLabel(QString::fromLatin1(names::FirstNames.title), this);
    auto* lastTitle = new QLabel(QString::fromLatin1(names::LastNames.title), this);
    labelControl(firstTitle, firstNames_);
    labelControl(lastTitle, lastNames_);
    grid->addWidget(firstTitle, 0, 0);
    grid->addWidget(lastTitle, 0, 1);
    grid->addWidget(firstNames_, 1, 0);
    grid->addWidget(lastNames_, 1, 1);
    grid->addWidget(hint, 2, 0, 1, 2);

    connectEntries(firstNames_, {}, [this](const QModelIndex& entry) {
        editor_.firstNameDoubleClicked(static_cast<std::size_t>(entry.row()));
    });
    connectEntries(lastNames_, {}, [this](const QModelIndex& entry) {
        editor_.lastNameDoubleClicked(static_cast<std::size_t>(entry.row()));
    });
    editor_.onChanged([this] { refresh(); });
    refresh();
}

void NamesPage::refresh()
{
    if (shownFirstRevision_ != editor_.firstNamesRevision()) {
        shownFirstRevision_ = editor_.firstNamesRevision();
        refill(firstNames_, editor_.firstNames());
    }
    if (shownLastRevision_ != editor_.lastNamesRevision()) {
        shownLastRevision_ = editor_.lastNamesRevision();
        refill(lastNames_, editor_.lastNames());
    }
}

void NamesPage::showRecord(int list, std::size_t record)
{
    QListWidget* names = list == 0 ? firstNames_ : lastNames_;
    const int row = static_cast<int>(record);
    if (row >= names->count()) return;
    names->setCurrentRow(row);
    names->scrollToItem(names->item(row));
    names->setFocus();
}

} // namespace orvane::ui
