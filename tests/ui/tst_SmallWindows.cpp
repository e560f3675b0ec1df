// The splash, About and Help, the real modal boxes, and the File menu's patch and mod entries.
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include "files/PatchFile.h"
#include "samplegame/SampleGame.h"
#include "support/ImageDiff.h"
#include "ui/QtPrompts.h"
#include "ui/SplashWindow.h"
#include "widgets/SampleWindow.h"

namespace orvane::test {

class TestSmallWindows : public QObject {
    Q_OBJECT

    // A splash whose main window is a real one, counting how often it was opened.
    struct Start {
        Start()
            : splash([this] {
                  ++opened;
                  window = std::make_unique<ui::MainWindow>(prompts, fs);
                  window->show();
              })
        {
            splash.show();
        }
        ScriptedPrompts prompts;
        RealFileSystem fs;
        std::unique_ptr<ui::MainWindow> window;
        int opened = 0;
        ui::SplashWindow splash;
    };

    static QWidget* topLevel(const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(name) && top->isVisible()) return top;
        return nullptr;
    }

    static QString textOf(QWidget& window, const char* label) { return childNamed<QLabel>(window, label)->text(); }

private slots:
    void cleanup() { closeAllWindows(); }

    // Clicks on the window and on each of its four labels open the main window at once; the splash
    // left alone goes after 3.5 seconds; no splash opens a second main window.
    void theSplashGoesAtTheFirstClickOrAfterItsTime()
    {
        QElapsedTimer clock;
        clock.start();
        Start untouched;
        QCOMPARE(untouched.splash.objectName(), QStringLiteral("frmOpen"));
        QCOMPARE(untouched.splash.windowTitle(), QStringLiteral("Orvane Modifier"));
        QCOMPARE(textOf(untouched.splash, "Label1"), QStringLiteral("Orvane Executable Editor\nversion 1.0"));
        QCOMPARE(textOf(untouched.splash, "Label2"), QStringLiteral("Brought to you by:"));
        QVERIFY(!textOf(untouched.splash, "Label3").isEmpty());
        QVERIFY(textOf(untouched.splash, "Label4").startsWith("This program edits the executable"));

        std::vector<std::unique_ptr<Start>> clicked;
        for (const char* target : {"", "Label1", "Label2", "Label3", "Label4"}) {
            auto start = std::make_unique<Start>();
            QWidget* where = &start->splash;
            if (*target) where = childNamed<QLabel>(start->splash, target);
            QTest::mouseClick(where, Qt::LeftButton);
            QVERIFY2(start->opened == 1 && start->window->isVisible(), target);
            QVERIFY2(!start->splash.isVisible(), target);
            QTest::mouseClick(where, Qt::LeftButton);
            clicked.push_back(std::move(start));
        }
        QCOMPARE(untouched.opened, 0);
        QVERIFY(untouched.splash.isVisible());

        QTRY_COMPARE_WITH_TIMEOUT(untouched.opened, 1, 10'000);
        QVERIFY(clock.elapsed() >= 3'300);
        QVERIFY(untouched.window->isVisible());
        QVERIFY(!untouched.splash.isVisible());
        QCOMPARE(untouched.window->objectName(), QStringLiteral("frmMain"));
        for (const auto& start : clicked) QCOMPARE(start->opened, 1);
    }

    // With no files loaded: About shows its texts, Help answers each question chosen by key or click and
    // none before, and a window already open is brought up again rather than opened twice. Both are
    // windows of their own: the main window closes first and the program ends with the last of them.
    void aboutAndHelpOpenWithNoFilesLoaded()
    {
        SampleWindow game;
        game.trigger("mnuAbout");
        game.trigger("mnuAbout");
        QWidget* about = topLevel("frmAbout");
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Orvane Executable Editor"));
        QCOMPARE(textOf(*about, "lblTitle"), QStringLiteral("Orvane Executable Editor"));
        QCOMPARE(textOf(*about, "lblVersion"), QStringLiteral("Version: 1.0"));
        QVERIFY(textOf(*about, "lblDescription").endsWith("Load geoscape.exe for dos versions."));
        QVERIFY(textOf(*about, "lblDisclaimer").startsWith("Warning: This edits the files"));
        QVERIFY(!childNamed<QLabel>(*about, "picIcon")->pixmap().isNull());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](const QWidget* top) { return top->objectName() == QLatin1String("frmAbout"); }),
                 1);

