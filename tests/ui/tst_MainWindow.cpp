// The main window as a modder meets it: the pages and menus at start, a load of each edition,
// Close files, Save and Undo through the menus.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "SampleGame.h"
#include "files/RealFileSystem.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

using orvane::GameEdition;
using orvane::FileId;

class TestMainWindow : public QObject {
    Q_OBJECT

    struct Menus {
        bool back, master, patch, save, close, undo;
    };

    static QAction* action(QWidget& window, const char* name)
    {
        auto* found = window.findChild<QAction*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no menu action %s", name);
        return found;
    }

    static void expectMenus(QWidget& window, Menus expected)
    {
        QCOMPARE(action(window, "mnuBack")->isEnabled(), expected.back);
        QCOMPARE(action(window, "mnuMaster")->isEnabled(), expected.master);
        QCOMPARE(action(window, "mnuPatch")->isEnabled(), expected.patch);
        QCOMPARE(action(window, "mnuSave")->isEnabled(), expected.save);
        QCOMPARE(action(window, "mnuClose")->isEnabled(), expected.close);
        QCOMPARE(action(window, "mnuUndo")->isEnabled(), expected.undo);
        for (const char* always : {"mnuOpen", "mnuExit", "mnuAbout", "mnuHelpMe"})
            QVERIFY2(action(window, always)->isEnabled(), always);
    }

    static QString labelText(const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* label = top->findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
        }
        return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    }

