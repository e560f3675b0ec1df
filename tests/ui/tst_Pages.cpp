// One full path per editor page through its controls: the controls under their names and captions,
// a load, edits checked against the whole image, Undo, Save and Close files. The list filters and the
// change list are walked on the pages whose entries they find.
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <algorithm>

#include "base/StartingBase.h"
#include "support/ImageDiff.h"
#include "ui/GameFont.h"
#include "widgets/SampleWindow.h"

using orvane::ByteImage;
using orvane::FileId;
using orvane::GameEdition;
using orvane::test::changedBytes;
using orvane::test::Changes;
using orvane::test::doubleClickRow;
using orvane::test::entryText;
using orvane::test::readFileBytes;
using orvane::test::SampleWindow;

namespace {

QList<int> visibleRows(QListWidget* list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (!list->isRowHidden(row)) rows << row;
    }
    return rows;
}

QStringList rowText(QTableWidget* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) cells << table->item(row, column)->text();
    return cells;
}

// The table with string `index` (0-based) replaced by `bytes`, counted out independently of the editor.
ByteImage withString(const ByteImage& table, int index, const std::string& bytes)
{
    auto begin = table.begin();
    for (int k = 0; k < index; ++k) begin = std::find(begin, table.end(), 0) + 1;
    const auto terminator = std::find(begin, table.end(), 0);
    ByteImage result(table.begin(), begin);
    result.insert(result.end(), bytes.begin(), bytes.end());
    result.insert(result.end(), terminator, table.end());
    return result;
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void baseSquaresAndAStoreAmountThenUndoSaveAndClose()
    {
        SampleWindow w; // the Collector's Edition
        constexpr std::size_t S = 455134;
        auto* command1 = w.find<QPushButton>("Command1");
        auto* frame = w.find<QGroupBox>("frmChange");
        auto* combo1 = w.find<QComboBox>("Combo1");
        auto* combo2 = w.find<QComboBox>("Combo2");
        auto* list = w.find<QListWidget>("lstItems");

        // As created: the boxes are filled with their item data; the grid and list are as after Close files.
        QVERIFY(combo1->count() == 21 && combo1->itemData(20).toInt() == 255);
        QVERIFY(combo2->count() == 48 && combo2->itemText(47) == QStringLiteral("255 Days"));
        const auto expectBoxesReset = [&](int selected) {
            QCOMPARE(combo1->currentText(), QStringLiteral("Access Lift"));
            QCOMPARE(combo2->currentText(), QStringLiteral("0 Days"));
            QVERIFY(combo1->currentIndex() == selected && combo2->currentIndex() == selected);
        };
        expectBoxesReset(-1);
        QVERIFY(frame->isHidden());
        QCOMPARE(w.find<QPushButton>("Command36")->font(), command1->font());
        QVERIFY(command1->font().bold() && command1->font().pointSize() == 6);

        const ByteImage onDisk = readFileBytes(w.exePath);
        w.load();
        QCOMPARE(command1->text(), QStringLiteral("Empty\n255 Days"));
        QCOMPARE(list->count(), 84);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Engineers - 10"));

        // CommandN shows its square. Each pick moves both boxes one item from what the
        // click showed, so Apply changes exactly the square's two bytes.
        auto& exe = w.image(FileId::Exe);
        Changes expected;
        for (int n = 1; n <= 36; ++n) {
            const std::size_t square = orvane::base::squareOfButton(n);
            QTest::mouseClick(w.find<QPushButton>(qPrintable(QStringLiteral("Command%1").arg(n))), Qt::LeftButton);
            QVERIFY(!frame->isHidden());
            QCOMPARE(combo2->currentIndex(), combo2->findData(exe.at(S + 36 + square)));
            for (QComboBox* box : {combo1, combo2}) QTest::keyClick(box, box->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
            const auto code = static_cast<std::uint8_t>(combo1->currentData().toInt());
            const auto days = static_cast<std::uint8_t>(combo2->currentData().toInt());
            const ByteImage before = exe;
            QTest::mouseClick(w.find<QPushButton>("cmdApply"), Qt::LeftButton);
            QCOMPARE(changedBytes(before, exe), (Changes{{S + square, code}, {S + 36 + square, days}}));
            expected[S + square] = code;
            expected[S + 36 + square] = days;
            QVERIFY(frame->isHidden());
            expectBoxesReset(0);
        }

        // A name typed into a box, Enter included, is no pick: Apply rewrites the square as it stands.
        QTest::mouseClick(w.find<QPushButton>("Command8"), Qt::LeftButton);
        for (auto [box, typed] : {std::pair{combo1, "Empty"}, std::pair{combo2, "12 Days"}}) {
            box->lineEdit()->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(typed));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->currentText(), QString::fromLatin1(typed));
        }
        const ByteImage beforeTyped = exe;
        QTest::mouseClick(w.find<QPushButton>("cmdApply"), Qt::LeftButton);
        QVERIFY(exe == beforeTyped && frame->isHidden());

        // Cancel closes the frame and writes nothing.
        QTest::mouseClick(command1, Qt::LeftButton);
        QTest::mouseClick(w.find<QPushButton>("cmdCancel"), Qt::LeftButton);
        QVERIFY(frame->isHidden());

        // A cancelled amount still rebuilds the list, which shows its top again; Enter asks as a double click does.
        w.prompts.answer(std::nullopt).answer(std::nullopt);
        doubleClickRow(list, 83);
        QVERIFY(list->verticalScrollBar()->value() == 0 && !list->currentItem());
        list->setCurrentRow(83);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(w.prompts.scriptUsed());

        // A store amount: Stingray Launchers, slot 0, low byte first.
        w.prompts.answer("517");
        doubleClickRow(list, 2);
        QCOMPARE(list->item(2)->text(), QStringLiteral("Stingray Launchers - 517"));
        Changes withStore = expected;
        withStore[S + 74] = 5;
        withStore[S + 75] = 2;
        QCOMPARE(changedBytes(onDisk, exe), withStore);

        w.trigger("mnuUndo");
        QCOMPARE(list->item(2)->text(), QStringLiteral("Stingray Launchers - 1"));
        QCOMPARE(changedBytes(onDisk, exe), expected);
        w.trigger("mnuSave");
        QCOMPARE(changedBytes(onDisk, readFileBytes(w.exePath)), expected);

        w.trigger("mnuClose");
        QVERIFY(!command1->isEnabled() && command1->text().isEmpty());
        QVERIFY(list->count() == 0 && !list->isEnabled());
        QVERIFY(w.prompts.unexpected().empty());
    }

    // Every facility name on a square, at the squares' font and one and two points larger: a line never
    // runs past the button's content area; a name too wide goes on at a space.
    void gridCaptionsFitTheirSquaresAtLargerFontsToo()
    {
        SampleWindow w;
        ByteImage exe = readFileBytes(w.exePath);
        const auto& codes = orvane::base::facilityChoices();
        std::copy(codes.begin(), codes.end(), exe.begin() + 455134);
        orvane::test::writeFileBytes(w.exePath, exe);
        w.load();
        QCOMPARE(w.find<QPushButton>("Command32")->text(), QStringLiteral("Fusion Ball\nDefense\n255 Days"));
        QCOMPARE(w.find<QPushButton>("Command21")->text(), QStringLiteral("Hyper-wave\nDecoder\n0 Days"));
        for (const int points : {6, 7, 8}) {
            for (QPushButton* square : w.window.findChildren<QPushButton*>(QRegularExpression("^Command\\d+$"))) {
                QFont font = square->font();
                font.setPointSize(points);
                square->setFont(font);
                QStyleOptionButton option;
                option.initFrom(square);
                const int room =
                    square->style()->subElementRect(QStyle::SE_PushButtonContents, &option, square).width();
                for (const QString& line : square->text().split(QLatin1Char('\n')))
                    QVERIFY2(square->fontMetrics().horizontalAdvance(line) <= room, qPrintable(square->text()));
            }
        }
    }

    // The stores hint keeps its heights for the widths its layout asks; after its text or font changes
    // it answers as a plain word-wrapped label does.
    void theStoresHintWrapsAsAPlainLabelAfterTextAndFontChanges()
    {
        SampleWindow w;
        auto* hint = w.find<QLabel>("Label2");
        QLabel plain;
        plain.setWordWrap(true);
        const auto expectPlainHeights = [&] {
            plain.setText(hint->text());
            plain.setFont(hint->font());
            for (const int width : {60, 150, 400}) QCOMPARE(hint->heightForWidth(width), plain.heightForWidth(width));
        };
        expectPlainHeights();
        hint->setText(hint->text() + QStringLiteral(" A second sentence makes it wrap further."));
        expectPlainHeights();
        QFont larger = hint->font();
        larger.setPointSize(larger.pointSize() + 5);
        hint->setFont(larger);
        expectPlainHeights();
    }

    void facilityCostAndSwitchThenUndoSaveAndClose()
    {
        SampleWindow w(GameEdition::Dos12);
        auto* combo = w.find<QComboBox>("cmbType");
        auto* cmdPrice = w.find<QPushButton>("cmdPrice");
        auto* frmBuild = w.find<QGroupBox>("frmBuild");
        auto* yes = w.find<QRadioButton>("optYes");
        auto* no = w.find<QRadioButton>("optNo");
        QVERIFY(combo->count() == 17 && combo->itemText(16) == QStringLiteral("Hangar"));
        QCOMPARE(frmBuild->title(), QStringLiteral("Standard to Build?:"));
        QStringList labels;
        for (const QLabel* label : combo->parentWidget()->findChildren<QLabel*>()) labels << label->text();
        for (const char* caption : {"Facility Name:", "Construction Cost/$k:", "Construction Time:",
                                    "Monthly Cost/$k:", "Defense Strength:", "Hit Ratio (%):"})
            QVERIFY2(labels.contains(QString::fromLatin1(caption)), caption);

        w.load();
        auto* tabs = w.openPage(1);
        QVERIFY(combo->isEnabled() && !cmdPrice->isEnabledTo(tabs));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->currentText() != QStringLiteral("Laser Defense"); ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("Laser Defense"));
        QVERIFY(cmdPrice->isEnabledTo(tabs) && frmBuild->isEnabledTo(tabs));
        QCOMPARE(cmdPrice->text(), QStringLiteral("400"));
        QCOMPARE(w.find<QPushButton>("cmdStrength")->text(), QStringLiteral("600"));
        QCOMPARE(w.find<QPushButton>("cmdRatio")->text(), QStringLiteral("60"));
        QVERIFY(no->isChecked() && !yes->isChecked());

        const ByteImage loaded = w.image(FileId::Exe);
        constexpr std::size_t laser = 374242 + 16 * 9;
        w.prompts.answer("1,500");
        QTest::mouseClick(cmdPrice, Qt::LeftButton);
        QCOMPARE(cmdPrice->text(), QStringLiteral("1,500"));
        orvane::test::clickIndicator(yes);
        QCOMPARE(changedBytes(loaded, w.image(FileId::Exe)),
                 (Changes{{laser, 0xDC}, {laser + 1, 0x05}, {laser + 10, 14}}));

        w.trigger("mnuUndo");
        QVERIFY(no->isChecked() && !yes->isChecked());
        QCOMPARE(cmdPrice->text(), QStringLiteral("1,500"));
        w.trigger("mnuSave");
        QCOMPARE(changedBytes(loaded, readFileBytes(w.exePath)), (Changes{{laser, 0xDC}, {laser + 1, 0x05}}));

        w.trigger("mnuClose");
        QVERIFY(!combo->isEnabled() && !cmdPrice->isEnabledTo(tabs) && !frmBuild->isEnabledTo(tabs));
        QVERIFY(cmdPrice->text().isEmpty() && !yes->isChecked() && !no->isChecked());
        QVERIFY(w.prompts.unexpected().empty());
    }

    void aFirstNameByDoubleClickThenUndoAndClose()
    {
        SampleWindow w(GameEdition::Dos12);
        auto* first = w.find<QListWidget>("lstFirst");
        auto* last = w.find<QListWidget>("lstLast");
        QCOMPARE(first->font(), orvane::ui::gameFont());
        QCOMPARE(w.find<QLabel>("lblName")->text(),
                 QStringLiteral("This is a list of all the default soldier names. Double Click to edit.\n"
                                "I suggest using the same sex as the first name already is or you'll have men "
                                "with women's names and vice versa."));
        w.load();
        QVERIFY(first->count() == 120 && last->count() == 120);
        w.openPage(2);

        const ByteImage loaded = w.image(FileId::Exe);
        const QString oldName = first->item(4)->text();
        last->setCurrentRow(7);
        w.prompts.answer("Zed");
        doubleClickRow(first, 4);
        // Only the edited list is refilled: the other keeps its selection.
        QVERIFY(last->currentRow() == 7 && last->item(7)->isSelected());
        QCOMPARE(first->item(4)->text(), QStringLiteral("Zed"));
        constexpr std::ptrdiff_t slot = 390544 + 11 * 4;
        ByteImage expected = loaded; // the name, then zeros to the end of its 11-byte slot
        std::fill_n(expected.begin() + slot, 11, std::uint8_t{0});
        std::copy_n("Zed", 3, expected.begin() + slot);
        QCOMPARE(changedBytes(loaded, w.image(FileId::Exe)), changedBytes(loaded, expected));

        w.trigger("mnuUndo");
        QVERIFY(w.image(FileId::Exe) == loaded);
        QCOMPARE(first->item(4)->text(), oldName);
        w.prompts.answerYesNo(false);
        w.trigger("mnuClose");
        QVERIFY(first->count() == 0 && last->count() == 0);
        QVERIFY(w.prompts.unexpected().empty());
    }

    // The change list follows the unit's edits and Undo, and a double click on its row opens the unit.
    void unitValueAndFlyingFlagInTheChangeListThenUndoAndClose()
    {
        SampleWindow w; // the Collector's Edition
        QVERIFY(!w.find<QAction>("mnuChanges")->isChecked());
        w.load();
        w.trigger("mnuChanges");
        auto* panel = w.find<QDockWidget>("frmChanges");
        auto* rows = w.find<QTableWidget>("lstChanges");
        QVERIFY(panel->isVisible());
        QCOMPARE(rows->rowCount(), 0);

        auto* tabs = w.openPage(3);
        auto* combo = w.find<QComboBox>("cmbUnit");
        QVERIFY(combo->count() == 33 && combo->itemText(32) == QStringLiteral("Hover Tank"));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);

        auto& exe = w.image(FileId::Exe);
        const ByteImage loaded = exe;
        constexpr std::size_t hoverTank = 480147 + 39 * 32;
        auto* cmdTU = w.find<QPushButton>("cmdTU");
        auto* yes = w.find<QRadioButton>("optYesU");
        auto* no = w.find<QRadioButton>("optNoU");
        const QString oldTU = QString::number(loaded.at(hoverTank + 1));
        const auto expectLoadedShown = [&] {
            QCOMPARE(cmdTU->text(), oldTU);
            QCOMPARE(yes->isChecked(), loaded.at(hoverTank) == 1);
            QCOMPARE(no->isChecked(), loaded.at(hoverTank) != 1);
        };
        expectLoadedShown();

        const auto newTU = static_cast<std::uint8_t>((loaded.at(hoverTank + 1) + 1) % 256);
        w.prompts.answer(std::to_string(newTU));
        QTest::mouseClick(cmdTU, Qt::LeftButton);
        QCOMPARE(cmdTU->text(), QString::number(newTU));
        QTRY_COMPARE(rows->rowCount(), 1); // once the click is handled
        QCOMPARE(rowText(rows, 0), (QStringList{QStringLiteral("Unit Editor"), QStringLiteral("Hover Tank"),
                                                QStringLiteral("Time Units:"), oldTU, QString::number(newTU)}));

        // Another unit on another page; a double click on the row brings the changed one back.
        w.chooseUnit(0);
        tabs->setCurrentIndex(0);
        doubleClickRow(rows, 0);
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE(combo->currentText(), QStringLiteral("Hover Tank"));
        QCOMPARE(cmdTU->text(), QString::number(newTU));

        QRadioButton* other = yes->isChecked() ? no : yes;
        orvane::test::clickIndicator(other);
        QCOMPARE(changedBytes(loaded, exe), (Changes{{hoverTank, other == yes ? 1 : 0}, {hoverTank + 1, newTU}}));

        w.trigger("mnuUndo");
        w.trigger("mnuUndo");
        QVERIFY(exe == loaded);
        expectLoadedShown();
        QTRY_COMPARE(rows->rowCount(), 0);
        w.trigger("mnuChanges");
        QVERIFY(!panel->isVisible());

        w.prompts.answerYesNo(false); // Undo leaves Save available, so Close asks first
        w.trigger("mnuClose");
        QVERIFY(!cmdTU->isEnabledTo(tabs) && cmdTU->text().isEmpty());
        QVERIFY(!yes->isChecked() && !no->isChecked());
        QVERIFY(w.prompts.unexpected().empty());
    }

    // The filter keeps the real index: the entry opened and every edit mean the real record.
    void itemThroughTheFilterThenEditUndoSaveAndRename()
    {
        SampleWindow w;
        const std::string obdataPath = w.gameFile("GEODATA/OBDATA.DAT");
        const ByteImage onDisk = readFileBytes(obdataPath);
        auto* list = w.find<QListWidget>("lstItem");
        auto* filter = w.find<QLineEdit>("txtFilterItem");
        auto* cmdDamage = w.find<QPushButton>("cmdDamage");
        auto* cmdWeight = w.find<QPushButton>("cmdWeight");
        w.load();
        w.openPage(4);
        QCOMPARE(list->count(), 80);
        QVERIFY(!cmdDamage->isEnabled()); // a load opens no item

        // The last item, typed in the other case: its own name picks it out.
        constexpr int Last = 79;
        constexpr std::size_t R = 54 * Last;
        const QString name = list->item(Last)->text();
        QTest::keyClicks(filter, name.toLower());
        const QList<int> shown = visibleRows(list);
        QVERIFY(shown.contains(Last) && shown.size() < list->count());
        for (const int row : shown) QVERIFY(list->item(row)->text().contains(name, Qt::CaseInsensitive));

        doubleClickRow(list, Last);
        QCOMPARE(w.find<QLabel>("lblIndex")->text(), QStringLiteral("79"));
        QCOMPARE(w.find<QPushButton>("cmdName")->text(), name);
        QCOMPARE(cmdDamage->text(), QString::number(onDisk[R + 22]));
        const QString oldWeight = QString::number(onDisk[R + 43]);
        QCOMPARE(cmdWeight->text(), oldWeight);
        QCOMPARE(w.window.session().undoCount(), 0u); // showing the item's options wrote nothing

        w.prompts.answer("42");
        QTest::mouseClick(cmdDamage, Qt::LeftButton);
        QCOMPARE(cmdDamage->text(), QStringLiteral("42"));
        w.prompts.answer("7");
        QTest::mouseClick(cmdWeight, Qt::LeftButton);
        QCOMPARE(cmdWeight->text(), QStringLiteral("7"));
        QCOMPARE(changedBytes(onDisk, w.image(FileId::Obdata)), (Changes{{R + 22, 42}, {R + 43, 7}}));

        w.trigger("mnuUndo");
        QCOMPARE(cmdWeight->text(), oldWeight);
        QCOMPARE(changedBytes(onDisk, w.image(FileId::Obdata)), (Changes{{R + 22, 42}}));
        w.trigger("mnuSave");
        QCOMPARE(changedBytes(onDisk, readFileBytes(obdataPath)), (Changes{{R + 22, 42}}));

        // A rename refills the list; the filter still applies to the new names.
        w.prompts.answer("Zzyzx Cannon");
        QTest::mouseClick(w.find<QPushButton>("cmdName"), Qt::LeftButton);
        QVERIFY(!visibleRows(list).contains(Last));
        filter->setText(QStringLiteral("ZZYZX"));
        QCOMPARE(visibleRows(list), QList<int>{Last});
        filter->clear(); // the empty filter shows every entry again
        QCOMPARE(visibleRows(list).size(), 80);
        QVERIFY(w.prompts.unexpected().empty());
    }

    // A string found through the filter, lengthened with a character of the game's code page: it stays at
    // its real number through Apply, the change list and Undo; the lists filter on their own.
    void aStringThroughTheFilterThenApplyTheChangeListSaveAndUndo()
    {
        SampleWindow w;
        auto* lstEng1 = w.find<QListView>("lstEng1");
        auto* lstEng2 = w.find<QListView>("lstEng2");
        auto* frmStr = w.find<QGroupBox>("frmStr");
        auto* text1 = w.find<QLineEdit>("Text1");
        auto* apply = w.find<QPushButton>("cmdApplyStr");
        auto* lblStrShow = w.find<QLabel>("lblStrShow");
        const std::pair<QWidget*, QString> tips[] = {
            {lstEng1, "A list of strings in English.dat. Click to display text. Double click to edit."},
            {lstEng2, "A list of strings in English2.dat. Click to display text. Double click to edit."},
            {lblStrShow, "This displays the string you currently have selected."},
        };
        for (const auto& [control, tip] : tips) QCOMPARE(control->toolTip(), tip);
        QCOMPARE(apply->text(), QStringLiteral("&Apply"));
        QCOMPARE(w.find<QPushButton>("cmdCancelStr")->text(), QStringLiteral("&Cancel"));
        QCOMPARE(w.find<QLabel>("lblStringStuff")->text(),
                 QStringLiteral("Click on a string to view it's contents.\nDouble click on a string to edit it."));
        QVERIFY(lstEng1->font() == orvane::ui::gameFont() && text1->font() == orvane::ui::gameFont());

        w.load();
        auto* tabs = w.openPage(5);
        QVERIFY(frmStr->isHidden());
        const ByteImage english = w.image(FileId::English);
        QAbstractItemModel* model = lstEng1->model();
        QAbstractItemModel* model2 = lstEng2->model();
        const int total = model->rowCount();
        const int total2 = model2->rowCount();
        QVERIFY(total > 100 && total2 > 100);
        lstEng2->scrollTo(model2->index(0, 0));
        QApplication::processEvents(); // the page was made as it was shown; now it is laid out
        const QRect listPlace = lstEng2->geometry();
        QTest::mouseClick(lstEng2->viewport(), Qt::LeftButton, {}, lstEng2->visualRect(model2->index(0, 0)).center());
        QCOMPARE(w.find<QLabel>("lblEng2")->text(), QStringLiteral("1"));
        QCOMPARE(lblStrShow->text(), QLatin1Char('\n') + entryText(lstEng2, 0));
        QApplication::processEvents();
        QCOMPARE(lstEng2->geometry(), listPlace); // a string of two lines shown below moves no list

        // The filter, typed in another case, shows the strings holding it; the last of them opens at its real number.
        const QString prefix = QStringLiteral("Research complete: ");
        int last = -1;
        for (int row = 0; row < total; ++row) {
            if (entryText(lstEng1, row).startsWith(prefix)) last = row;
        }
        QVERIFY(last > 0);
        const QString former = entryText(lstEng1, last);
        auto* filter = w.find<QLineEdit>("txtFilterEng1");
        QTest::keyClicks(filter, QStringLiteral("research COMPLETE"));
        const int shown = model->rowCount();
        QVERIFY(shown > 1 && shown < total);
        for (int row = 0; row < shown; ++row)
            QVERIFY(entryText(lstEng1, row).contains(QStringLiteral("research complete"), Qt::CaseInsensitive));
        QCOMPARE(entryText(lstEng1, shown - 1), former);
        doubleClickRow(lstEng1, shown - 1);
        QVERIFY(!frmStr->isHidden());
        QCOMPARE(w.find<QLabel>("lblEng1")->text(), QString::number(last + 1));
        QCOMPARE(text1->text(), former);

        text1->clear();
        QTest::keyClicks(text1, prefix + QStringLiteral("Caf"));
        QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, QStringLiteral("\u00e9"), Qt::NoModifier);
        QTest::keyClicks(text1, QStringLiteral(" closed for the winter"));
        QTest::mouseClick(apply, Qt::LeftButton);
        const QString written = prefix + QStringLiteral("Caf\u00e9 closed for the winter");
        const ByteImage edited = withString(english, last, prefix.toStdString() + "Caf\x82 closed for the winter");
        QVERIFY(w.image(FileId::English) == edited);
        QVERIFY(frmStr->isHidden() && lblStrShow->text().isEmpty());
        QVERIFY(!lstEng1->selectionModel()->hasSelection());
        // The refill keeps the filter; the new text stands at the real string number.
        QCOMPARE(model->rowCount(), shown);
        QCOMPARE(entryText(lstEng1, shown - 1), written);

        // A filter hiding the string is cleared when the change list opens it.
        filter->setText(QStringLiteral("no string holds this"));
        QCOMPARE(model->rowCount(), 0);
        w.trigger("mnuChanges");
        auto* rows = w.find<QTableWidget>("lstChanges");
        QTRY_COMPARE(rows->rowCount(), 1);
        tabs->setCurrentIndex(0);
        doubleClickRow(rows, 0);
        QCOMPARE(tabs->currentIndex(), 5);
        QVERIFY(filter->text().isEmpty());
        QCOMPARE(lstEng1->currentIndex().row(), last);
        QCOMPARE(w.find<QLabel>("lblEng1")->text(), QString::number(last + 1));
        QCOMPARE(text1->text(), written);
        // Cancel closes the edit without a change.
        QTest::mouseClick(w.find<QPushButton>("cmdCancelStr"), Qt::LeftButton);
        QVERIFY(frmStr->isHidden() && text1->text().isEmpty());
        QVERIFY(w.image(FileId::English) == edited);

        // The other list filters on its own; an empty filter shows every string again.
        auto* filter2 = w.find<QLineEdit>("txtFilterEng2");
        filter2->setText(QStringLiteral("no string holds this"));
        QVERIFY(model2->rowCount() == 0 && model->rowCount() == total);
        filter2->clear();
        QCOMPARE(model2->rowCount(), total2);

        w.trigger("mnuSave");
        QVERIFY(readFileBytes(w.gameFile("GEODATA/ENGLISH.DAT")) == edited);
        QVERIFY(readFileBytes(w.gameFile("GEODATA/english.bak")) == english);
        w.trigger("mnuUndo");
        QVERIFY(w.image(FileId::English) == english);
        QCOMPARE(entryText(lstEng1, last), former);
        w.prompts.answerYesNo(false);
        w.trigger("mnuClose");
        QVERIFY(model->rowCount() == 0 && model2->rowCount() == 0);
        QVERIFY(w.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestPages)

#include "tst_Pages.moc"
