#include "ui/DiskChangedBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/WindowNames.h"

namespace orvane::ui {

namespace {

QPushButton* addButton(QWidget* bar, QHBoxLayout* layout, const char* name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, bar);
    button->setObjectName(name);
    button->setToolTip(tip);
    layout->addWidget(button);
    return button;
}

} // namespace

DiskChangedBar::DiskChangedBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(diskChangedBarNames::barDiskChanged);
    setAccessibleName(QStringLiteral("Files changed on disk"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);

    auto* layout = new QHBoxLayout(this);
    message_ = new QLabel(this);
    message_->setObjectName(diskChangedBarNames::lblDiskChanged);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    layout->addWidget(message_, 1);
    auto* keepBoth = addButton(this, layout, diskChangedBarNames::cmdKeepBoth, QStringLiteral("Keep Both"),
                               QStringLiteral("Read the files again and put your changes on top of theirs"));
    auto* reload = addButton(this, layout, diskChangedBarNames::cmdReloadDisk, QStringLiteral("Reload"),
                             QStringLiteral("Read the files again and drop your changes"));
    auto* ignore = addButton(this, layout, diskChangedBarNames::cmdIgnoreDisk, QStringLiteral("Ignore"),
                             QStringLiteral("Hide this bar; Save will ask again"));

    connect(keepBoth, &QPushButton::clicked, this, &DiskChangedBar::keepBothRequested);
    connect(reload, &QPushButton::clicked, this, &DiskChangedBar::reloadRequested);
    connect(ignore, &QPushButton::clicked, this, &DiskChangedBar::dismiss);
    hide();
}

void DiskChangedBar::showChangedFiles(const QStringList& files)
{
    for (const QString& file : files) {
        if (!files_.contains(file)) files_.append(file);
    }
    const QString text = QStringLiteral("Another program changed %1 on disk.").arg(files_.join(QStringLiteral(", ")));
    message_->setText(text);
    show();
}

void DiskChangedBar::dismiss()
{
    files_.clear();
    hide();
}

} // namespace orvane::ui
