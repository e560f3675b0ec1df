#include "ui/ChangesPanel.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>

#include "session/EditorSession.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"

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
    setObjectName(QStringLiteral("frmChanges"));
    lstChanges_ = new QTableWidget(0, 5, this);
    lstChanges_->setObjectName(QStringLiteral("lstChanges"));
    lstChanges_->setHorizontalHeaderLabels(
        {QStringLiteral("Page"), QStringLiteral("Record"), QStringLiteral("Field"), QStringLiteral("Old Value"),
         QStringLiteral("New Value")});
    lstChanges_->setToolTip(QStringLiteral("Every value changed since the files were loaded. "
                                           "Double click to open its page."));
    lstChanges_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstChanges_->verticalHeader()->hide();
    lstChanges_->horizontalHeader()->setStretchLastSection(true);
    useGameFont(lstChanges_);
    setWidget(lstChanges_);

    connectEntries(lstChanges_, {}, [this](const QModelIndex& entry) {
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
    lstChanges_->setRowCount(static_cast<int>(rows_.size()));
    int row = 0;
    for (const auto& change : rows_) {
        const std::string texts[] = {change.pageText, change.recordText, change.field, change.oldValue,
                                     change.newValue};
        int column = 0;
        for (const auto& text : texts) lstChanges_->setItem(row, column++, cell(text));
        ++row;
    }
    lstChanges_->resizeColumnsToContents();
}

} // namespace orvane::ui
