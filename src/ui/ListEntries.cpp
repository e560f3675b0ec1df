#include "ui/ListEntries.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>

namespace orvane::ui {
namespace {

// The entry's text; the cells of a table row are joined by tabs.
QString entryText(const QModelIndex& entry)
{
    QStringList cells;
    for (int column = 0; column < entry.model()->columnCount(entry.parent()); ++column)
        cells << entry.siblingAtColumn(column).data().toString();
    return cells.join(QLatin1Char('\t'));
}

bool isEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class EntryKeys : public QObject {
public:
    EntryKeys(QAbstractItemView* list, EntryHandler chosen, EntryHandler opened)
        : QObject(list), list_(list), chosen_(std::move(chosen)), opened_(std::move(opened))
    {
    }

    void choose(const QModelIndex& entry) const
    {
        if (chosen_ && entry.isValid()) chosen_(entry);
    }
    void open(const QModelIndex& entry) const
    {
        if (opened_ && entry.isValid()) opened_(entry);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != list_ || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            // Accepting the override keeps the key from a menu shortcut; the key press then copies.
            event->accept();
            if (event->type() == QEvent::KeyPress && list_->currentIndex().isValid())
                QGuiApplication::clipboard()->setText(entryText(list_->currentIndex()));
            return true;
        }
        if (event->type() != QEvent::KeyPress || !isEnter(key)) return false;
        const QModelIndex current = list_->currentIndex();
        // As with the mouse: the entry is chosen (and selected) before it is opened.
        if (current.isValid()) list_->setCurrentIndex(current);
        choose(current);
        open(current);
        return true;
    }

private:
    QAbstractItemView* list_;
    EntryHandler chosen_;
    EntryHandler opened_;
};

} // namespace

void connectEntries(QAbstractItemView* list, EntryHandler chosen, EntryHandler opened)
{
    auto* keys = new EntryKeys(list, std::move(chosen), std::move(opened));
    list->installEventFilter(keys);
    list->setTabKeyNavigation(false);
    QObject::connect(list, &QAbstractItemView::clicked, keys,
                     [keys](const QModelIndex& entry) { keys->choose(entry); });
    QObject::connect(list, &QAbstractItemView::doubleClicked, keys,
                     [keys](const QModelIndex& entry) { keys->open(entry); });
    // A key that moves to an entry selects it as it goes; the entry made current without a selection when
    // the list takes the focus is not a choice.
    QObject::connect(list->selectionModel(), &QItemSelectionModel::currentChanged, keys,
                     [keys, list](const QModelIndex& current) {
                         if (list->selectionModel()->isSelected(current)) keys->choose(current);
                     });
}

} // namespace orvane::ui
