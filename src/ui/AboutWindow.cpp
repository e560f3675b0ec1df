#include "ui/AboutWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "ui/GameFont.h"
#include "ui/WindowNames.h"

namespace orvane::ui {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(aboutWindowNames::frmAbout);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Orvane Executable Editor"));

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(aboutWindowNames::picIcon);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    iconLabel->setPixmap(icon.pixmap(48, 48));

    auto* layout = new QGridLayout(this);
    layout->addWidget(iconLabel, 0, 0, 4, 1, Qt::AlignTop);
    using namespace aboutWindowNames;
    const std::pair<const char*, QString> labels[] = {
        {lblTitle, QStringLiteral("Orvane Executable Editor")},
        {lblVersion, QStringLiteral("Version: 1.0")},
        {lblDescription, QStringLiteral("Made by the Orvane Executable Editor team.\nThis should work for all "
                                        "versions of Orvane, except the dos version 1.0. Load geoscape.exe for dos "
                                        "versions.")},
        {lblDisclaimer, QStringLiteral("Warning: This edits the files that are integral for running the game "
                                       "Orvane. The author accepts no responsibility if your files are "
                                       "permanently damaged.")},
    };
    int row = 0;
    for (const auto& [name, text] : labels) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        useGameFont(label);
        layout->addWidget(label, row++, 1);
    }

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(aboutWindowNames::cmdOK);
    layout->addWidget(okButton, row, 1, Qt::AlignRight);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
    resize(460, 260);
}

} // namespace orvane::ui
