// The String Editor page: a filtered string lengthened keeps its number through Apply, list, Save, Undo.
#include <algorithm>

#include "ui/GameFont.h"
#include "widgets/PageWindow.h"

namespace orvane::test {

const QString Prefix = QStringLiteral("Research complete: ");
const QString Written = Prefix + QStringLiteral("Caf\u00e9 closed for the winter");

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

// The Collector's Edition on the String page; `last` is ENGLISH.DAT's last string starting with Prefix.
struct StringPage : PageWindow {
    explicit StringPage(Loading loading = Loading::Load) : PageWindow(5, GameEdition::Collectors, loading) {}

    // The filter typed afresh in another case, then the last string it shows opened: how many it shows.
    int openThroughFilter()
    {
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("research COMPLETE"));
        doubleClickRow(lstEng1, model->rowCount() - 1);
        return model->rowCount();
    }
    // That string retyped as Written, its é typed as a key of its own, then Apply: the number shown.
    int applyWritten()
    {
        const int shown = openThroughFilter();
        text1->clear();
        QTest::keyClicks(text1, Prefix + QStringLiteral("Caf"));
        QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, QStringLiteral("\u00e9"), Qt::NoModifier);
        QTest::keyClicks(text1, QStringLiteral(" closed for the winter"));
        click("cmdApplyStr");
        return shown;
    }

    QListView* lstEng1 = find<QListView>("lstEng1");
    QListView* lstEng2 = find<QListView>("lstEng2");
    QAbstractItemModel* model = lstEng1->model();
    QAbstractItemModel* model2 = lstEng2->model();
    QGroupBox* frmStr = find<QGroupBox>("frmStr");
    QLineEdit* text1 = find<QLineEdit>("Text1");
    QLabel* lblStrShow = find<QLabel>("lblStrShow");
    QLineEdit* filter = find<QLineEdit>("txtFilterEng1");
    const ByteImage english = image(FileId::English);
    const int total = model->rowCount();
    const int last = [this] {
        int found = -1;
        for (int row = 0; row < total; ++row) found = entryText(lstEng1, row).startsWith(Prefix) ? row : found;
        return found;
    }();
    const QString former = last < 0 ? QString() : entryText(lstEng1, last);
    const ByteImage edited = withString(english, last, Prefix.toStdString() + "Caf\x82 closed for the winter");
};

class TestStringPage : public QObject {
    Q_OBJECT

private slots:
    void theListsAndButtonsHaveTheirTipsCaptionsAndTheGameFont()
    {
        StringPage w(Loading::NoLoad);
        const std::pair<QWidget*, QString> tips[] = {
            {w.lstEng1, "A list of strings in English.dat. Click to display text. Double click to edit."},
            {w.lstEng2, "A list of strings in English2.dat. Click to display text. Double click to edit."},
            {w.lblStrShow, "This displays the string you currently have selected."},
        };
        for (const auto& [control, tip] : tips) QCOMPARE(control->toolTip(), tip);
        QCOMPARE(w.find<QPushButton>("cmdApplyStr")->text(), QStringLiteral("&Apply"));
        QCOMPARE(w.find<QPushButton>("cmdCancelStr")->text(), QStringLiteral("&Cancel"));
        QCOMPARE(w.find<QLabel>("lblStringStuff")->text(),
                 QStringLiteral("Click on a string to view it's contents.\nDouble click on a string to edit it."));
        QVERIFY(w.lstEng1->font() == orvane::ui::gameFont() && w.text1->font() == orvane::ui::gameFont());
    }