private slots:
    void cleanup()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) top->close();
    }

    void startsWithSixPagesAndTheFileCommandsUnavailable()
    {
        orvane::test::ScriptedPrompts prompts;
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);
        QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvane Executable Editor"));
        auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabFac"));
        QVERIFY(tabs);
        const QStringList captions{"Base Editor", "Facility Editor", "Soldier Names", "Unit Editor", "Item Editor",
                                   "String Editor"};
        QCOMPARE(tabs->count(), captions.size());
        for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!tabs->isEnabled());
        expectMenus(window, {false, false, false, false, false, false});

        const struct {
            const char* name;
            const char* caption;
            QKeySequence shortcut;
        } items[] = {
            {"mnuOpen", "L&oad Files", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"mnuBack", "&Make Backups", QKeySequence(QStringLiteral("Ctrl+M"))},
            {"mnuMaster", "Make Master Backup", QKeySequence(QStringLiteral("Ctrl+B"))},
            {"mnuPatch", "Make &Patch Files", QKeySequence(QStringLiteral("Ctrl+P"))},
            {"mnuSave", "&Save", QKeySequence(QStringLiteral("Ctrl+S"))},
            {"mnuClose", "&C&lose files", QKeySequence(QStringLiteral("Ctrl+C"))},
            {"mnuExit", "E&xit", QKeySequence(QStringLiteral("Ctrl+F4"))},
            {"mnuUndo", "Undo", QKeySequence(QStringLiteral("Ctrl+Z"))},
            {"mnuAbout", "&About", QKeySequence()},
            {"mnuHelpMe", "H&elp", QKeySequence(QStringLiteral("F1"))},
        };
        for (const auto& item : items) {
            QCOMPARE(action(window, item.name)->text(), QString::fromLatin1(item.caption));
            QCOMPARE(action(window, item.name)->shortcut(), item.shortcut);
        }
        QVERIFY(action(window, "mnuBack")->isChecked());
    }

    void loadsEveryEditionAndShowsWhatWasLoaded_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("versionText");
        QTest::newRow("ce") << int(GameEdition::Collectors) << "Version: Collector's Edition";
        QTest::newRow("dos12") << int(GameEdition::Dos12) << "Version: DOS version 1.2";
        QTest::newRow("dos14") << int(GameEdition::Dos14) << "Version: DOS version 1.4";
    }

    void loadsEveryEditionAndShowsWhatWasLoaded()
    {
        QFETCH(int, edition);
        QFETCH(QString, versionText);
        orvane::test::TempDir dir;
        const std::string exe = orvane::sample::writeSampleGame(dir.str(), static_cast<GameEdition>(edition));
        orvane::test::ScriptedPrompts prompts;
        prompts.answerFile(exe);
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);
        window.show();
        action(window, "mnuOpen")->trigger();

        QCOMPARE(labelText("lblLoad"), QStringLiteral("QEV.EXE...  DONE!    OBDATA.DAT...  DONE!    ENGLISH.DAT...  "
                                                      "DONE!    ENGLISH2.DAT...  DONE!    "));
        QCOMPARE(labelText("lblComp"), QStringLiteral("All files loaded successfully!"));
        QCOMPARE(labelText("lblVer"), versionText);
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvane Executable Editor - ") + QString::fromStdString(exe));
        QVERIFY(window.findChild<QTabWidget*>(QStringLiteral("tabFac"))->isEnabled());
        expectMenus(window, {true, true, true, false, true, false});
        QCOMPARE(prompts.lastFilter.description, std::string("QEV Executable (qev.exe)"));
        QCOMPARE(prompts.lastFilter.pattern, std::string("*.exe"));
        QVERIFY(prompts.unexpected().empty());

        // Close files with no change asks nothing, disables the pages and keeps the title.
        action(window, "mnuClose")->trigger();
        QVERIFY(prompts.unexpected().empty());
        QVERIFY(!window.findChild<QTabWidget*>(QStringLiteral("tabFac"))->isEnabled());
        QCOMPARE(labelText("lblVer"), QString());
        expectMenus(window, {false, false, false, false, false, false});
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvane Executable Editor - ") + QString::fromStdString(exe));
    }

    void aFailedLoadShowsItsReasonAndTheOkButton()
    {
        orvane::test::TempDir dir;
        const std::string exe = orvane::sample::writeSampleGame(dir.str(), GameEdition::Collectors);
        std::filesystem::remove(dir.path() / "GEODATA" / "OBDATA.DAT");
        orvane::test::ScriptedPrompts prompts;
        prompts.answerFile(exe);
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);
        action(window, "mnuOpen")->trigger();

        QCOMPARE(labelText("lblComp"), QStringLiteral("Unable to load obdata.dat"));
        QCOMPARE(labelText("lblLoad"), QStringLiteral("QEV.EXE...  DONE!    OBDATA.DAT...  "));
        QCOMPARE(labelText("lblVer"), QStringLiteral("Version: Collector's Edition"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvane Executable Editor"));
        QPushButton* ok = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("frmLoad")) ok = top->findChild<QPushButton*>("Command1");
        }
        QVERIFY(ok && ok->isVisibleTo(ok->window()));

        // The partial set cannot be saved: the user is told why and nothing is written.
        window.session().pushSnapshot(FileId::Exe);
        const auto before = orvane::test::readFileBytes(exe);
        window.session().image(FileId::Exe)[0] ^= 0xFF;
        action(window, "mnuSave")->trigger();
        QCOMPARE(orvane::test::readFileBytes(exe), before);
        QCOMPARE(prompts.messages().size(), size_t(1));
        QVERIFY(prompts.messages()[0].text != "All files saved.");
    }

    void saveAndUndoFollowTheEditsThroughTheMenus()
    {
        orvane::test::TempDir dir;
        const std::string exe = orvane::sample::writeSampleGame(dir.str(), GameEdition::Dos14);
        orvane::test::ScriptedPrompts prompts;
        prompts.answerFile(exe);
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);
        action(window, "mnuOpen")->trigger();
        const auto loaded = orvane::test::readFileBytes(exe);

        window.session().pushSnapshot(FileId::Exe);
        window.session().image(FileId::Exe)[100] ^= 0xFF;
        expectMenus(window, {true, true, true, true, true, true});
        action(window, "mnuSave")->trigger();
        QCOMPARE(prompts.messages().back().title, std::string("Files saved."));
        QCOMPARE(prompts.messages().back().text, std::string("All files saved."));
        expectMenus(window, {true, true, true, false, true, true});
        QCOMPARE(orvane::test::readFileBytes(exe)[100], static_cast<std::uint8_t>(loaded[100] ^ 0xFF));
        QCOMPARE(orvane::test::readFileBytes(exe + ".bak"), loaded);

        action(window, "mnuUndo")->trigger();
        QCOMPARE(window.session().image(FileId::Exe), loaded);
        expectMenus(window, {true, true, true, false, true, false});

        // Make Backups unchecked: the next Save writes no new ".bak".
        action(window, "mnuBack")->trigger();
        QVERIFY(!action(window, "mnuBack")->isChecked());
        QVERIFY(!window.session().makeBackups());

        // An edit, then Close files answered No: the disk keeps the saved file.
        window.session().pushSnapshot(FileId::Exe);
        window.session().image(FileId::Exe)[101] ^= 0xFF;
        prompts.answerYesNo(false);
        const auto saved = orvane::test::readFileBytes(exe);
        action(window, "mnuClose")->trigger();
        QCOMPARE(orvane::test::readFileBytes(exe), saved);
        expectMenus(window, {false, false, false, false, false, false});
        QVERIFY(prompts.unexpected().empty());
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MainWindow.moc"
