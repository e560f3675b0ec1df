#include "widgets/SampleWindow.h"

#include <QComboBox>
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

QTabWidget* SampleWindow::openPage(int index)
{
    auto* tabs = find<QTabWidget>("tabFac");
    tabs->setCurrentIndex(index);
    return tabs;
}

void SampleWindow::chooseUnit(int unit)
{
    openPage(3);
    auto* combo = find<QComboBox>("cmbUnit");
    combo->setCurrentIndex(unit);
    emit combo->activated(unit);
}

void SampleWindow::editTimeUnits(int unit, const std::string& answer)
{
    chooseUnit(unit);
    clickAnswering("cmdTU", answer);
}

void doubleClickRow(QAbstractItemView* list, int row)
{
    const QModelIndex entry = list->model()->index(row, 0);
    list->scrollTo(entry);
    const QPoint centre = list->visualRect(entry).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void clickIndicator(QWidget* option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2)); }

QString entryText(const QAbstractItemView* list, int row) { return list->model()->index(row, 0).data().toString(); }

QString labelText(const char* name)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* label = top->findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
    return QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
}

void closeAllWindows()
{
    for (QWidget* top : QApplication::topLevelWidgets()) top->close();
}

} // namespace orvane::test
