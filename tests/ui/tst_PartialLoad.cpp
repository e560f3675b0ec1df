// A load that stops at a data file replaces the executable only: no old snapshot, pages work, no save.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "samplegame/SampleGame.h"
#include "support/ImageDiff.h"
#include "units/UnitTable.h"
#include "widgets/SampleWindow.h"

namespace orvane::test {

class TestPartialLoad : public QObject {
    Q_OBJECT

    static constexpr int LastUnit = 32;

private slots:
    void cleanup() { closeAllWindows(); }

    void undoAfterALoadOfAnotherEditionThatStoppedAtADataFile_data()
    {
        QTest::addColumn<GameEdition>("first");
        QTest::addColumn<GameEdition>("second");
        QTest::addColumn<QString>("missingFile");
        const std::pair<GameEdition, const char*> editions[] = {
            {GameEdition::Collectors, "ce"}, {GameEdition::Dos12, "dos12"}, {GameEdition::Dos14, "dos14"}};
        for (const auto& [first, firstName] : editions) {
            for (const auto& [second, secondName] : editions) {
                if (first == second) continue;
                for (const char* missing : {"OBDATA.DAT", "ENGLISH.DAT", "ENGLISH2.DAT"}) {
                    QTest::addRow("%s then %s without %s", firstName, secondName, missing)
                        << first << second << QString::fromLatin1(missing);
                }
            }
        }
    }

    void undoAfterALoadOfAnotherEditionThatStoppedAtADataFile()
    {
        QFETCH(GameEdition, first);
        QFETCH(GameEdition, second);
        QFETCH(QString, missingFile);
        SampleWindow game(first);
        game.load();
        game.editTimeUnits(LastUnit, "7");
        QVERIFY(game.find<QAction>("mnuUndo")->isEnabled());

        const auto otherDir = game.dir.path() / "other";
        const std::string otherExe = sample::writeSampleGame(otherDir.string(), second);
        std::filesystem::remove(otherDir / "GEODATA" / missingFile.toStdString());
        const QString title = game.window.windowTitle();
        game.prompts.answerFile(otherExe);
        game.trigger("mnuOpen");
        QCOMPARE(labelText("lblComp"), QStringLiteral("Unable to load ") + missingFile.toLower());
        QCOMPARE(game.window.windowTitle(), title);
        const ByteImage partial = game.image(FileId::Exe);
        QCOMPARE(partial.size(), exeLengthOf(second));

        // The snapshot of the first load's executable is gone: Undo changes nothing.
        game.trigger("mnuUndo");
        QVERIFY(game.image(FileId::Exe) == partial);

        // An edit made on what is loaded now is undone as usual, and every page redraws from it.
        auto* cmdTU = game.find<QPushButton>("cmdTU");
        const std::size_t lastUnitTU = units::UnitTableOffsets.in(second).value() + 39 * LastUnit + 1;
        const QString loadedTU = QString::number(partial.at(lastUnitTU));
        game.editTimeUnits(LastUnit, "9");
        QCOMPARE(cmdTU->text(), QStringLiteral("9"));
        // Nothing of a load that stopped is ever saved.
        const ByteImage onDisk = readFileBytes(otherExe);
        game.trigger("mnuSave");
        QVERIFY(readFileBytes(otherExe) == onDisk);
        QCOMPARE(game.prompts.messages().size(), std::size_t{1});
        QVERIFY(game.prompts.messages()[0].text.find("Load the files again") != std::string::npos);
        game.trigger("mnuUndo");
        QVERIFY(game.image(FileId::Exe) == partial);
        QCOMPARE(cmdTU->text(), loadedTU);
        auto* tabs = game.find<QTabWidget>("tabFac");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
        }
        QCOMPARE(game.find<QListWidget>("lstFirst")->count(), 120);
    }

    // A string opened and typed in one game, then the other game loaded: the edit is gone as after Close
    // files, and Apply and Save leave the other game's ENGLISH.DAT as it was.
    void theLoadOfAnotherGameClosesAnOpenStringEdit()
    {
        SampleWindow game;
        game.load();
        game.openPage(5);
        doubleClickRow(game.find<QListView>("lstEng1"), 0);
        auto* frmStr = game.find<QGroupBox>("frmStr");
        QVERIFY(!frmStr->isHidden());
        QTest::keyClicks(game.find<QLineEdit>("Text1"), QStringLiteral(" typed in the first game"));

        const auto otherDir = game.dir.path() / "other";
        const std::string otherExe = sample::writeSampleGame(otherDir.string(), GameEdition::Dos14);
        const std::string english = (otherDir / "GEODATA" / "ENGLISH.DAT").string();
        const ByteImage onDisk = readFileBytes(english);
        game.prompts.answerFile(otherExe);
        game.trigger("mnuOpen");
        QVERIFY(frmStr->isHidden() && game.find<QLabel>("lblStrShow")->text().isEmpty());
        game.find<QPushButton>("cmdApplyStr")->click();
        game.trigger("mnuSave");
        QVERIFY(readFileBytes(english) == onDisk);
        QCOMPARE(game.window.session().undoCount(), 0u);
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestPartialLoad)

#include "tst_PartialLoad.moc"
