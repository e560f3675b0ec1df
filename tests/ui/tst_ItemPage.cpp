// The Item Editor page through the main window: open an item, edit through its buttons, Undo, Save.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <map>

#include "support/ImageDiff.h"
#include "widgets/SampleWindow.h"

using orvane::FileId;
using orvane::test::changedBytes;
using Changes = std::map<std::size_t, std::uint8_t>;

class TestItemPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void editUndoAndSaveThroughTheWindow()
    {
        orvane::test::SampleWindow w;
        const std::string obdataPath = w.gameFile("GEODATA/OBDATA.DAT");
        const orvane::ByteImage onDisk = orvane::test::readFileBytes(obdataPath);
        auto* list = w.find<QListWidget>("lstItem");
        auto* cmdDamage = w.find<QPushButton>("cmdDamage");
        auto* cmdWeight = w.find<QPushButton>("cmdWeight");
        w.load();
        w.find<QTabWidget>("tabFac")->setCurrentIndex(4);
        QCOMPARE(list->count(), 80);
        QVERIFY(!cmdDamage->isEnabled()); // a load opens no item

        constexpr int Item = 5;
        constexpr std::size_t R = 54 * Item;
        orvane::test::doubleClickRow(list, Item);
        QCOMPARE(w.find<QLabel>("lblIndex")->text(), QStringLiteral("5"));
        QCOMPARE(w.find<QPushButton>("cmdName")->text(), list->item(Item)->text());
        QCOMPARE(cmdDamage->text(), QString::number(onDisk[R + 22]));
        const QString oldWeight = QString::number(onDisk[R + 43]);
        QCOMPARE(cmdWeight->text(), oldWeight);
        QCOMPARE(w.window.session().undoCount(), 0u); // showing the item's options wrote nothing

        w.prompts.answer("42");
        QTest::mouseClick(cmdDamage, Qt::LeftButton);
        QCOMPARE(cmdDamage->text(), QStringLiteral("42"));
        w.prompts.answer("9");
        QTest::mouseClick(cmdWeight, Qt::LeftButton);
        QCOMPARE(cmdWeight->text(), QStringLiteral("9"));
        QCOMPARE(changedBytes(onDisk, w.image(FileId::Obdata)), (Changes{{R + 22, 42}, {R + 43, 9}}));

        w.trigger("mnuUndo");
        QCOMPARE(cmdWeight->text(), oldWeight);
        QCOMPARE(changedBytes(onDisk, w.image(FileId::Obdata)), (Changes{{R + 22, 42}}));

        w.trigger("mnuSave");
        QCOMPARE(changedBytes(onDisk, orvane::test::readFileBytes(obdataPath)), (Changes{{R + 22, 42}}));
        bool allSaved = false;
        for (const auto& box : w.prompts.shown()) allSaved = allSaved || box.text == "All files saved.";
        QVERIFY(allSaved);
        QVERIFY(w.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestItemPage)

#include "tst_ItemPage.moc"
