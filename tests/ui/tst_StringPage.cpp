// The String Editor page through its controls: click, double click, edit, Apply, Undo and Save.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <string>

#include "support/ImageDiff.h"
#include "ui/GameFont.h"
#include "widgets/SampleWindow.h"

using orvane::FileId;

namespace {

QString entryText(QListView* list, int row)
{
    return list->model()->index(row, 0).data().toString();
}

QPoint entryCentre(QListView* list, int row)
{
    const QModelIndex entry = list->model()->index(row, 0);
    list->scrollTo(entry);
    return list->visualRect(entry).center();
}

// The table with string `index` (0-based) replaced by `bytes`, counted out independently of the editor.
orvane::ByteImage withString(const orvane::ByteImage& table, int index, const std::string& bytes)
{
    auto begin = table.begin();
    for (int k = 0; k < index; ++k) begin = std::find(begin, table.end(), 0) + 1;
    const auto terminator = std::find(begin, table.end(), 0);
    orvane::ByteImage result(table.begin(), begin);
    result.insert(result.end(), bytes.begin(), bytes.end());
    result.insert(result.end(), terminator, table.end());
    return result;
}

} // namespace

class TestStringPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void editsAStringOfAnyLengthThenUndoesAndSaves()
    {
        orvane::test::SampleWindow sample(orvane::GameEdition::Collectors);
        auto* lstEng1 = sample.find<QListView>("lstEng1");
        auto* lstEng2 = sample.find<QListView>("lstEng2");
        auto* frmStr = sample.find<QGroupBox>("frmStr");
        auto* text1 = sample.find<QLineEdit>("Text1");
        auto* apply = sample.find<QPushButton>("cmdApplyStr");
        auto* lblStrShow = sample.find<QLabel>("lblStrShow");
        QCOMPARE(apply->text(), QStringLiteral("&Apply"));
        QCOMPARE(sample.find<QPushButton>("cmdCancelStr")->text(), QStringLiteral("&Cancel"));
        QCOMPARE(sample.find<QLabel>("lblStringStuff")->text(),
                 QStringLiteral("Click on a string to view it's contents.\nDouble click on a string to edit it."));
        QCOMPARE(lstEng1->toolTip(),
                 QStringLiteral("A list of strings in English.dat. Click to display text. Double click to edit."));
        QCOMPARE(lstEng2->toolTip(),
                 QStringLiteral("A list of strings in English2.dat. Click to display text. Double click to edit."));
        QCOMPARE(lblStrShow->toolTip(), QStringLiteral("This displays the string you currently have selected."));
        QCOMPARE(lstEng1->font(), orvane::ui::gameFont());
        QCOMPARE(text1->font(), orvane::ui::gameFont());
        QCOMPARE(lstEng1->model()->rowCount(), 0);

        sample.load();
        sample.find<QTabWidget>("tabFac")->setCurrentIndex(5);
        QVERIFY(frmStr->isHidden());
        const orvane::ByteImage english = sample.image(FileId::English);
        const int rows = lstEng1->model()->rowCount();
        QVERIFY(rows > 100);
        QVERIFY(lstEng2->model()->rowCount() > 100);

        QTest::mouseClick(lstEng2->viewport(), Qt::LeftButton, {}, entryCentre(lstEng2, 0));
        QCOMPARE(sample.find<QLabel>("lblEng2")->text(), QStringLiteral("1"));
        QCOMPARE(lblStrShow->text(), QLatin1Char('\n') + entryText(lstEng2, 0));

        // Open string 4 of ENGLISH.DAT, replace it by a longer text and apply.
        const QString former = entryText(lstEng1, 3);
        const QString next = entryText(lstEng1, 4);
        orvane::test::doubleClickRow(lstEng1, 3);
        QVERIFY(!frmStr->isHidden());
        QCOMPARE(text1->text(), former);
        text1->clear();
        QTest::keyClicks(text1, QStringLiteral("Caf"));
        QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, QStringLiteral("\u00e9"), Qt::NoModifier);
        QTest::keyClicks(text1, QStringLiteral(" closed for the winter"));
        QTest::mouseClick(apply, Qt::LeftButton);
        QVERIFY(frmStr->isHidden());
        QCOMPARE(lblStrShow->text(), QString());
        QCOMPARE(lstEng1->model()->rowCount(), rows);
        QCOMPARE(entryText(lstEng1, 3), QStringLiteral("Caf\u00e9 closed for the winter"));
        QCOMPARE(entryText(lstEng1, 4), next);
        QVERIFY(!lstEng1->selectionModel()->hasSelection());
        QVERIFY(sample.image(FileId::English) == withString(english, 3, "Caf\x82 closed for the winter"));

        sample.trigger("mnuUndo");
        QVERIFY(sample.image(FileId::English) == english);
        QCOMPARE(entryText(lstEng1, 3), former);

        // Cancel closes the edit without a change.
        orvane::test::doubleClickRow(lstEng1, 3);
        QTest::mouseClick(sample.find<QPushButton>("cmdCancelStr"), Qt::LeftButton);
        QVERIFY(frmStr->isHidden());
        QCOMPARE(text1->text(), QString());

        orvane::test::doubleClickRow(lstEng1, 3);
        QTest::keyClicks(text1, QStringLiteral("!"));
        QTest::mouseClick(apply, Qt::LeftButton);
        const orvane::ByteImage saved = withString(english, 3, former.toStdString() + "!");
        QVERIFY(sample.image(FileId::English) == saved);
        sample.trigger("mnuSave");
        QVERIFY(orvane::test::readFileBytes(sample.gameFile("GEODATA/ENGLISH.DAT")) == saved);
        QVERIFY(orvane::test::readFileBytes(sample.gameFile("GEODATA/english.bak")) == english);

        sample.trigger("mnuClose");
        QCOMPARE(lstEng1->model()->rowCount(), 0);
        QCOMPARE(lstEng2->model()->rowCount(), 0);
        QVERIFY(sample.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestStringPage)

#include "tst_StringPage.moc"
