// The splash, About and Help windows, and Make Patch Files through the menu.
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>
#include <set>

#include "files/PatchFile.h"
#include "support/ImageDiff.h"
#include "ui/SplashWindow.h"
#include "widgets/SampleWindow.h"

using orvane::GameEdition;
using orvane::test::childNamed;
using orvane::test::SampleWindow;
using orvane::ui::SplashWindow;

class TestSmallWindows : public QObject {
    Q_OBJECT

    // A splash whose main window is a real one, counting how often it was opened.
    struct Start {
        Start() : splash([this] {
            ++opened;
            window = std::make_unique<orvane::ui::MainWindow>(prompts, fs);
            window->show();
        })
        {
            splash.show();
        }
        orvane::test::ScriptedPrompts prompts;
        orvane::RealFileSystem fs;
        std::unique_ptr<orvane::ui::MainWindow> window;
        int opened = 0;
        SplashWindow splash;
    };

    static QWidget* topLevel(const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(name) && top->isVisible()) return top;
        }
        return nullptr;
    }

    static QString textOf(QWidget& window, const char* label) { return childNamed<QLabel>(window, label)->text(); }

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

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

    // With no files loaded: About shows its texts, Help answers each question, and a window already
    // open is brought up again rather than opened twice. Both outlive the main window's closing.
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
        QCOMPARE(game.window.findChildren<QWidget*>(QStringLiteral("frmAbout")).size(), 1);

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
        QVERIFY(answer->toPlainText().isEmpty());
        const auto clickQuestion = [questions](int row) {
            QTest::mouseClick(questions->viewport(), Qt::LeftButton, {},
                              questions->visualItemRect(questions->item(row)).center());
        };

        std::set<QString> answers;
        for (int row = 0; row < questions->count(); ++row) {
            clickQuestion(row);
            QVERIFY(!answer->toPlainText().isEmpty());
            answers.insert(answer->toPlainText());
        }
        QCOMPARE(answers.size(), std::size_t{5});
        QCOMPARE(answer->toPlainText(),
                 QStringLiteral("The backup files are just copies of the files that were opened. So, you can simply "
                                "rename the files to the original name and they should work. "));
        const QString shown = answer->toPlainText();
        clickQuestion(4);
        QCOMPARE(answer->toPlainText(), shown);

        game.window.close();
        QVERIFY(about->isVisible() && help->isVisible());
        QTest::mouseClick(childNamed<QPushButton>(*help, "Command1"), Qt::LeftButton);
        QTest::mouseClick(childNamed<QPushButton>(*about, "cmdOK"), Qt::LeftButton);
        QVERIFY(!topLevel("frmHelp") && !topLevel("frmAbout"));
    }

    void makePatchFilesThroughTheMenuWritesThePatch()
    {
        SampleWindow game(GameEdition::Dos12);
        game.load();
        game.window.session().pushSnapshot(orvane::FileId::Obdata);
        game.image(orvane::FileId::Obdata)[5] ^= 0xFF;
        const std::string target = game.gameFile("mine.qev");
        game.prompts.answerFile(target);
        game.trigger("mnuPatch");
        const auto written = orvane::test::readFileBytes(target);
        QCOMPARE(written, *orvane::buildPatchFile(game.window.session().files()));
        QCOMPARE(written.at(4'586 + 5), game.image(orvane::FileId::Obdata)[5]);
        QVERIFY(game.prompts.messages().empty());
        QVERIFY(game.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestSmallWindows)

#include "tst_SmallWindows.moc"
