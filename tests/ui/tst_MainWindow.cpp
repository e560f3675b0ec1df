// The main window as a modder meets it: the pages and menus at start, a load of each edition,
// a failed load, Save, Undo, Make Backups and Close files through the menus.
#include <QPushButton>
#include <QTabWidget>

#include "support/ImageDiff.h"
#include "ui/LoadWindow.h"
#include "widgets/SampleWindow.h"

using orvane::FileId;
using orvane::GameEdition;
using orvane::test::labelText;
using orvane::test::readFileBytes;
using orvane::test::SampleWindow;

class TestMainWindow : public QObject {
    Q_OBJECT

    // Availability of Make Backups, Make Master Backup, Make Patch Files, Save, Close files, Undo.
    static void expectMenus(SampleWindow& game, std::array<bool, 6> expected)
    {
        const char* names[] = {"mnuBack", "mnuMaster", "mnuPatch", "mnuSave", "mnuClose", "mnuUndo"};
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(game.find<QAction>(names[i])->isEnabled() == expected[i], names[i]);
        for (const char* always : {"mnuOpen", "mnuExit", "mnuAbout", "mnuHelpMe"})
            QVERIFY2(game.find<QAction>(always)->isEnabled(), always);
    }

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void startsWithSixPagesAndTheFileCommandsUnavailable()
    {
        SampleWindow game;
        QCOMPARE(game.window.objectName(), QStringLiteral("frmMain"));
        QCOMPARE(game.visibleTitle(), QStringLiteral("Orvane Executable Editor"));
        auto* tabs = game.find<QTabWidget>("tabFac");
        const QStringList captions{"Base Editor", "Facility Editor", "Soldier Names", "Unit Editor", "Item Editor",
                                   "String Editor"};
        QCOMPARE(tabs->count(), captions.size());
        for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!tabs->isEnabled());
        expectMenus(game, {false, false, false, false, false, false});

