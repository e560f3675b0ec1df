// Apply Patch File through the File menu: available with open files, the pages show what the
// patch wrote, Undo takes it back file by file, and a file that is no patch is refused.
#include <algorithm>

#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QTabWidget>

#include "samplegame/SampleGame.h"
#include "support/ImageDiff.h"
#include "files/PatchFile.h"
#include "widgets/SampleWindow.h"

class TestApplyPatch : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void aPatchOfAnotherEditionShowsOnThePagesAndUndoesFileByFile()
    {
        using orvane::FileId;
        orvane::test::SampleWindow w(orvane::GameEdition::Dos14);
        auto* apply = w.find<QAction>("mnuApplyPatch");
        QVERIFY(!apply->isEnabled());
        w.load();
        QVERIFY(apply->isEnabled());

        // A patch made on the Collector's Edition with a renamed first item and a shorter first string of ENGLISH2.DAT.
        orvane::GameFileSet source;
        source.edition = orvane::GameEdition::Collectors;
        const auto sample = orvane::sample::makeSampleFiles(source.edition);
        source.image(FileId::Exe) = sample.exe;
        source.image(FileId::Obdata) = sample.obdata;
        source.image(FileId::English) = sample.english;
        source.image(FileId::English2) = sample.english2;
        const std::string renamed = "Patched Blaster";
        std::fill_n(source.image(FileId::Obdata).begin(), 20, std::uint8_t{0});
        std::copy(renamed.begin(), renamed.end(), source.image(FileId::Obdata).begin());
        orvane::ByteImage& english2 = source.image(FileId::English2);
        const std::string rank = "Patched rank";
        english2.erase(english2.begin(), std::find(english2.begin(), english2.end(), std::uint8_t{0}));
        english2.insert(english2.begin(), rank.begin(), rank.end());
        const std::string path = w.gameFile("mod.qev");
        orvane::test::writeFileBytes(path, orvane::buildPatchFile(source).value());

        const orvane::ByteImage exeBefore = w.image(FileId::Exe);
        w.prompts.answerFile(path);
        apply->trigger();
        QVERIFY(w.prompts.messages().empty());
        auto* list = w.find<QListWidget>("lstItem");
        QCOMPARE(list->item(0)->text(), QString::fromStdString(renamed));
        QAbstractItemModel* strings2 = w.find<QListView>("lstEng2")->model();
        const QString firstString = QString::fromStdString(rank);
        QCOMPARE(strings2->index(0, 0).data().toString(), firstString);
        QCOMPARE(w.window.session().undoCount(), 3u); // OBDATA.DAT, ENGLISH2.DAT, the executable's differing filler
        QVERIFY(w.find<QAction>("mnuSave")->isEnabled());

        w.trigger("mnuUndo"); // OBDATA.DAT was written last
        QVERIFY(list->item(0)->text() != QString::fromStdString(renamed));
        w.trigger("mnuUndo");
        QVERIFY(strings2->index(0, 0).data().toString() != firstString);
        w.trigger("mnuUndo");
        QCOMPARE(w.image(FileId::Exe), exeBefore);

        // A file that is not a patch: the reason is shown and nothing changes.
        const std::string junk = w.gameFile("junk.qev");
        orvane::test::writeFileBytes(junk, orvane::ByteImage(20'000, 0x01));
        w.prompts.clearShown();
        w.prompts.answerFile(junk);
        apply->trigger();
        QCOMPARE(w.prompts.messages().size(), std::size_t{1});
        QCOMPARE(w.prompts.messages()[0].title, std::string("Patch not applied"));
        QCOMPARE(w.image(FileId::Exe), exeBefore);
        QCOMPARE(w.window.session().undoCount(), 0u);
        QVERIFY(w.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestApplyPatch)

#include "tst_ApplyPatch.moc"
