// The test plays another program writing the open game's files while the editor holds edits of its own.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "files/Checksum.h"
#include "files/GameLock.h"
#include "files/WriteJournal.h"
#include "support/DiskTree.h"
#include "support/FieldPlace.h"
#include "support/ImageDiff.h"
#include "ui/DiskChangedBar.h"
#include "widgets/SampleWindow.h"

namespace orvane::test {
namespace {

constexpr auto Edition = GameEdition::Collectors;
constexpr int BarWaitMs = 3000;

// Time Units of the first unit: what the editor changes. Health of the second: what the other program changes.
const std::size_t OurTimeUnits = placeOf(Edition, changes::PageId::Units, 0, "Time Units:").at;
const std::size_t TheirHealth = placeOf(Edition, changes::PageId::Units, 1, "Health:").at;

// The other program: the whole file written beside the game file and renamed over it.
void writeAsAnotherProgram(const std::string& path, const ByteImage& bytes)
{
    const std::filesystem::path temporary = path + ".apply-tmp";
    writeFileBytes(temporary, bytes);
    std::filesystem::rename(temporary, path);
}

// The other program sets the second unit's Health in the executable on disk; answers the new file.
ByteImage setTheirHealth(const std::string& exePath, std::uint8_t health)
{
    ByteImage bytes = readFileBytes(exePath);
    bytes.at(TheirHealth) = health;
    writeAsAnotherProgram(exePath, bytes);
    return bytes;
}

bool barShown(SampleWindow& game)
{
    const auto* bar = game.window.findChild<ui::DiskChangedBar*>(QStringLiteral("barDiskChanged"));
    return bar != nullptr && bar->isVisible();
}

} // namespace

class TestDiskChanges : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void saveAsksBeforeWritingOverAnotherProgramsChange()
    {
        SampleWindow game(Edition);
        game.load();
        const ByteImage loaded = readFileBytes(game.exePath);
        const std::uint8_t theirs = static_cast<std::uint8_t>(loaded.at(TheirHealth) + 7);
        game.editTimeUnits(0, "8");
        const ByteImage onDisk = setTheirHealth(game.exePath, theirs);
        QVERIFY(QTest::qWaitFor([&] { return barShown(game); }, BarWaitMs));
        const auto treeBefore = filesUnder(game.dir.path());

        // Cancel writes nothing, not even a backup, and keeps the edit to be saved later.
        game.prompts.clearShown();
        game.prompts.answerChoice("Cancel");
        game.trigger("mnuSave");
        QCOMPARE(game.prompts.shown().size(), std::size_t{1});
        const auto& box = game.prompts.shown().front();
        QCOMPARE(box.kind, std::string("choice"));
        QCOMPARE(box.title, std::string("Files changed on disk"));
        QVERIFY2(box.text.find(game.exePath) != std::string::npos, box.text.c_str());
        QVERIFY2(box.text.find("ENGLISH.DAT") == std::string::npos, box.text.c_str()); // only the changed file
        QCOMPARE(treeDifferences(treeBefore, filesUnder(game.dir.path())), std::string());
        QCOMPARE(changedBytes(loaded, game.image(FileId::Exe)), (Changes{{OurTimeUnits, 8}}));
        QVERIFY(game.find<QAction>("mnuSave")->isEnabled());
        QVERIFY(game.window.isWindowModified());
        QVERIFY(barShown(game)); // their change is still unsettled

        // Keep Both puts the edit on top of the other program's file and saves both.
        game.prompts.clearShown();
        game.prompts.answerChoice("Keep Both");
        game.trigger("mnuSave");
        QVERIFY(game.prompts.scriptUsed());
        QCOMPARE(game.prompts.messages().back().text, std::string("All files saved."));
        const ByteImage saved = readFileBytes(game.exePath);
        QCOMPARE(changedBytes(loaded, saved), (Changes{{OurTimeUnits, 8}, {TheirHealth, theirs}}));
        QCOMPARE(game.image(FileId::Exe), saved);
        QVERIFY(!game.window.isWindowModified());
        QVERIFY(!game.find<QAction>("mnuSave")->isEnabled());
        QVERIFY(!barShown(game));
        // The backup holds what was on disk before this save: the other program's file.
        QCOMPARE(readFileBytes(game.exePath + ".bak"), onDisk);

        // Nothing changed since: the next Save asks nothing.
        game.prompts.clearShown();
        game.editTimeUnits(0, "9");
        game.trigger("mnuSave");
        QCOMPARE(game.prompts.messages().back().text, std::string("All files saved."));
        QVERIFY(game.prompts.unexpected().empty());
        QTest::qWait(1000); // this program's own writes are not another program's
        QVERIFY(!barShown(game));
    }

