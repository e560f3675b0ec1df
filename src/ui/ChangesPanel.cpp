#include "ui/ChangesPanel.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>

#include "session/EditorSession.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"
#include "ui/WindowNames.h"

namespace orvane::ui {

namespace {

QTableWidgetItem* cell(const std::string& text)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

ChangesPanel::ChangesPanel(const EditorSession& session, QWidget* parent)
    : QDockWidget(QStringLiteral("Changes Since Load"), parent), session_(session)
{
    setObjectName(changesPanelNames::frmChanges);
    changeTable_ = new QTableWidget(0, 5, this);
    changeTable_->setObjectName(changesPanelNames::lstChanges);
    changeTable_->setHorizontalHeaderLabels({QStringLiteral("Page"), QStringLiteral("Record"), QStringLiteral("Field"),
                                             QStringLiteral("Old Value"), QStringLiteral("New Value")});
    changeTable_->setToolTip(QStringLiteral("Every value changed since the files were loaded. "
                                            "Double click to open its page."));
    changeTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    changeTable_->verticalHeader()->hide();
    changeTable_->horizontalHeader()->setStretchLastSection(true);
    useGameFont(changeTable_);
    setWidget(changeTable_);

    connectEntries(changeTable_, {}, [this](const QModelIndex& entry) {
        const auto index = static_cast<std::size_t>(entry.row());
        if (index < rows_.size() && rows_[index].page) emit openRequested(rows_[index]);
    });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) refresh();
    });
}

void ChangesPanel::scheduleRefresh()
{
    if (refreshPending_ || isHidden()) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

void ChangesPanel::refresh()
{
    rows_ = changes::listChanges(session_.files());
    changeTable_->setRowCount(static_cast<int>(rows_.size()));
    int row = 0;
    for (const auto& change : rows_) {
        const std::string texts[] = {change.pageText, change.recordText, change.field, change.oldValue,
                                     change.newValue};
        int column = 0;
        for (const auto& text : texts) changeTable_->setItem(row, column++, cell(text));
        ++row;
    }
    changeTable_->resizeColumnsToContents();
}

} // namespace orvane::ui