        game.trigger("mnuHelpMe");
        QWidget* help = topLevel("frmHelp");
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(textOf(*help, "lblInfo"), QStringLiteral("Click on a question to have the answer appear."));
        auto* questions = childNamed<QListWidget>(*help, "lstHelp");
        auto* answer = childNamed<QPlainTextEdit>(*help, "txtHelp");
        QVERIFY(answer->isReadOnly());
        QCOMPARE(questions->count(), 5);
        QCOMPARE(questions->item(3)->text(), QStringLiteral("Why doesn't the 'standard to build' function work?"));
        QVERIFY(QTest::qWaitForWindowActive(help) && questions->hasFocus());
        QVERIFY(answer->toPlainText().isEmpty());
        QTest::keyClick(questions, Qt::Key_End);
        QVERIFY(answer->toPlainText().startsWith(QStringLiteral("The backup files")));
        std::set<QString> answers;
        for (int row = 0; row < questions->count(); ++row) {
            QTest::mouseClick(questions->viewport(), Qt::LeftButton, {},
                              questions->visualItemRect(questions->item(row)).center());
            QVERIFY(!answer->toPlainText().isEmpty());
            answers.insert(answer->toPlainText());
        }
        QCOMPARE(answers.size(), std::size_t{5});
        QCOMPARE(answer->toPlainText(),
                 QStringLiteral("The backup files are just copies of the files that were opened. So, you can simply "
                                "rename the files to the original name and they should work. "));

        bool openAfterMain = false;
        QTimer::singleShot(0, &game.window, [&] {
            game.window.close();
            QTimer::singleShot(100, &game.window, [&] {
                openAfterMain = about->isVisible() && help->isVisible();
                QTest::mouseClick(childNamed<QPushButton>(*help, "Command1"), Qt::LeftButton);
                QTest::mouseClick(childNamed<QPushButton>(*about, "cmdOK"), Qt::LeftButton);
            });
        });
        QTimer::singleShot(10'000, &game.window, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(openAfterMain);
        QVERIFY(!topLevel("frmHelp") && !topLevel("frmAbout"));
    }