        const std::pair<const char*, QString> menus[] = {
            {"mnuOpen", "L&oad Files\tCtrl+O"},  {"mnuBack", "&Make Backups\tCtrl+M"},
            {"mnuMaster", "Make Master Backup\tCtrl+B"}, {"mnuPatch", "Make &Patch Files\tCtrl+P"},
            {"mnuSave", "&Save\tCtrl+S"},        {"mnuClose", "&C&lose files\tCtrl+C"},
            {"mnuExit", "E&xit\tCtrl+F4"},       {"mnuUndo", "Undo\tCtrl+Z"},
            {"mnuAbout", "&About\t"},            {"mnuHelpMe", "H&elp\tF1"},
        };
        for (const auto& [name, captionAndKey] : menus) {
            QAction* action = game.find<QAction>(name);
            QCOMPARE(action->text() + QLatin1Char('\t') + action->shortcut().toString(), captionAndKey);
        }
        QVERIFY(game.find<QAction>("mnuBack")->isChecked());
    }

    void loadsEveryEditionAndShowsWhatWasLoaded_data()
    {
        QTest::addColumn<GameEdition>("edition");
        QTest::addColumn<QString>("versionText");
        QTest::newRow("ce") << GameEdition::Collectors << "Version: Collector's Edition";
        QTest::newRow("dos12") << GameEdition::Dos12 << "Version: DOS version 1.2";
        QTest::newRow("dos14") << GameEdition::Dos14 << "Version: DOS version 1.4";
    }

    void loadsEveryEditionAndShowsWhatWasLoaded()
    {
        QFETCH(GameEdition, edition);
        QFETCH(QString, versionText);
        SampleWindow game(edition);
        game.load();
        QCOMPARE(labelText("lblLoad"), QStringLiteral("QEV.EXE...  DONE!    OBDATA.DAT...  DONE!    ENGLISH.DAT...  "
                                                      "DONE!    ENGLISH2.DAT...  DONE!    "));
        QCOMPARE(labelText("lblVer"), versionText);
        const QString title = QStringLiteral("Orvane Executable Editor - ") + QString::fromStdString(game.exePath);
        QCOMPARE(game.visibleTitle(), title);
        QVERIFY(game.find<QTabWidget>("tabFac")->isEnabled());
        expectMenus(game, {true, true, true, false, true, false});

        // Close files with no change asks nothing, disables the pages and keeps the title.
        game.trigger("mnuClose");
        QVERIFY(game.prompts.shown().empty());
        QVERIFY(!game.find<QTabWidget>("tabFac")->isEnabled());
        QCOMPARE(labelText("lblVer"), QString());
        expectMenus(game, {false, false, false, false, false, false});
        QCOMPARE(game.visibleTitle(), title);
    }

    void aLoadThatStopsAtADataFileCanNeverBeSaved()
    {
        SampleWindow game;
        std::filesystem::remove(game.gameFile("GEODATA/OBDATA.DAT"));
        game.prompts.answerFile(game.exePath);
        game.trigger("mnuOpen");
        QCOMPARE(labelText("lblComp"), QStringLiteral("Unable to load obdata.dat"));
        QCOMPARE(labelText("lblLoad"), QStringLiteral("QEV.EXE...  DONE!    OBDATA.DAT...  "));
        QCOMPARE(labelText("lblVer"), QStringLiteral("Version: Collector's Edition"));
        QCOMPARE(game.visibleTitle(), QStringLiteral("Orvane Executable Editor"));
        auto* ok = game.find<QWidget>("frmLoad")->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(ok != nullptr && ok->isVisible());

        const auto before = readFileBytes(game.exePath);
        game.window.session().pushSnapshot(FileId::Exe);
        game.image(FileId::Exe)[0] ^= 0xFF;
        game.trigger("mnuSave");
        QCOMPARE(readFileBytes(game.exePath), before);
        QCOMPARE(game.prompts.messages().size(), std::size_t{1});
        QVERIFY(game.prompts.messages()[0].text.find("Load the files again") != std::string::npos);
    }

    void theProgressWindowHidesOkOnlyWhenFirstOpened()
    {
        orvane::ui::LoadWindow progress;
        auto* ok = progress.findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(ok != nullptr);
        progress.begin();
        QVERIFY(ok->isHidden());
        progress.finish();
        QVERIFY(!ok->isHidden());
        progress.begin(); // a second load in the same window
        QVERIFY(!ok->isHidden());
        progress.close();
    }

    void saveUndoBackupsAndCloseFollowTheEdits()
    {
        SampleWindow game(GameEdition::Dos14);
        game.load();
        const auto loaded = readFileBytes(game.exePath);
        game.window.session().pushSnapshot(FileId::Exe);
        game.image(FileId::Exe)[100] ^= 0xFF;
        expectMenus(game, {true, true, true, true, true, true});

        game.trigger("mnuSave");
        QCOMPARE(game.prompts.messages().back().title, std::string("Files saved."));
        QCOMPARE(game.prompts.messages().back().text, std::string("All files saved."));
        expectMenus(game, {true, true, true, false, true, true});
        QCOMPARE(readFileBytes(game.exePath), game.image(FileId::Exe));
        QCOMPARE(readFileBytes(game.exePath + ".bak"), loaded);

        game.trigger("mnuUndo");
        QCOMPARE(game.image(FileId::Exe), loaded);
        expectMenus(game, {true, true, true, false, true, false});

        game.trigger("mnuBack");
        QVERIFY(!game.find<QAction>("mnuBack")->isChecked());
        QVERIFY(!game.window.session().makeBackups());

        // Make Master Backup: No writes nothing; Yes writes the files as loaded, with no message after.
        const std::string master = game.exePath + "(MASTER).bak";
        game.prompts.answerYesNo(false).answerYesNo(true);
        game.trigger("mnuMaster");
        QVERIFY(!std::filesystem::exists(master));
        QCOMPARE(game.prompts.shown().back().title, std::string("Make master backup?"));
        QCOMPARE(game.prompts.shown().back().text,
                 std::string("Are you sure you want to make a master back up? This will overwrite any other master "
                             "backup of your executable."));
        const std::size_t boxesBefore = game.prompts.shown().size();
        game.trigger("mnuMaster");
        QCOMPARE(readFileBytes(master), loaded);
        QCOMPARE(readFileBytes(game.gameFile("GEODATA/ENGLISH2(MASTER).bak")),
                 readFileBytes(game.gameFile("GEODATA/ENGLISH2.DAT")));
        QCOMPARE(game.prompts.shown().size(), boxesBefore + 1);

        // An edit, then Close files answered No: the disk keeps the saved file.
        game.window.session().pushSnapshot(FileId::Exe);
        game.image(FileId::Exe)[101] ^= 0xFF;
        game.prompts.answerYesNo(false);
        const auto saved = readFileBytes(game.exePath);
        game.trigger("mnuClose");
        QCOMPARE(game.prompts.shown().back().title, std::string("Save?"));
        QCOMPARE(readFileBytes(game.exePath), saved);
        expectMenus(game, {false, false, false, false, false, false});
        QVERIFY(game.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestMainWindow)

#include "tst_MainWindow.moc"
