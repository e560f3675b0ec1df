// The main window through its menus, title, icon and page strip; tests/a11y/ walks what a screen reader reads.
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "support/ImageDiff.h"
#include "ui/ApplicationSetup.h"
#include "ui/LoadWindow.h"
#include "widgets/SampleWindow.h"

namespace orvane::test {

class TestMainWindow : public QObject {
    Q_OBJECT

    // Of Make Backups, Make Master Backup, Make Patch Files, Save, Close files and Undo, exactly `enabled`
    // are available; the other menu entries always are.
    static void expectEnabledMenus(SampleWindow& game, std::initializer_list<std::string_view> enabled)
    {
        std::size_t found = 0;
        for (const char* name : {"mnuBack", "mnuMaster", "mnuPatch", "mnuSave", "mnuClose", "mnuUndo"}) {
            const bool listed = std::find(enabled.begin(), enabled.end(), name) != enabled.end();
            if (listed) ++found;
            QVERIFY2(game.find<QAction>(name)->isEnabled() == listed, name);
        }
        QCOMPARE(found, enabled.size()); // every name given is one of the six
        for (const char* always : {"mnuOpen", "mnuExit", "mnuAbout", "mnuHelpMe"})
            QVERIFY2(game.find<QAction>(always)->isEnabled(), always);
    }

    // The modified marker, in the window's state and in the title the desktop shows.
    static void expectModified(SampleWindow& game, const QString& title, bool modified = true)
    {
        QCOMPARE(game.window.isWindowModified(), modified);
        QCOMPARE(game.visibleTitle(), modified ? title + QLatin1Char('*') : title);
    }
    static void expectUnmodified(SampleWindow& game, const QString& title) { expectModified(game, title, false); }

private slots:
    void initTestCase() { ui::setUpApplication(*qApp); }
    void cleanup() { closeAllWindows(); }

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
        expectEnabledMenus(game, {"mnuBack", "mnuMaster", "mnuPatch", "mnuClose"});
        QVERIFY(!game.window.windowIcon().pixmap(32, 32).isNull());
        QVERIFY(!game.find<QWidget>("frmLoad")->windowIcon().pixmap(32, 32).isNull());

        // Close files with no change asks nothing, disables the pages and keeps the title.
        game.trigger("mnuClose");
        QVERIFY(game.prompts.shown().empty());
        QVERIFY(!game.find<QTabWidget>("tabFac")->isEnabled());
        QCOMPARE(labelText("lblVer"), QString());
        expectEnabledMenus(game, {});
        QCOMPARE(game.visibleTitle(), title);
    }

