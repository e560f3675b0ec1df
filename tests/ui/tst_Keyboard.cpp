// The keyboard does on the pages what the mouse does.
#include <QApplication>
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

namespace {

// A loaded game in the active window, so that its shortcuts and focus work as for a user.
struct ActiveWindow : orvane::test::SampleWindow {
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

    QString text(const char* label) { return find<QLabel>(label)->text(); }

    // The controls Tab goes to, from the page's first control until it leaves the page.
    QString tabOrder(int page, const char* first)
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
        return names.join(QLatin1Char(' '));
    }

    // The change list, shown, with the row of one edit, and the focus on it.
    QTableWidget* changeList()
    {
        editTimeUnits(5, "9");
        trigger("mnuChanges");
        auto* changes = find<QTableWidget>("lstChanges");
        if (!QTest::qWaitFor([changes] { return changes->rowCount() == 1; })) qFatal("no row in the change list");
        changes->setFocus(Qt::TabFocusReason);
        QTest::keyClick(changes, Qt::Key_Down);
        return changes;
    }
};

QString copied() { return QGuiApplication::clipboard()->text(); }

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    // A base square's boxes take a pick only from their list: a matching name typed into the focused
    // box stays text when the box loses the focus, by Tab or by a click on Apply, or after Enter.
    void aNameTypedIntoABaseBoxIsNoPickHoweverTheBoxLosesTheFocus()
    {
        ActiveWindow w;
        const orvane::ByteImage before = w.image(orvane::FileId::Exe);
        for (const char* box : {"Combo1", "Combo2"}) {
            for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_unknown}) {
                w.click("Command8");
                auto* combo = w.find<QComboBox>(box);
                combo->setFocus(Qt::MouseFocusReason);
                QVERIFY(combo->hasFocus());
                combo->lineEdit()->selectAll();
                const QString typed =
                    QString::fromLatin1(combo == w.find<QComboBox>("Combo1") ? "Workshop" : "12 Days");
                QTest::keyClicks(combo->lineEdit(), typed);
                if (key != Qt::Key_unknown) QTest::keyClick(QApplication::focusWidget(), key);
                QVERIFY(!combo->hasFocus() || key != Qt::Key_Tab);
                QCOMPARE(combo->currentText(), typed);
                w.click("cmdApply");
                QVERIFY2(w.image(orvane::FileId::Exe) == before,
                         qPrintable(QString::fromLatin1(box) + " took a typed name"));
            }
        }
    }

    // Every list of the main window copies its chosen entry (a row of the change list cell by cell);
    // on a button Ctrl+C is Close files.
    void theCopyKeyCopiesTheEntryOfEveryListAndClosesNothing()
    {
        ActiveWindow w;
        for (const auto& [page, name] : {std::pair{0, "lstItems"},
                                         {2, "lstFirst"},
                                         {2, "lstLast"},
                                         {4, "lstItem"},
                                         {5, "lstEng1"},
                                         {5, "lstEng2"}}) {
            QAbstractItemView* list = w.list(page, name);
            QTest::keyClick(list, Qt::Key_PageDown);
            QGuiApplication::clipboard()->clear();
            QTest::keySequence(list, QKeySequence::Copy);
            QVERIFY2(!copied().isEmpty() && copied() == entryText(list, list->currentIndex().row()), name);
        }
        QTest::keySequence(w.changeList(), QKeySequence::Copy);
        QVERIFY(copied().startsWith(QStringLiteral("Unit Editor\t")) && copied().count(QLatin1Char('\t')) == 4);
        QVERIFY(w.find<QTabWidget>("tabFac")->isEnabled());

        w.prompts.answerNo();
        QTest::keyClick(w.find<QPushButton>("cmdTU"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(w.prompts.shown().back().title, std::string("Save?"));
        QVERIFY(!w.find<QTabWidget>("tabFac")->isEnabled());
    }

    // Arrow keys, Home, End and Page Down choose as a click does; Enter opens as a double click does.
    void keysChooseAndEnterOpensAsTheMouseDoes()
    {
        ActiveWindow w;
        QAbstractItemView* strings = w.list(5, "lstEng2");
        QTest::keyClick(strings, Qt::Key_Home);
        QTest::keyClick(strings, Qt::Key_Down);
        QVERIFY(w.text("lblEng2") == "2" && w.text("lblStrShow") == QLatin1Char('\n') + entryText(strings, 1));
        QTest::keyClick(strings, Qt::Key_End);
        const int last = strings->model()->rowCount() - 1;
        QCOMPARE(w.text("lblEng2"), QString::number(last + 1));
        QTest::keyClick(strings, Qt::Key_Return);
        QVERIFY(!w.find<QGroupBox>("frmStr")->isHidden());
        QCOMPARE(w.find<QLineEdit>("Text1")->text(), entryText(strings, last));

        QAbstractItemView* items = w.list(4, "lstItem");
        QTest::keyClick(items, Qt::Key_PageDown);
        const int row = items->currentIndex().row();
        QVERIFY(row > 0 && w.text("lblIndex") == QString::number(row));
        QTest::keyClick(items, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w.find<QPushButton>("cmdName")->text(), entryText(items, row));

        // Enter on a name asks for the new name, and on a row of the change list opens its page.
        QAbstractItemView* names = w.list(2, "lstLast");
        QTest::keyClick(names, Qt::Key_Down);
        w.prompts.answer(std::nullopt);
        QTest::keyClick(names, Qt::Key_Return);
        QCOMPARE(w.prompts.shown().back().title, std::string("New Name"));
        QTest::keyClick(w.changeList(), Qt::Key_Return);
        QCOMPARE(w.find<QTabWidget>("tabFac")->currentIndex(), 3);
    }

    // Every control of each page made usable: a square's frame open, a type, a unit, an item and a string
    // chosen. A group of options is one stop; the arrow keys move within it.
    void tabGoesThroughEachPageInReadingOrder()
    {
        ActiveWindow w;
        QStringList squares;
        for (int square = 0; square < 36; ++square)
            squares << QStringLiteral("Command%1").arg(6 * (square % 6) + square / 6 + 1);
        w.click("Command1");
        QCOMPARE(w.tabOrder(0, "Command1"), squares.join(' ') + " Combo1 Combo2 cmdApply cmdCancel lstItems");
        emit w.find<QComboBox>("cmbType")->activated(0);
        QCOMPARE(w.tabOrder(1, "cmbType"), "cmbType cmdPrice cmdDays cmdUpkeep cmdStrength cmdRatio optYes");
        QCOMPARE(w.tabOrder(2, "lstFirst"), "lstFirst lstLast");
        w.chooseUnit(0);
        QCOMPARE(w.tabOrder(3, "cmbUnit"), "cmbUnit cmdTU cmdHealth cmdEnrg cmdReac cmdStr cmdFirA cmdThrA cmdFrA "
                                           "cmdLefA cmdRigA cmdReaA cmdUndA cmdPsiSk cmdPsiSt cmdBrav optYesU");
        orvane::test::doubleClickRow(w.find<QListWidget>("lstItem"), 0);
        QCOMPARE(w.tabOrder(4, "txtFilterItem"), "txtFilterItem lstItem cmdName cmdDamage cmdAmmo1 cmdAmmo2 cmdAmmo3 "
                                                 "cmdAmount cmdWeight cmdAutoA cmdSnapA cmdAimA cmdAutoT cmdSnapT "
                                                 "cmdAimT cmdMelT optAP optNoClip optSmoke");
        orvane::test::doubleClickRow(w.find<QListView>("lstEng1"), 0);
        QCOMPARE(w.tabOrder(5, "txtFilterEng1"),
                 "txtFilterEng1 lstEng1 txtFilterEng2 lstEng2 Text1 cmdApplyStr cmdCancelStr");
    }
};

ORVANE_WIDGET_TEST_MAIN(TestKeyboard)

#include "tst_Keyboard.moc"
