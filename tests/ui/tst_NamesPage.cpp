// The Soldier Names page: its lists and hint, a first name given by a double click, Undo and Close files.
#include <algorithm>

#include "ui/GameFont.h"
#include "widgets/PageWindow.h"

namespace orvane::test {
namespace {

// DOS 1.2 with the Soldier Names page shown.
struct NamesPage : PageWindow {
    explicit NamesPage(Loading loading = Loading::Load) : PageWindow(2, GameEdition::Dos12, loading) {}

    // The eighth last name chosen, then the fifth first name renamed Zed by a double click.
    void renameFifthFirstName()
    {
        last->setCurrentRow(7);
        prompts.answer("Zed");
        doubleClickRow(first, 4);
    }

    QListWidget* first = find<QListWidget>("lstFirst");
    QListWidget* last = find<QListWidget>("lstLast");
};

} // namespace

class TestNamesPage : public QObject {
    Q_OBJECT

private slots:
    void theNamesAreInTheGameFont()
    {
        NamesPage w(Loading::NoLoad);
        QCOMPARE(w.first->font(), orvane::ui::gameFont());
    }

    void theHintTellsHowToEditAName()
    {
        NamesPage w(Loading::NoLoad);
        QCOMPARE(w.find<QLabel>("lblName")->text(),
                 QStringLiteral("This is a list of all the default soldier names. Double Click to edit.\n"
                                "I suggest using the same sex as the first name already is or you'll have men "
                                "with women's names and vice versa."));
    }

    void aLoadFillsBothLists()
    {
        NamesPage w;
        QVERIFY(w.first->count() == 120 && w.last->count() == 120);
    }

    void aDoubleClickedNameIsWrittenZeroFilledToItsSlot()
    {
        NamesPage w;
        const ByteImage loaded = w.image(FileId::Exe);
        w.renameFifthFirstName();
        QCOMPARE(w.first->item(4)->text(), QStringLiteral("Zed"));
        constexpr std::ptrdiff_t slot = 390544 + 11 * 4;
        ByteImage expected = loaded; // the name, then zeros to the end of its 11-byte slot
        std::fill_n(expected.begin() + slot, 11, std::uint8_t{0});
        std::copy_n("Zed", 3, expected.begin() + slot);
        QCOMPARE(changedBytes(loaded, w.image(FileId::Exe)), changedBytes(loaded, expected));
    }

    // The other list keeps its selection.
    void anEditRefillsOnlyItsOwnList()
    {
        NamesPage w;
        w.renameFifthFirstName();
        QVERIFY(w.last->currentRow() == 7 && w.last->item(7)->isSelected());
    }

    void undoBringsBackTheOldName()
    {
        NamesPage w;
        const ByteImage loaded = w.image(FileId::Exe);
        const QString oldName = w.first->item(4)->text();
        w.renameFifthFirstName();
        w.trigger("mnuUndo");
        QVERIFY(w.image(FileId::Exe) == loaded);
        QCOMPARE(w.first->item(4)->text(), oldName);
    }

    void closeFilesEmptiesBothLists()
    {
        NamesPage w;
        w.trigger("mnuClose");
        QVERIFY(w.first->count() == 0 && w.last->count() == 0);
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestNamesPage)

#include "tst_NamesPage.moc"