    void theProgressWindowHidesOkOnlyWhenFirstOpened()
    {
        ui::LoadWindow progress;
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

    // Before a load: six pages and the file commands unavailable. Then time-unit edits of the first unit through
    // the Unit Editor page, and the File menu's commands.
    void startsWithSixPagesThenMenusAndTheModifiedMarkerFollowEditsSavesUndosBackupsAndClose()
    {
        SampleWindow game(GameEdition::Dos14);
        QCOMPARE(game.window.objectName(), QStringLiteral("frmMain"));
        auto* tabs = game.find<QTabWidget>("tabFac");
        const QStringList captions{"Base Editor", "Facility Editor", "Soldier Names",
                                   "Unit Editor", "Item Editor",     "String Editor"};
        QCOMPARE(tabs->count(), captions.size());
        for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);
        QVERIFY(tabs->currentIndex() == 0 && !tabs->isEnabled());
        expectEnabledMenus(game, {});

        const std::pair<const char*, QString> menus[] = {
            {"mnuOpen", "L&oad Files\tCtrl+O"},
            {"mnuBack", "&Make Backups\tCtrl+M"},
            {"mnuMaster", "Make Master Backup\tCtrl+B"},
            {"mnuPatch", "Make &Patch Files\tCtrl+P"},
            {"mnuSave", "&Save\tCtrl+S"},
            {"mnuClose", "&C&lose files\tCtrl+C"},
            {"mnuExit", "E&xit\tCtrl+F4"},
            {"mnuUndo", "Undo\tCtrl+Z"},
            {"mnuAbout", "&About\t"},
            {"mnuHelpMe", "H&elp\tF1"},
        };
        for (const auto& [name, captionAndKey] : menus) {
            QAction* action = game.find<QAction>(name);
            QCOMPARE(action->text() + QLatin1Char('\t') + action->shortcut().toString(), captionAndKey);
        }
        QVERIFY(game.find<QAction>("mnuBack")->isChecked());
        expectUnmodified(game, QStringLiteral("Orvane Executable Editor"));
        game.load();
        const QString title = QStringLiteral("Orvane Executable Editor - ") + QString::fromStdString(game.exePath);
        const auto loaded = readFileBytes(game.exePath);
        game.editTimeUnits(0, ""); // an empty answer is no edit
        expectUnmodified(game, title);
        expectEnabledMenus(game, {"mnuBack", "mnuMaster", "mnuPatch", "mnuClose"});
        game.editTimeUnits(0, "7");
        expectModified(game, title);
        expectEnabledMenus(game, {"mnuBack", "mnuMaster", "mnuPatch", "mnuSave", "mnuClose", "mnuUndo"});
        game.trigger("mnuUndo");
        expectUnmodified(game, title);
        expectEnabledMenus(game, {"mnuBack", "mnuMaster", "mnuPatch", "mnuSave", "mnuClose"});

        game.editTimeUnits(0, "8");
        game.trigger("mnuSave");
        QCOMPARE(game.prompts.messages().back().title, std::string("Files saved."));
        QCOMPARE(game.prompts.messages().back().text, std::string("All files saved."));
        expectUnmodified(game, title);
        expectEnabledMenus(game, {"mnuBack", "mnuMaster", "mnuPatch", "mnuClose", "mnuUndo"});
        const auto saved = readFileBytes(game.exePath);
        QCOMPARE(saved, game.image(FileId::Exe));
        QVERIFY(saved != loaded);

        game.editTimeUnits(0, "9");
        expectModified(game, title);
        game.trigger("mnuUndo");
        expectUnmodified(game, title); // back at what was saved
        game.trigger("mnuUndo");
        expectModified(game, title); // before the save: the disk holds something else
        QCOMPARE(game.image(FileId::Exe), loaded);
        expectEnabledMenus(game, {"mnuBack", "mnuMaster", "mnuPatch", "mnuSave", "mnuClose"});

        game.trigger("mnuBack");
        QVERIFY(!game.find<QAction>("mnuBack")->isChecked());
        QVERIFY(!game.window.session().makeBackups());

        // Make Master Backup: No writes nothing; Yes writes the files as loaded, with no message after.
        const std::string master = game.exePath + "(MASTER).bak";
        game.prompts.answerNo().answerYes();
        game.trigger("mnuMaster");
        QVERIFY(!std::filesystem::exists(master));
        QCOMPARE(game.prompts.shown().back().title, std::string("Make master backup?"));
        QCOMPARE(game.prompts.shown().back().text,
                 std::string("Are you sure you want to make a master back up? This will overwrite any other master "
                             "backup of your executable."));
        const std::size_t boxesBefore = game.prompts.shown().size();
        game.trigger("mnuMaster");
        QCOMPARE(readFileBytes(master), loaded);
        QCOMPARE(game.prompts.shown().size(), boxesBefore + 1);

        // Close files answered No: the disk keeps the saved file.
        game.prompts.answerNo();
        game.trigger("mnuClose");
        QCOMPARE(game.prompts.shown().back().title, std::string("Save?"));
        QCOMPARE(readFileBytes(game.exePath), saved);
        expectUnmodified(game, title);
        expectEnabledMenus(game, {});
    }

    // The program's style draws the page strip's frame a piece at a time; the pixels on screen are those
    // of the platform's style, which draws it at once. A full repaint paints the strip around the opaque
    // list of the Base page, so the pieces are drawn.
    void thePageStripLooksAsThePlatformStyleDrawsIt()
    {
        SampleWindow game;
        game.load();
        QVERIFY(QTest::qWaitForWindowExposed(&game.window));
        QWindow* shown = game.window.windowHandle();
        const auto onScreen = [&] {
            game.window.repaint();
            return shown->screen()->grabWindow(shown->winId()).toImage();
        };
        const QImage ours = onScreen();
        QProxyStyle platform(qobject_cast<QProxyStyle*>(QApplication::style())->baseStyle()->name());
        auto* strip = game.find<QTabWidget>("tabFac");
        strip->setStyle(&platform);
        const QImage platformsOwn = onScreen();
        strip->setStyle(nullptr);
        QVERIFY(!ours.isNull());
        QVERIFY(ours == platformsOwn);
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestMainWindow)

#include "tst_MainWindow.moc"
