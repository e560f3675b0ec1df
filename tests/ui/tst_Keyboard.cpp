// The keyboard does on the pages what the mouse does: a key that moves in a list chooses the entry,
// Enter opens it, the Copy key copies it and closes nothing (Close files keeps Ctrl+C elsewhere), and
// Tab goes through each page's controls in reading order.
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>

#include "widgets/SampleWindow.h"

using orvane::test::entryText;
using orvane::test::SampleWindow;

namespace {

// A loaded game in the active window, so that its shortcuts and focus work as for a user.
struct ActiveWindow : SampleWindow {
    ActiveWindow()
    {
        load();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the main window did not become active");
    }

    QAbstractItemView* list(int page, const char* name)
    {
        openPage(page);
        auto* shown = find<QAbstractItemView>(name);
        shown->setFocus(Qt::TabFocusReason);
        return shown;
    }

    // The names of the controls Tab goes to, from the page's first control until it leaves the page.
    QStringList tabOrder(int page, const char* first)
    {
        QWidget* pageWidget = openPage(page)->widget(page);
        QWidget* at = find<QWidget>(first);
        at->setFocus(Qt::TabFocusReason);
        QStringList names;
        while (at && pageWidget->isAncestorOf(at) && !names.contains(at->objectName())) {
            names << at->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
        }
        return names;
    }
};

QString copied()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    // Every list of the main window copies its chosen entry; a button leaves Ctrl+C to Close files.
    void theCopyKeyCopiesTheEntryOfEveryListAndClosesNothing()
    {
        ActiveWindow w;
        w.trigger("mnuChanges");
        w.editTimeUnits(0, "7");
        const std::pair<int, const char*> lists[] = {{0, "lstItems"}, {2, "lstFirst"}, {2, "lstLast"},
                                                     {4, "lstItem"},  {5, "lstEng1"},  {5, "lstEng2"}};
        for (const auto& [page, name] : lists) {
            QAbstractItemView* list = w.list(page, name);
            QTest::keyClick(list, Qt::Key_PageDown);
            QGuiApplication::clipboard()->clear();
            QTest::keySequence(list, QKeySequence::Copy);
            QVERIFY2(!copied().isEmpty() && copied() == entryText(list, list->currentIndex().row()), name);
        }
        auto* changes = w.find<QTableWidget>("lstChanges");
        QTRY_COMPARE(changes->rowCount(), 1);
        changes->setFocus(Qt::TabFocusReason);
        QTest::keyClick(changes, Qt::Key_Down);
        QTest::keySequence(changes, QKeySequence::Copy);
        QVERIFY(copied().startsWith(QStringLiteral("Unit Editor\t")) && copied().count(QLatin1Char('\t')) == 4);
        QVERIFY(w.find<QTabWidget>("tabFac")->isEnabled());

        w.prompts.answerYesNo(false);
        QTest::keyClick(w.find<QPushButton>("cmdTU"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(w.prompts.shown().back().title, std::string("Save?"));
        QVERIFY(!w.find<QTabWidget>("tabFac")->isEnabled());
        QVERIFY(w.prompts.unexpected().empty());
    }

    // Arrow keys, Home, End and Page Down choose as a click does; Enter opens as a double click does.
    void keysChooseAndEnterOpensAsTheMouseDoes()
    {
        ActiveWindow w;
        QAbstractItemView* strings = w.list(5, "lstEng2");
        QTest::keyClick(strings, Qt::Key_Home);
        QTest::keyClick(strings, Qt::Key_Down);
        QCOMPARE(w.find<QLabel>("lblEng2")->text(), QStringLiteral("2"));
        QCOMPARE(w.find<QLabel>("lblStrShow")->text(), QLatin1Char('\n') + entryText(strings, 1));
        QTest::keyClick(strings, Qt::Key_End);
        QCOMPARE(w.find<QLabel>("lblEng2")->text(), QString::number(strings->model()->rowCount()));
        QTest::keyClick(strings, Qt::Key_Return);
        QVERIFY(!w.find<QGroupBox>("frmStr")->isHidden());
        QCOMPARE(w.find<QLineEdit>("Text1")->text(), entryText(strings, strings->model()->rowCount() - 1));

        QAbstractItemView* items = w.list(4, "lstItem");
        QTest::keyClick(items, Qt::Key_Home);
        QTest::keyClick(items, Qt::Key_PageDown);
        const int row = items->currentIndex().row();
        QVERIFY(row > 0);
        QCOMPARE(w.find<QLabel>("lblIndex")->text(), QString::number(row));
        QTest::keyClick(items, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w.find<QPushButton>("cmdName")->text(), entryText(items, row));

        // Enter on a name asks for the new name, and on a row of the change list opens its page.
        QAbstractItemView* names = w.list(2, "lstLast");
        QTest::keyClick(names, Qt::Key_Down);
        w.prompts.answer(std::nullopt);
        QTest::keyClick(names, Qt::Key_Return);
        QCOMPARE(w.prompts.shown().back().title, std::string("New Name"));
        w.editTimeUnits(5, "9");
        w.trigger("mnuChanges");
        auto* changes = w.find<QTableWidget>("lstChanges");
        QTRY_COMPARE(changes->rowCount(), 1);
        w.openPage(0);
        changes->setFocus(Qt::TabFocusReason);
        QTest::keyClick(changes, Qt::Key_Down);
        QTest::keyClick(changes, Qt::Key_Return);
        QCOMPARE(w.find<QTabWidget>("tabFac")->currentIndex(), 3);
        QVERIFY(w.prompts.unexpected().empty());
    }

    // With every control of each page usable: a square's frame open, a type, a unit, an item and a string
    // chosen. A group of options is one stop; the arrow keys move within it.
    void tabGoesThroughEachPageInReadingOrder()
    {
        ActiveWindow w;
        QStringList squares;
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 6; ++column) squares << QStringLiteral("Command%1").arg(6 * column + row + 1);
        }
        QTest::mouseClick(w.find<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(w.tabOrder(0, "Command1").join(' '), squares.join(' ') + QStringLiteral(" Combo1 Combo2 cmdApply cmdCancel lstItems"));

        w.openPage(1);
        w.find<QComboBox>("cmbType")->setCurrentIndex(0);
        emit w.find<QComboBox>("cmbType")->activated(0);
        QCOMPARE(w.tabOrder(1, "cmbType").join(' '), QStringLiteral("cmbType cmdPrice cmdDays cmdUpkeep cmdStrength cmdRatio optYes"));
        QCOMPARE(w.tabOrder(2, "lstFirst").join(' '), QStringLiteral("lstFirst lstLast"));
        w.chooseUnit(0);
        QCOMPARE(w.tabOrder(3, "cmbUnit").join(' '),
                 QStringLiteral("cmbUnit cmdTU cmdHealth cmdEnrg cmdReac cmdStr cmdFirA cmdThrA cmdFrA cmdLefA cmdRigA "
                                "cmdReaA cmdUndA cmdPsiSk cmdPsiSt cmdBrav optYesU"));
        orvane::test::doubleClickRow(w.find<QListWidget>("lstItem"), 0);
        QCOMPARE(w.tabOrder(4, "txtFilterItem").join(' '),
                 QStringLiteral("txtFilterItem lstItem cmdName cmdDamage cmdAmmo1 cmdAmmo2 cmdAmmo3 cmdAmount cmdWeight "
                                "cmdAutoA cmdSnapA cmdAimA cmdAutoT cmdSnapT cmdAimT cmdMelT optAP optNoClip optSmoke"));
        orvane::test::doubleClickRow(w.find<QListView>("lstEng1"), 0);
        QCOMPARE(w.tabOrder(5, "txtFilterEng1").join(' '),
                 QStringLiteral("txtFilterEng1 lstEng1 txtFilterEng2 lstEng2 Text1 cmdApplyStr cmdCancelStr"));
    }
};

ORVANE_WIDGET_TEST_MAIN(TestKeyboard)

#include "tst_Keyboard.moc"
