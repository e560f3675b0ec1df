// The Unit Editor page with the change list: the last unit chosen by a key, a Time Units value and the
// flying switch written, their rows in the change list and back to the unit from a row, Undo and Close files.
#include <QDockWidget>

#include "widgets/PageWindow.h"

namespace orvane::test {
namespace {

constexpr std::size_t HoverTank = 480147 + 39 * 32; // the last unit of the Collector's Edition

QStringList rowText(QTableWidget* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) cells << table->item(row, column)->text();
    return cells;
}

// The Collector's Edition loaded, the Unit Editor page shown, and Hover Tank chosen by a key.
struct UnitPage : PageWindow {
    UnitPage() : PageWindow(3, GameEdition::Collectors, Loading::Load)
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
    }

    ByteImage& exe() { return image(FileId::Exe); }
    // Time Units one above the loaded value, through its box: the new value.
    std::uint8_t raiseTimeUnits()
    {
        const auto raised = static_cast<std::uint8_t>((loaded.at(HoverTank + 1) + 1) % 256);
        prompts.answer(std::to_string(raised));
        QTest::mouseClick(cmdTU, Qt::LeftButton);
        return raised;
    }
    QRadioButton* otherFlag() { return yes->isChecked() ? no : yes; }
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

} // namespace

class TestUnitPage : public QObject {
    Q_OBJECT

private slots:
    void theChangesEntryShowsAndHidesTheChangeList()
    {
        UnitPage w;
        QVERIFY(!w.find<QAction>("mnuChanges")->isChecked());
        QCOMPARE(w.showChanges()->rowCount(), 0);
        auto* panel = w.find<QDockWidget>("frmChanges");
        QVERIFY(panel->isVisible());
        w.trigger("mnuChanges");
        QVERIFY(!panel->isVisible());
    }

    void theLastUnitChosenByAKeyShowsItsStoredValues()
    {
        UnitPage w;
        QVERIFY(w.combo->count() == 33 && w.combo->itemText(32) == QStringLiteral("Hover Tank"));
        QCOMPARE(w.combo->currentIndex(), 32);
        w.expectLoadedShown();
    }

    void aTimeUnitsEditIsListedWithItsOldAndNewValues()
    {
        UnitPage w;
        auto* rows = w.showChanges();
        const std::uint8_t raised = w.raiseTimeUnits();
        QCOMPARE(w.cmdTU->text(), QString::number(raised));
        QTRY_COMPARE(rows->rowCount(), 1); // once the click is handled
        QCOMPARE(rowText(rows, 0), (QStringList{QStringLiteral("Unit Editor"), QStringLiteral("Hover Tank"),
                                                QStringLiteral("Time Units:"),
                                                QString::number(w.loaded.at(HoverTank + 1)), QString::number(raised)}));
    }

    // Another unit on another page; a double click on the row brings the changed one back.
    void aDoubleClickOnAChangeOpensItsUnit()
    {
        UnitPage w;
        auto* rows = w.showChanges();
        const std::uint8_t raised = w.raiseTimeUnits();
        QTRY_COMPARE(rows->rowCount(), 1);
        w.chooseUnit(0);
        w.tabs->setCurrentIndex(0);
        doubleClickRow(rows, 0);
        QCOMPARE(w.tabs->currentIndex(), 3);
        QCOMPARE(w.combo->currentText(), QStringLiteral("Hover Tank"));
        QCOMPARE(w.cmdTU->text(), QString::number(raised));
    }

    void theFlyingSwitchWritesItsByte()
    {
        UnitPage w;
        QRadioButton* other = w.otherFlag();
        clickIndicator(other);
        QCOMPARE(changedBytes(w.loaded, w.exe()), (Changes{{HoverTank, other == w.yes ? 1 : 0}}));
    }

    void undoTakesBackEachEditAndItsRow()
    {
        UnitPage w;
        auto* rows = w.showChanges();
        w.raiseTimeUnits();
        clickIndicator(w.otherFlag());
        QTRY_COMPARE(rows->rowCount(), 2);
        w.trigger("mnuUndo");
        w.trigger("mnuUndo");
        QVERIFY(w.exe() == w.loaded);
        w.expectLoadedShown();
        QTRY_COMPARE(rows->rowCount(), 0);
    }

    void closeFilesEmptiesThePage()
    {
        UnitPage w;
        w.trigger("mnuClose");
        QVERIFY(!w.cmdTU->isEnabledTo(w.tabs) && w.cmdTU->text().isEmpty());
        QVERIFY(!w.yes->isChecked() && !w.no->isChecked());
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestUnitPage)

#include "tst_UnitPage.moc"
