// The Soldier Names page: its lists and hint, a first name given by a double click, Undo and Close files.
#include <algorithm>

#include "ui/GameFont.h"
#include "widgets/PageWindow.h"

namespace orvane::test {

// DOS 1.2 with the Soldier Names page shown.
struct NamesPage : PageWindow {
    explicit NamesPage(Loading loading = Loading::Load) : PageWindow(2, GameEdition::Dos12, loading) {}

    QListWidget* first = find<QListWidget>("lstFirst");
    QListWidget* last = find<QListWidget>("lstLast");
};

class TestNamesPage : public QObject {
    Q_OBJECT

private slots:
    void theHintAndFontThenADoubleClickedNameWrittenToItsSlotUntilUndo()
    {
        NamesPage w(Loading::NoLoad);
        QCOMPARE(w.first->font(), orvane::ui::gameFont());
        QCOMPARE(w.find<QLabel>("lblName")->text(),
                 QStringLiteral("This is a list of all the default soldier names. Double Click to edit.\n"
                                "I suggest using the same sex as the first name already is or you'll have men "
                                "with women's names and vice versa."));
        // Only the edited list is refilled: the other keeps its selection. Close files empties both.
        w.loadPage();
        QVERIFY(w.first->count() == 120 && w.last->count() == 120);
        const ByteImage loaded = w.image(FileId::Exe);
        const QString oldName = w.first->item(4)->text();
        w.last->setCurrentRow(7);
        w.prompts.answer("Zed");
        doubleClickRow(w.first, 4);
        QCOMPARE(w.first->item(4)->text(), QStringLiteral("Zed"));
        QVERIFY(w.last->currentRow() == 7 && w.last->item(7)->isSelected());
        constexpr std::ptrdiff_t slot = 390544 + 11 * 4;
        ByteImage expected = loaded; // the name, then zeros to the end of its 11-byte slot
        std::fill_n(expected.begin() + slot, 11, std::uint8_t{0});
        std::copy_n("Zed", 3, expected.begin() + slot);
        QCOMPARE(changedBytes(loaded, w.image(FileId::Exe)), changedBytes(loaded, expected));
        w.trigger("mnuUndo");
        QVERIFY(w.image(FileId::Exe) == loaded);
        QCOMPARE(w.first->item(4)->text(), oldName);
        w.prompts.answerNo(); // Save? after the undone edit
        w.trigger("mnuClose");
        QVERIFY(w.first->count() == 0 && w.last->count() == 0);
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestNamesPage)

#include "tst_NamesPage.moc"
