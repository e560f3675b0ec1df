// The Soldier Names page through its lists: a double click edits a name, Undo brings it back.
#include <QLabel>
#include <QTabWidget>

#include "support/ImageDiff.h"
#include "ui/GameFont.h"
#include "widgets/SampleWindow.h"

using orvane::FileId;

class TestNamesPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void editsAFirstNameByDoubleClickThenUndoesIt()
    {
        orvane::test::SampleWindow sample(orvane::GameEdition::Dos12);
        auto* first = sample.find<QListWidget>("lstFirst");
        auto* last = sample.find<QListWidget>("lstLast");
        QCOMPARE(first->font(), orvane::ui::gameFont());
        QCOMPARE(sample.find<QLabel>("lblName")->text(),
                 QStringLiteral("This is a list of all the default soldier names. Double Click to edit.\n"
                                "I suggest using the same sex as the first name already is or you'll have men "
                                "with women's names and vice versa."));
        sample.load();
        QCOMPARE(first->count(), 120);
        QCOMPARE(last->count(), 120);
        sample.find<QTabWidget>("tabFac")->setCurrentIndex(2);

        auto& exe = sample.image(FileId::Exe);
        const orvane::ByteImage loaded = exe;
        const QString oldName = first->item(4)->text();
        last->setCurrentRow(7);
        sample.prompts.answer("Zed");
        orvane::test::doubleClickRow(first, 4);
        // Only the edited list is refilled: the other keeps its selection.
        QCOMPARE(last->currentRow(), 7);
        QVERIFY(last->item(7)->isSelected());
        QCOMPARE(sample.prompts.shown().at(0).defaultText, oldName.toStdString());
        QCOMPARE(first->item(4)->text(), QStringLiteral("Zed"));
        const std::size_t slot = 390544 + 11 * 4;
        std::map<std::size_t, std::uint8_t> expected;
        const std::uint8_t written[11] = {'Z', 'e', 'd'};
        for (std::size_t i = 0; i < 11; ++i) {
            if (loaded.at(slot + i) != written[i]) expected[slot + i] = written[i];
        }
        QVERIFY(orvane::test::changedBytes(loaded, exe) == expected);

        sample.trigger("mnuUndo");
        QVERIFY(exe == loaded);
        QCOMPARE(first->item(4)->text(), oldName);

        sample.prompts.answerYesNo(false);
        sample.trigger("mnuClose");
        QCOMPARE(first->count(), 0);
        QCOMPARE(last->count(), 0);
        QVERIFY(sample.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestNamesPage)

#include "tst_NamesPage.moc"
