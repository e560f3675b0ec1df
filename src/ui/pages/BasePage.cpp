#include "ui/pages/BasePage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orvane::ui {

BasePage::BasePage(EditorSession&, QWidget* parent) : EditorPage(parent)
{
    auto* label1 = new QLabel(QStringLiteral("This is the base that will be built when a new game is started. "), this);
    label1->setObjectName(QStringLiteral("Label1"));
    lblVer_ = new QLabel(this);
    lblVer_->setObjectName(QStringLiteral("lblVer"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addStretch();
    layout->addWidget(lblVer_);
}

void BasePage::showEdition(GameEdition edition)
{
    lblVer_->setText(QString::fromStdString(editionText(edition)));
}

void BasePage::disableAll()
{
    lblVer_->clear();
}

} // namespace orvane::ui