    void aClickShowsAStringTheFilterOpensTheRealOneCancelAndApply()
    {
        StringPage w;
        QVERIFY(w.frmStr->isHidden());
        QVERIFY(w.total > 100 && w.model2->rowCount() > 100);
        w.lstEng2->scrollTo(w.model2->index(0, 0));
        QApplication::processEvents(); // the page was made as it was shown; now it is laid out
        const QRect listPlace = w.lstEng2->geometry();
        QTest::mouseClick(w.lstEng2->viewport(), Qt::LeftButton, {},
                          w.lstEng2->visualRect(w.model2->index(0, 0)).center());
        QCOMPARE(w.find<QLabel>("lblEng2")->text(), QStringLiteral("1"));
        QCOMPARE(w.lblStrShow->text(), QLatin1Char('\n') + entryText(w.lstEng2, 0));
        QApplication::processEvents();
        QCOMPARE(w.lstEng2->geometry(), listPlace);

        // The filter shows the strings holding it in any case and opens the real one.
        QVERIFY(w.last > 0);
        const int shown = w.openThroughFilter();
        QVERIFY(shown > 1 && shown < w.total);
        for (int row = 0; row < shown; ++row)
            QVERIFY(entryText(w.lstEng1, row).contains(QStringLiteral("research complete"), Qt::CaseInsensitive));
        QCOMPARE(entryText(w.lstEng1, shown - 1), w.former);
        QVERIFY(!w.frmStr->isHidden());
        QCOMPARE(w.find<QLabel>("lblEng1")->text(), QString::number(w.last + 1));
        QCOMPARE(w.text1->text(), w.former);

        // The second list filters on its own until its filter is emptied.
        const int total2 = w.model2->rowCount();
        auto* filter2 = w.find<QLineEdit>("txtFilterEng2");
        filter2->setText(QStringLiteral("no string holds this"));
        QVERIFY(w.model2->rowCount() == 0 && w.model->rowCount() == shown);
        filter2->clear();
        QCOMPARE(w.model2->rowCount(), total2);
        // Apply writes the code page's bytes; the refill keeps the filter, the new text at the real number.
        QTest::keyClicks(w.text1, QStringLiteral(" and more"));
        w.click("cmdCancelStr");
        QVERIFY(w.frmStr->isHidden() && w.text1->text().isEmpty());
        QVERIFY(w.image(FileId::English) == w.english);
        QCOMPARE(w.applyWritten(), shown);
        QVERIFY(w.image(FileId::English) == w.edited);
        QVERIFY(w.frmStr->isHidden() && w.lblStrShow->text().isEmpty());
        QVERIFY(!w.lstEng1->selectionModel()->hasSelection());
        QCOMPARE(w.model->rowCount(), shown);
        QCOMPARE(entryText(w.lstEng1, shown - 1), Written);
    }

    // Save keeps the file as loaded in a backup; Close files (Save? answered No) empties both lists.
    void theChangeListOpensAStringItsFilterHidesThenSaveUndoAndClose()
    {
        StringPage w;
        w.applyWritten();
        w.filter->setText(QStringLiteral("no string holds this"));
        QCOMPARE(w.model->rowCount(), 0);
        auto* rows = w.showChanges();
        QTRY_COMPARE(rows->rowCount(), 1);
        w.openFirstChange(rows);
        QVERIFY(w.filter->text().isEmpty());
        QCOMPARE(w.lstEng1->currentIndex().row(), w.last);
        QCOMPARE(w.find<QLabel>("lblEng1")->text(), QString::number(w.last + 1));
        QCOMPARE(w.text1->text(), Written);
        w.click("cmdCancelStr");
        w.trigger("mnuSave");
        QVERIFY(readFileBytes(w.gameFile("GEODATA/ENGLISH.DAT")) == w.edited);
        QVERIFY(readFileBytes(w.gameFile("GEODATA/english.bak")) == w.english);
        w.trigger("mnuUndo");
        QVERIFY(w.image(FileId::English) == w.english);
        w.filter->clear();
        QCOMPARE(entryText(w.lstEng1, w.last), w.former);
        w.prompts.answerNo();
        w.trigger("mnuClose");
        QVERIFY(w.model->rowCount() == 0 && w.model2->rowCount() == 0);
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestStringPage)

#include "tst_StringPage.moc"
