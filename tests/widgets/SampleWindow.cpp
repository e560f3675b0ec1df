#include "widgets/SampleWindow.h"

#include <QLabel>

#include "samplegame/SampleGame.h"

namespace orvane::test {

SampleWindow::SampleWindow(GameEdition edition) : exePath(sample::writeSampleGame(dir.str(), edition))
{
    window.show();
}

void SampleWindow::load()
{
    prompts.answerFile(exePath);
    trigger("mnuOpen");
    QCOMPARE(labelText("lblComp"), QStringLiteral("All files loaded successfully!"));
    prompts.clearShown();
}

void doubleClickRow(QAbstractItemView* list, int row)
{
    const QModelIndex entry = list->model()->index(row, 0);
    list->scrollTo(entry);
    const QPoint centre = list->visualRect(entry).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

QString labelText(const char* name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* label = top->findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
    }
    return QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
}

void closeAllWindows()
{
    for (QWidget* top : QApplication::topLevelWidgets()) top->close();
}

} // namespace orvane::test
