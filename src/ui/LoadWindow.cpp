#include "ui/LoadWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/GameFont.h"

namespace orvane::ui {

LoadWindow::LoadWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmLoad"));
    setWindowTitle(QStringLiteral("Loading Files..."));
    setAttribute(Qt::WA_DeleteOnClose);

    lblLoad_ = new QLabel(this);
    lblLoad_->setObjectName(QStringLiteral("lblLoad"));
    lblLoad_->setWordWrap(true);
    lblComp_ = new QLabel(this);
    lblComp_->setObjectName(QStringLiteral("lblComp"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->hide();
    useGameFont(lblLoad_);
    useGameFont(lblComp_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblLoad_);
    layout->addWidget(lblComp_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    resize(520, 140);

    connect(ok_, &QPushButton::clicked, this, &QWidget::close);
}

void LoadWindow::begin()
{
    lblLoad_->clear();
    lblComp_->clear();
    // OK is hidden only while the window is new; a window kept open between loads keeps it.
    show();
    raise();
}

void LoadWindow::append(const std::string& piece)
{
    lblLoad_->setText(lblLoad_->text() + QString::fromStdString(piece));
}

void LoadWindow::report(const std::string& step)
{
    lblComp_->setText(QString::fromStdString(step));
}

void LoadWindow::finish()
{
    ok_->show();
}

} // namespace orvane::ui
