#include "ui/LoadWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/GameFont.h"
#include "ui/WindowNames.h"

namespace orvane::ui {

LoadWindow::LoadWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(loadWindowNames::frmLoad);
    setWindowTitle(QStringLiteral("Loading Files..."));
    setAttribute(Qt::WA_DeleteOnClose);

    progress_ = new QLabel(this);
    progress_->setObjectName(loadWindowNames::lblLoad);
    progress_->setWordWrap(true);
    step_ = new QLabel(this);
    step_->setObjectName(loadWindowNames::lblComp);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(loadWindowNames::Command1);
    ok_->hide();
    useGameFont(progress_);
    useGameFont(step_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(step_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    resize(520, 140);

    connect(ok_, &QPushButton::clicked, this, &QWidget::close);
}

void LoadWindow::begin()
{
    progress_->clear();
    step_->clear();
    // OK is hidden only while the window is new; a window kept open between loads keeps it.
    show();
    raise();
}

void LoadWindow::append(const std::string& piece)
{
    progress_->setText(progress_->text() + QString::fromStdString(piece));
}

void LoadWindow::report(const std::string& step) { step_->setText(QString::fromStdString(step)); }

void LoadWindow::finish() { ok_->show(); }

} // namespace orvane::ui
