// The change list through the window: Edit menu, rows following edits and Undo, a double click
// opening the page at the record.
#include <QComboBox>
#include <QDockWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "widgets/SampleWindow.h"

namespace {

QStringList rowText(QTableWidget* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) cells << table->item(row, column)->text();
    return cells;
}

} // namespace

class TestChangesPanel : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void followsEditsAndUndoAndOpensThePageOfARow()
    {
        orvane::test::SampleWindow w(orvane::GameEdition::Dos14);
        auto* panel = w.find<QDockWidget>("frmChanges");
        auto* rows = w.find<QTableWidget>("lstChanges");
        auto* menu = w.find<QAction>("mnuChanges");
        QVERIFY(!panel->isVisible());
        w.load();
        menu->trigger();
        QVERIFY(panel->isVisible());
        QCOMPARE(rows->rowCount(), 0);

        // An edit on the Unit Editor page: the row appears once the click is handled.
        auto* tabs = w.find<QTabWidget>("tabFac");
        tabs->setCurrentIndex(3);
        auto* units = w.find<QComboBox>("cmbUnit");
        const int sectoid = units->findText(QStringLiteral("Sectoid Leader"));
        units->setCurrentIndex(sectoid);
        emit units->activated(sectoid);
        auto* cmdTU = w.find<QPushButton>("cmdTU");
        const QString oldTu = cmdTU->text();
        w.prompts.answer(oldTu == QStringLiteral("99") ? "98" : "99");
        QTest::mouseClick(cmdTU, Qt::LeftButton);
        const QString newTu = cmdTU->text();
        QTRY_COMPARE(rows->rowCount(), 1);
        QCOMPARE(rowText(rows, 0), (QStringList{QStringLiteral("Unit Editor"), QStringLiteral("Sectoid Leader"),
                                                QStringLiteral("Time Units:"), oldTu, newTu}));

        // Another unit is shown; a double click on the row brings the changed one back.
        const int tank = units->findText(QStringLiteral("Tank"));
        units->setCurrentIndex(tank);
        emit units->activated(tank);
        tabs->setCurrentIndex(0);
        const QRect cell = rows->visualRect(rows->model()->index(0, 1));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE(units->currentText(), QStringLiteral("Sectoid Leader"));
        QCOMPARE(cmdTU->text(), newTu);

        w.trigger("mnuUndo");
        QTRY_COMPARE(rows->rowCount(), 0);
        menu->trigger();
        QVERIFY(!panel->isVisible());
        QVERIFY(w.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestChangesPanel)

#include "tst_ChangesPanel.moc"