    // The load finishes an interrupted save and says so; then the bar tells another program's change.
    void theLoadFinishesAnInterruptedSaveAndTheBarTellsAnotherProgramsChange()
    {
        SampleWindow game(Edition);
        // A writer died after its journal and before its rename: the new executable waits beside the old.
        ByteImage newExe = readFileBytes(game.exePath);
        newExe.at(TheirHealth) = static_cast<std::uint8_t>(newExe.at(TheirHealth) + 3);
        const auto temporary = game.fs.writeTemporary(game.exePath, newExe);
        QVERIFY(temporary.has_value());
        const std::string journal = formatJournal({{*temporary, game.exePath, newExe.size(), checksumOf(newExe)}});
        writeFileBytes(gameJournalPath(game.exePath), ByteImage(journal.begin(), journal.end()));

        game.prompts.answerFile(game.exePath);
        game.trigger("mnuOpen");
        QCOMPARE(labelText("lblComp"), QStringLiteral("All files loaded successfully!"));
        const auto told = game.prompts.messages();
        QCOMPARE(told.size(), std::size_t{1});
        QCOMPARE(told.front().title, std::string("Interrupted save"));
        QCOMPARE(told.front().text, std::string("An interrupted save was finished: QEV.EXE."));
        QCOMPARE(game.image(FileId::Exe), newExe);
        QCOMPARE(readFileBytes(game.exePath), newExe);
        QVERIFY(!std::filesystem::exists(*temporary));
        QVERIFY(!std::filesystem::exists(gameJournalPath(game.exePath)));
        QVERIFY(!barShown(game));
        const ByteImage& loaded = newExe;
        const auto theirs = [&](int step) { return static_cast<std::uint8_t>(loaded.at(TheirHealth) + step); };
        game.editTimeUnits(0, "8");
        game.prompts.clearShown();

        setTheirHealth(game.exePath, theirs(1));
        QVERIFY(QTest::qWaitFor([&] { return barShown(game); }, BarWaitMs));
        QCOMPARE(game.find<QLabel>("lblDiskChanged")->text(),
                 QStringLiteral("Another program changed QEV.EXE on disk."));
        for (const auto& [name, text] :
             {std::pair{"cmdKeepBoth", "Keep Both"}, {"cmdReloadDisk", "Reload"}, {"cmdIgnoreDisk", "Ignore"}}) {
            QVERIFY2(game.find<QPushButton>(name)->isVisible(), name);
            QCOMPARE(game.find<QPushButton>(name)->text(), QString(text));
        }
        QVERIFY(game.prompts.shown().empty()); // the bar interrupts nothing
        // Above the pages, so before them in Tab order.
        QCOMPARE(game.find<QPushButton>("cmdIgnoreDisk")->nextInFocusChain(), game.find<QTabWidget>("tabFac"));

        // Ignore hides it; the same change is not told again, a new one is, even one written in place
        // into the file that was renamed over the loaded one.
        game.click("cmdIgnoreDisk");
        QVERIFY(!barShown(game));
        QTest::qWait(1500);
        QVERIFY(!barShown(game));
        ByteImage onDisk = readFileBytes(game.exePath);
        onDisk.at(TheirHealth) = theirs(2);
        {
            std::fstream inPlace(game.exePath, std::ios::in | std::ios::out | std::ios::binary);
            inPlace.seekp(static_cast<std::streamoff>(TheirHealth));
            inPlace.put(static_cast<char>(theirs(2)));
            QVERIFY(inPlace.good());
        }
        QVERIFY(QTest::qWaitFor([&] { return barShown(game); }, BarWaitMs));

        // Keep Both takes their file with the edit on top, and writes nothing until Save.
        game.click("cmdKeepBoth");
        QVERIFY(!barShown(game));
        QCOMPARE(changedBytes(loaded, game.image(FileId::Exe)), (Changes{{OurTimeUnits, 8}, {TheirHealth, theirs(2)}}));
        QCOMPARE(readFileBytes(game.exePath), onDisk);
        QVERIFY(game.window.isWindowModified());
        game.trigger("mnuSave"); // no question: the disk holds what Keep Both read
        QVERIFY(game.prompts.unexpected().empty());
        QCOMPARE(changedBytes(loaded, readFileBytes(game.exePath)),
                 (Changes{{OurTimeUnits, 8}, {TheirHealth, theirs(2)}}));

        // Reload asks before it drops an unsaved edit; No keeps the edit and the bar.
        game.editTimeUnits(0, "9");
        const std::string english2 = game.gameFile("GEODATA/ENGLISH2.DAT");
        ByteImage theirStrings = readFileBytes(english2);
        theirStrings.front() = static_cast<std::uint8_t>(theirStrings.front() == 'Z' ? 'Y' : 'Z');
        writeAsAnotherProgram(english2, theirStrings);
        const ByteImage theirExe = setTheirHealth(game.exePath, theirs(3));
        QVERIFY(QTest::qWaitFor([&] { return barShown(game); }, BarWaitMs));
        const QString named = game.find<QLabel>("lblDiskChanged")->text();
        QVERIFY2(named.contains(QStringLiteral("QEV.EXE")) && named.contains(QStringLiteral("ENGLISH2.DAT")),
                 qPrintable(named));
        game.prompts.clearShown();
        game.prompts.answerNo();
        game.click("cmdReloadDisk");
        QCOMPARE(game.prompts.shown().size(), std::size_t{1});
        QCOMPARE(game.prompts.shown().front().kind, std::string("yesno"));
        QCOMPARE(game.image(FileId::Exe).at(OurTimeUnits), std::uint8_t{9});
        QVERIFY(barShown(game));

        // Yes drops it and shows the files as the other program left them.
        game.prompts.answerYes();
        game.click("cmdReloadDisk");
        QVERIFY(!barShown(game));
        QCOMPARE(game.image(FileId::Exe), theirExe);
        QCOMPARE(game.image(FileId::English2), theirStrings);
        QVERIFY(!game.window.isWindowModified());
        QVERIFY(!game.find<QAction>("mnuSave")->isEnabled());
        QVERIFY(!game.find<QAction>("mnuUndo")->isEnabled());

        // Closed files are not followed.
        game.trigger("mnuClose");
        setTheirHealth(game.exePath, theirs(4));
        QTest::qWait(1500);
        QVERIFY(!barShown(game));
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestDiskChanges)
#include "tst_DiskChanges.moc"
