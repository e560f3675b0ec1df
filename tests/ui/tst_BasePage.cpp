// The Base Editor page through the main window: change every square through its button and the
// change frame, edit a store amount in the list, Undo, Save, and close the files.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <map>

#include "base/StartingBase.h"
#include "support/ImageDiff.h"
#include "widgets/SampleWindow.h"

using orvane::FileId;
using orvane::test::changedBytes;
using Changes = std::map<std::size_t, std::uint8_t>;

class TestBasePage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void changeSquaresAndAStoreAmountThenUndoAndSave()
    {
        orvane::test::SampleWindow w; // the Collector's Edition
        constexpr std::size_t S = 455134;
        auto* command1 = w.find<QPushButton>("Command1");
        auto* frame = w.find<QGroupBox>("frmChange");
        auto* combo1 = w.find<QComboBox>("Combo1");
        auto* combo2 = w.find<QComboBox>("Combo2");
        auto* apply = w.find<QPushButton>("cmdApply");
        auto* list = w.find<QListWidget>("lstItems");

        // As created: the boxes are filled with their item data, the grid and list are empty and off.
        QCOMPARE(combo1->count(), 21);
        QCOMPARE(combo1->itemData(20).toInt(), 255);
        QCOMPARE(combo1->currentText(), QStringLiteral("Access Lift"));
        QCOMPARE(combo2->count(), 48);
        QCOMPARE(combo2->itemText(47), QStringLiteral("255 Days"));
        QCOMPARE(combo2->currentText(), QStringLiteral("0 Days"));
        QVERIFY(!command1->isEnabled() && command1->text().isEmpty());
        QVERIFY(frame->isHidden());
        QVERIFY(list->count() == 0 && !list->isEnabled());
        QCOMPARE(w.find<QPushButton>("Command36")->font(), command1->font());
        QVERIFY(command1->font().bold() && command1->font().pointSize() == 6);

        const std::string exePath = w.exePath;
        const orvane::ByteImage onDisk = orvane::test::readFileBytes(exePath);
        w.load();
        QCOMPARE(w.find<QLabel>("lblVer")->text(), QStringLiteral("Version: Collector's Edition"));
        QCOMPARE(command1->text(), QStringLiteral("Empty\n255 Days"));
        QCOMPARE(w.find<QPushButton>("Command8")->text(), QStringLiteral("Laboratory\n0 Days"));
        QCOMPARE(list->count(), 84);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Engineers - 10"));

        // CommandN shows its square. Each pick moves both boxes one item from what the
        // click showed, so Apply changes exactly the square's two bytes.
        auto& exe = w.image(FileId::Exe);
        Changes expected;
        for (int n = 1; n <= 36; ++n) {
            const std::size_t square = orvane::base::squareOfButton(n);
            auto* button = w.find<QPushButton>(qPrintable(QStringLiteral("Command%1").arg(n)));
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!frame->isHidden());
            QCOMPARE(combo2->currentIndex(), combo2->findData(exe.at(S + 36 + square)));
            for (QComboBox* box : {combo1, combo2}) QTest::keyClick(box, box->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
            const auto code = static_cast<std::uint8_t>(combo1->currentData().toInt());
            const auto days = static_cast<std::uint8_t>(combo2->currentData().toInt());
            const orvane::ByteImage before = exe;
            QTest::mouseClick(apply, Qt::LeftButton);
            QCOMPARE(changedBytes(before, exe), (Changes{{S + square, code}, {S + 36 + square, days}}));
            expected[S + square] = code;
            expected[S + 36 + square] = days;
            QVERIFY(frame->isHidden());
            QCOMPARE(combo1->currentText(), QStringLiteral("Access Lift"));
            QCOMPARE(combo2->currentText(), QStringLiteral("0 Days"));
        }

        // Cancel closes the frame and writes nothing.
        QTest::mouseClick(command1, Qt::LeftButton);
        QTest::mouseClick(w.find<QPushButton>("cmdCancel"), Qt::LeftButton);
        QVERIFY(frame->isHidden());

        // A store amount: Stingray Launchers, slot 0, low byte first.
        w.prompts.answer("517");
        orvane::test::doubleClickRow(list, 2);
        QCOMPARE(list->item(2)->text(), QStringLiteral("Stingray Launchers - 517"));
        Changes withStore = expected;
        withStore[S + 74] = 5;
        withStore[S + 75] = 2;
        QCOMPARE(changedBytes(onDisk, exe), withStore);

        w.trigger("mnuUndo");
        QCOMPARE(list->item(2)->text(), QStringLiteral("Stingray Launchers - 1"));
        QCOMPARE(changedBytes(onDisk, exe), expected);

        w.trigger("mnuSave");
        QCOMPARE(changedBytes(onDisk, orvane::test::readFileBytes(exePath)), expected);
        QVERIFY(!w.prompts.messages().empty());
        QCOMPARE(w.prompts.messages().back().text, std::string("All files saved."));

        w.trigger("mnuClose");
        QVERIFY(!command1->isEnabled() && command1->text().isEmpty());
        QVERIFY(list->count() == 0 && !list->isEnabled());
        QVERIFY(w.find<QLabel>("lblVer")->text().isEmpty());
        QVERIFY(w.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestBasePage)

#include "tst_BasePage.moc"
