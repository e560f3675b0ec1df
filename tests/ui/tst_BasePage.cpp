// The Base Editor page: the squares' picks and the store amounts; the captions at larger fonts.
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <functional>

#include "base/StartingBase.h"
#include "widgets/PageWindow.h"

namespace orvane::test {

constexpr std::size_t S = 455134; // the squares' facilities, then their days, then the stores

// The Collector's Edition with the Base Editor page shown.
struct BasePage : PageWindow {
    explicit BasePage(Loading loading = Loading::Load) : PageWindow(0, GameEdition::Collectors, loading) {}

    QPushButton* square(int n) { return find<QPushButton>(qPrintable(QStringLiteral("Command%1").arg(n))); }
    ByteImage& exe() { return image(FileId::Exe); }
    // The boxes as Apply, Cancel and Close files leave them: their first entries shown, `selected` chosen.
    void expectBoxesReset(int selected)
    {
        QCOMPARE(combo1->currentText(), QStringLiteral("Access Lift"));
        QCOMPARE(combo2->currentText(), QStringLiteral("0 Days"));
        QVERIFY(combo1->currentIndex() == selected && combo2->currentIndex() == selected);
    }
    // On square n, open: each box moved one item from what the click showed, then Apply: the changes due.
    Changes applyOtherPicks(int n)
    {
        for (QComboBox* box : {combo1, combo2})
            QTest::keyClick(box, box->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
        const std::size_t at = S + orvane::base::squareOfButton(n);
        const Changes picked{{at, static_cast<std::uint8_t>(combo1->currentData().toInt())},
                             {at + 36, static_cast<std::uint8_t>(combo2->currentData().toInt())}};
        click("cmdApply");
        return picked;
    }

    QPushButton* command1 = find<QPushButton>("Command1");
    QGroupBox* frame = find<QGroupBox>("frmChange");
    QComboBox* combo1 = find<QComboBox>("Combo1");
    QComboBox* combo2 = find<QComboBox>("Combo2");
    QListWidget* list = find<QListWidget>("lstItems");
};

class TestBasePage : public QObject {
    Q_OBJECT

private slots:
    void theBoxesBeforeALoadThenApplyWritesTheTwoBytesOfEverySquare()
    {
        BasePage w(Loading::NoLoad);
        QVERIFY(w.combo1->count() == 21 && w.combo1->itemData(20).toInt() == 255);
        QVERIFY(w.combo2->count() == 48 && w.combo2->itemText(47) == QStringLiteral("255 Days"));
        w.expectBoxesReset(-1);
        QVERIFY(w.frame->isHidden());
        QCOMPARE(w.square(36)->font(), w.command1->font());
        QVERIFY(w.command1->font().bold() && w.command1->font().pointSize() == 6);
        // Each square opens the frame on its own days and writes its own two bytes; Apply closes the frame.
        w.loadPage();
        for (int n = 1; n <= 36; ++n) {
            QTest::mouseClick(w.square(n), Qt::LeftButton);
            QVERIFY(!w.frame->isHidden());
            const std::size_t days = S + 36 + orvane::base::squareOfButton(n);
            QCOMPARE(w.combo2->currentIndex(), w.combo2->findData(w.exe().at(days)));
            const ByteImage before = w.exe();
            const Changes picked = w.applyOtherPicks(n);
            QCOMPARE(changedBytes(before, w.exe()), picked);
            QVERIFY(w.frame->isHidden());
            w.expectBoxesReset(0);
        }
        // Cancel closes the frame and writes nothing.
        const ByteImage before = w.exe();
        w.click("Command1");
        QTest::keyClick(w.combo1, Qt::Key_Down);
        w.click("cmdCancel");
        QVERIFY(w.frame->isHidden() && w.exe() == before);
    }

    // A cancelled amount still rebuilds the list at its top. Stingray Launchers are store slot 0.
    void aStoreAmountIsAskedByDoubleClickOrEnterAndWrittenToItsSlot()
    {
        BasePage w;
        for (const bool byEnter : {false, true}) {
            w.prompts.answer(std::nullopt);
            w.list->setCurrentRow(83);
            if (byEnter)
                QTest::keyClick(w.list, Qt::Key_Return);
            else
                doubleClickRow(w.list, 83);
            QVERIFY(w.prompts.scriptUsed());
            QVERIFY(w.list->verticalScrollBar()->value() == 0 && !w.list->currentItem());
        }
        w.prompts.answer("517");
        doubleClickRow(w.list, 2);
        QCOMPARE(w.list->item(2)->text(), QStringLiteral("Stingray Launchers - 517"));
        QCOMPARE(changedBytes(w.exeOnDisk(), w.exe()), (Changes{{S + 74, 5}, {S + 75, 2}}));
    }

    // A load fills the squares and the stores; Close files empties them.
    void undoTakesBackTheStoreAmountAndSaveWritesTheSquare()
    {
        BasePage w;
        QCOMPARE(w.command1->text(), QStringLiteral("Empty\n255 Days"));
        QCOMPARE(w.list->count(), 84);
        QCOMPARE(w.list->item(0)->text(), QStringLiteral("Engineers - 10"));
        const ByteImage onDisk = w.exeOnDisk();
        w.click("Command1");
        const Changes squareChanges = w.applyOtherPicks(1);
        w.prompts.answer("517");
        doubleClickRow(w.list, 2);
        w.trigger("mnuUndo");
        QCOMPARE(w.list->item(2)->text(), QStringLiteral("Stingray Launchers - 1"));
        QCOMPARE(changedBytes(onDisk, w.exe()), squareChanges);
        w.trigger("mnuSave");
        QCOMPARE(changedBytes(onDisk, w.exeOnDisk()), squareChanges);
        w.trigger("mnuClose");
        QVERIFY(!w.command1->isEnabled() && w.command1->text().isEmpty());
        QVERIFY(w.list->count() == 0 && !w.list->isEnabled());
    }

    // Every facility name on a square, at the squares' font and one and two points larger: a line never
    // runs past the button's content area; a name too wide goes on at a space.
    void captionsAndTheStoresHintFitAtLargerFontsToo()
    {
        BasePage w(Loading::NoLoad);
        ByteImage exe = w.exeOnDisk();
        const auto& codes = orvane::base::facilityChoices();
        std::copy(codes.begin(), codes.end(), exe.begin() + S);
        writeFileBytes(w.exePath, exe);
        w.loadPage();
        QCOMPARE(w.square(32)->text(), QStringLiteral("Fusion Ball\nDefense\n255 Days"));
        QCOMPARE(w.square(21)->text(), QStringLiteral("Hyper-wave\nDecoder\n0 Days"));
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
        // The stores hint keeps its heights for the widths its layout asks; after its text or font changes
        // it answers as a plain word-wrapped label does.
        auto* hint = w.find<QLabel>("Label2");
        QLabel plain;
        plain.setWordWrap(true);
        QFont larger = hint->font();
        larger.setPointSize(larger.pointSize() + 5);
        const std::function<void()> changes[] = {
            [] {}, [&] { hint->setText(hint->text() + QStringLiteral(" A second sentence makes it wrap further.")); },
            [&] { hint->setFont(larger); }};
        for (const auto& change : changes) {
            change();
            plain.setText(hint->text());
            plain.setFont(hint->font());
            for (const int width : {60, 150, 400}) QCOMPARE(hint->heightForWidth(width), plain.heightForWidth(width));
        }
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestBasePage)

#include "tst_BasePage.moc"
