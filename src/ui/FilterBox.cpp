#include "ui/FilterBox.h"

#include <QLineEdit>

#include "ui/GameFont.h"

namespace orvane::ui {

QLineEdit* makeFilterBox(QWidget* parent, const char* name, const QString& listName)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setPlaceholderText(QStringLiteral("Filter"));
    box->setAccessibleName(QStringLiteral("Filter ") + listName);
    box->setToolTip(QStringLiteral("Shows only the entries that contain this text. Empty shows every entry."));
    box->setClearButtonEnabled(true);
    useGameFont(box);
    return box;
}

} // namespace orvane::ui
