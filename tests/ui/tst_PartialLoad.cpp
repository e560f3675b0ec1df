// A load of another edition that stops at a data file replaces the executable only. Undo must never
// put a snapshot of the earlier load back into it, and every page must keep working on what is loaded.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "samplegame/SampleGame.h"
#include "units/UnitTable.h"
#include "widgets/SampleWindow.h"

using orvane::ByteImage;
using orvane::FileId;
using orvane::GameEdition;
using orvane::test::labelText;
using orvane::test::SampleWindow;

class TestPartialLoad : public QObject {
    Q_OBJECT

    // Picks the last unit of the Unit Editor and sets its time units through cmdTU.
    static void editTimeUnits(SampleWindow& game, const std::string& answer)
    {
        game.find<QTabWidget>("tabFac")->setCurrentIndex(3);
        auto* combo = game.find<QComboBox>("cmbUnit");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
        game.prompts.answer(answer);
        QTest::mouseClick(game.find<QPushButton>("cmdTU"), Qt::LeftButton);
    }

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

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
        editTimeUnits(game, "7");
        QVERIFY(game.find<QAction>("mnuUndo")->isEnabled());

        const auto otherDir = game.dir.path() / "other";
        const std::string otherExe = orvane::sample::writeSampleGame(otherDir.string(), second);
        std::filesystem::remove(otherDir / "GEODATA" / missingFile.toStdString());
        game.prompts.answerFile(otherExe);
        game.trigger("mnuOpen");
        QCOMPARE(labelText("lblComp"), QStringLiteral("Unable to load ") + missingFile.toLower());
        const ByteImage partial = game.image(FileId::Exe);
        QCOMPARE(partial.size(), orvane::exeLengthOf(second));

        // The snapshot of the first load's executable is gone: Undo changes nothing.
        game.trigger("mnuUndo");
        QVERIFY(game.image(FileId::Exe) == partial);

        // An edit made on what is loaded now is undone as usual, and every page redraws from it.
        auto* cmdTU = game.find<QPushButton>("cmdTU");
        const QString loadedTU = QString::number(partial.at(orvane::units::UnitTableOffsets.in(second).value() + 39 * 32 + 1));
        editTimeUnits(game, "9");
        QCOMPARE(cmdTU->text(), QStringLiteral("9"));
        game.trigger("mnuUndo");
        QVERIFY(game.image(FileId::Exe) == partial);
        QCOMPARE(cmdTU->text(), loadedTU);
        auto* tabs = game.find<QTabWidget>("tabFac");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
        }
        QCOMPARE(game.find<QListWidget>("lstFirst")->count(), 120);
        QVERIFY(game.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestPartialLoad)

#include "tst_PartialLoad.moc"
