// The Unit Editor page with the change list: Hover Tank's Time Units and flying switch, their rows, Undo.
#include <QDockWidget>

#include "widgets/PageWindow.h"

namespace orvane::test {

constexpr std::size_t HoverTank = 480147 + 39 * 32; // the last unit of the Collector's Edition

// The Collector's Edition loaded, the Unit Editor page shown, and Hover Tank chosen by a key.
struct UnitPage : PageWindow {
    UnitPage() : PageWindow(3, GameEdition::Collectors, Loading::Load)
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
    }

    void expectLoadedShown()
    {
        QCOMPARE(cmdTU->text(), QString::number(loaded.at(HoverTank + 1)));
        QCOMPARE(yes->isChecked(), loaded.at(HoverTank) == 1);
        QCOMPARE(no->isChecked(), loaded.at(HoverTank) != 1);
    }

    QComboBox* combo = find<QComboBox>("cmbUnit");
    QPushButton* cmdTU = find<QPushButton>("cmdTU");
    QRadioButton* yes = find<QRadioButton>("optYesU");
    QRadioButton* no = find<QRadioButton>("optNoU");
    const ByteImage loaded = image(FileId::Exe);
};

class TestUnitPage : public QObject {
    Q_OBJECT

private slots:
    // Time Units one above the loaded value, listed with the old; the row brings the unit back; Close files empties.
    void editsAreListedOpenTheirUnitFromTheChangeListAndAreUndone()
    {
        UnitPage w;
        QVERIFY(w.combo->count() == 33 && w.combo->itemText(32) == QStringLiteral("Hover Tank"));
        QCOMPARE(w.combo->currentIndex(), 32);
        w.expectLoadedShown();
        QVERIFY(!w.find<QAction>("mnuChanges")->isChecked());
        auto* rows = w.showChanges();
        QCOMPARE(rows->rowCount(), 0);
        auto* panel = w.find<QDockWidget>("frmChanges");
        QVERIFY(panel->isVisible());

        const QString oldTU = QString::number(w.loaded.at(HoverTank + 1));
        const QString raised = QString::number((w.loaded.at(HoverTank + 1) + 1) % 256);
        w.clickAnswering("cmdTU", raised.toStdString());
        QCOMPARE(w.cmdTU->text(), raised);
        QTRY_COMPARE(rows->rowCount(), 1); // once the click is handled
        QStringList cells;
        for (int column = 0; column < rows->columnCount(); ++column) cells << rows->item(0, column)->text();
        QCOMPARE(cells, (QStringList{"Unit Editor", "Hover Tank", "Time Units:", oldTU, raised}));
        w.chooseUnit(0);
        w.openFirstChange(rows);
        QCOMPARE(w.combo->currentText(), QStringLiteral("Hover Tank"));
        QCOMPARE(w.cmdTU->text(), raised);

        QRadioButton* other = w.yes->isChecked() ? w.no : w.yes;
        const ByteImage before = w.image(FileId::Exe);
        clickIndicator(other);
        QCOMPARE(changedBytes(before, w.image(FileId::Exe)), (Changes{{HoverTank, other == w.yes ? 1 : 0}}));
        QTRY_COMPARE(rows->rowCount(), 2);
        w.trigger("mnuUndo");
        w.trigger("mnuUndo");
        QVERIFY(w.image(FileId::Exe) == w.loaded);
        w.expectLoadedShown();
        QTRY_COMPARE(rows->rowCount(), 0);
        w.trigger("mnuChanges");
        QVERIFY(!panel->isVisible());
        w.prompts.answerNo(); // Save? after the undone edits
        w.trigger("mnuClose");
        QVERIFY(!w.cmdTU->isEnabledTo(w.tabs) && w.cmdTU->text().isEmpty());
        QVERIFY(!w.yes->isChecked() && !w.no->isChecked());
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestUnitPage)

#include "tst_UnitPage.moc"