    void theRealBoxesAnswerAndTheOpenFilterFindsUpperCase()
    {
        ui::QtPrompts prompts;
        QString title, label, shownDefault;
        whenBoxOpens([&](QInputDialog* box) {
            title = box->windowTitle();
            label = box->labelText();
            shownDefault = box->textValue();
            box->setTextValue(QStringLiteral("R\u00e9my"));
            box->accept();
        });
        const auto answer = prompts.askText("New Name", "line one\nline two", "Old");
        QCOMPARE(title, QStringLiteral("New Name"));
        QCOMPARE(label, QStringLiteral("line one\nline two"));
        QCOMPARE(shownDefault, QStringLiteral("Old"));
        QCOMPARE(answer, std::optional<std::string>("R\u00e9my"));

        whenBoxOpens([](QInputDialog* box) { box->reject(); });
        QCOMPARE(prompts.askText("Change Amount", "prompt", "5"), std::nullopt);

        // A message carries the information icon, a warning (a refused mod) the warning icon.
        for (const bool warning : {false, true}) {
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            whenBoxOpens<QMessageBox>([&icon](QMessageBox* box) {
                icon = box->icon();
                box->accept();
            });
            if (warning)
                prompts.showWarning("Mod not applied", "line 5: ...");
            else
                prompts.showMessage("Mod applied", "1 value changed in 1 file");
            QCOMPARE(icon, warning ? QMessageBox::Warning : QMessageBox::Information);
        }

        // The file dialogs show a filter by its description; the open dialog's finds upper-case executables
        // where file names are case-sensitive.
        const QString filter = ui::dialogFilter({"QEV Executable (qev.exe)", "*.exe"});
#ifdef Q_OS_WIN
        QCOMPARE(filter, QStringLiteral("QEV Executable (qev.exe) (*.exe)"));
#else
        QCOMPARE(filter, QStringLiteral("QEV Executable (qev.exe) (*.exe *.EXE)"));
#endif
        for (const bool save : {false, true}) {
            QString shown;
            whenBoxOpens<QFileDialog>([&shown](QFileDialog* dialog) {
                shown = childNamed<QComboBox>(*dialog, "fileTypeCombo")->currentText();
                dialog->reject();
            });
            if (save)
                prompts.chooseFileToSave(patchFileFilter());
            else
                prompts.chooseFileToOpen({"QEV Executable (qev.exe)", "*.exe"});
            QCOMPARE(shown, save ? QStringLiteral("Patch File (*.qev)") : QStringLiteral("QEV Executable (qev.exe)"));
        }

        // The real choice box: Keep Both is the default, Escape is Cancel, the buttons stand in the order given.
        QWidget parent;
        parent.show();
        ui::QtPrompts withParent(&parent);
        const std::vector<std::string> buttons{"Keep Both", "Overwrite", "Cancel"};
        QStringList captionsSeen;
        QString titleSeen, defaultSeen;
        const auto answerWith = [&](const std::function<void(QMessageBox&)>& press) {
            whenBoxOpens<QMessageBox>([&, press](QMessageBox* box) {
                titleSeen = box->windowTitle();
                defaultSeen = box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
                QList<QAbstractButton*> shown = box->buttons();
                std::sort(shown.begin(), shown.end(),
                          [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
                captionsSeen.clear();
                for (QAbstractButton* button : shown) captionsSeen.append(button->text());
                press(*box);
            });
            return withParent.askChoice("Files changed on disk", "Another program changed QEV.EXE.", buttons, 0, 2);
        };

        QCOMPARE(answerWith([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }), std::size_t{2});
        QCOMPARE(titleSeen, QStringLiteral("Files changed on disk"));
        QCOMPARE(defaultSeen, QStringLiteral("Keep Both"));
        QCOMPARE(captionsSeen, (QStringList{"Keep Both", "Overwrite", "Cancel"}));
        QCOMPARE(answerWith([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }), std::size_t{0});
        const auto clickOverwrite = [](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons())
                if (button->text() == QStringLiteral("Overwrite")) button->click();
        };
        QCOMPARE(answerWith(clickOverwrite), std::size_t{1});
        QCOMPARE(answerWith([](QMessageBox& box) { box.close(); }), std::size_t{2});
    }

    // A patch made on the Collector's Edition (first item renamed, first string of ENGLISH2.DAT shorter) applied
    // to DOS 1.4: the pages show it and Undo takes it back file by file. Then a Time Units edit exported as a
    // mod, undone, and brought back by applying the mod; a refused mod is told in a message box.
    void thePatchAndModEntriesApplyAndExport()
    {
        SampleWindow w(GameEdition::Dos14);
        auto* apply = w.find<QAction>("mnuApplyPatch");
        auto* exportMod = w.find<QAction>("mnuExportMod");
        auto* applyMod = w.find<QAction>("mnuApplyMod");
        QCOMPARE(exportMod->text(), QStringLiteral("Export Changes as Mod..."));
        QCOMPARE(applyMod->text(), QStringLiteral("Apply Mod File..."));
        QVERIFY(!apply->isEnabled() && !exportMod->isEnabled() && !applyMod->isEnabled());
        GameFileSet edited = sample::loadedSampleFiles(GameEdition::Collectors);
        const std::string renamed = "Patched Blaster", rank = "Patched rank";
        ByteImage& obdata = edited.image(FileId::Obdata);
        std::fill_n(std::copy(renamed.begin(), renamed.end(), obdata.begin()), 20 - renamed.size(), 0);
        ByteImage& english2 = edited.image(FileId::English2);
        english2.erase(english2.begin(), std::find(english2.begin(), english2.end(), std::uint8_t{0}));
        english2.insert(english2.begin(), rank.begin(), rank.end());
        const std::string path = w.gameFile("mod.qev");
        writeFileBytes(path, *buildPatchFile(edited));

        w.load();
        QVERIFY(apply->isEnabled() && exportMod->isEnabled() && applyMod->isEnabled());
        const ByteImage exeBefore = w.image(FileId::Exe);
        w.prompts.answerFile(path);
        apply->trigger();
        QVERIFY(w.prompts.messages().empty());
        auto* list = w.find<QListWidget>("lstItem");
        auto* strings2 = w.find<QListView>("lstEng2");
        QCOMPARE(list->item(0)->text(), QString::fromStdString(renamed));
        QCOMPARE(entryText(strings2, 0), QString::fromStdString(rank));
        QCOMPARE(w.window.session().undoCount(), 3u); // OBDATA.DAT, ENGLISH2.DAT, the executable's differing filler

        w.trigger("mnuUndo"); // OBDATA.DAT was written last
        QVERIFY(list->item(0)->text() != QString::fromStdString(renamed));
        w.trigger("mnuUndo");
        QVERIFY(entryText(strings2, 0) != QString::fromStdString(rank));
        w.trigger("mnuUndo");
        QCOMPARE(w.image(FileId::Exe), exeBefore);

        w.editTimeUnits(32, "77");
        const std::string tanks = w.gameFile("tanks.toml");
        w.prompts.answerFile(tanks);
        exportMod->trigger();
        const ByteImage written = readFileBytes(tanks);
        QVERIFY(std::string(written.begin(), written.end())
                    .find("[[unit]]\nnumber = 32\nname = \"Hover Tank\"\n"
                          "time_units = 77\n") != std::string::npos);
        w.trigger("mnuUndo");
        auto* timeUnits = w.find<QPushButton>("cmdTU");
        QVERIFY(timeUnits->text() != QStringLiteral("77"));

        w.prompts.answerFile(tanks);
        applyMod->trigger();
        QCOMPARE(timeUnits->text(), QStringLiteral("77"));
        QVERIFY(w.find<QAction>("mnuUndo")->isEnabled() && w.find<QAction>("mnuSave")->isEnabled());
        const auto summary = w.prompts.messages();
        QCOMPARE(summary.size(), std::size_t{1});
        QCOMPARE(summary[0].title, std::string("Mod applied"));
        QVERIFY(summary[0].text.find(": 1 value changed in 1 file. Save writes") != std::string::npos);
        w.prompts.clearShown();

        const std::string bad = "[mod]\nformat = 1\n[[unit]]\nnumber = 32\ntime_units = 256\n";
        writeFileBytes(tanks, ByteImage(bad.begin(), bad.end()));
        w.prompts.answerFile(tanks);
        applyMod->trigger();
        const auto messages = w.prompts.messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].title, std::string("Mod not applied"));
        QCOMPARE(messages[0].kind, std::string("warning"));
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestSmallWindows)

#include "tst_SmallWindows.moc"
