// The Soldier Names page driven through its lists: a double click edits a name, Undo brings it back.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QtTest>

#include "files/RealFileSystem.h"
#include "samplegame/SampleGame.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "ui/GameFont.h"
#include "ui/MainWindow.h"

using orvane::FileId;
using orvane::GameEdition;

namespace {

template <typename T>
T* control(QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

void doubleClick(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestNamesPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) top->close();
    }

    void editsAFirstNameByDoubleClickAndUndoesIt()
    {
        orvane::test::TempDir dir;
        const std::string exePath = orvane::sample::writeSampleGame(dir.str(), GameEdition::Dos12);
        orvane::test::ScriptedPrompts prompts;
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);
        window.show();

        auto* first = control<QListWidget>(window, "lstFirst");
        auto* last = control<QListWidget>(window, "lstLast");
        QCOMPARE(first->count(), 0);
        QCOMPARE(first->font(), orvane::ui::gameFont());
        QCOMPARE(last->font(), orvane::ui::gameFont());
        QStringList labels;
        for (auto* label : first->parentWidget()->findChildren<QLabel*>()) labels << label->text();
        QVERIFY(labels.contains(QStringLiteral("First Names")));
        QVERIFY(labels.contains(QStringLiteral("Last Names")));
        QCOMPARE(control<QLabel>(window, "lblName")->text(),
                 QStringLiteral("This is a list of all the default soldier names. Double Click to edit.\n"
                                "I suggest using the same sex as the first name already is or you'll have men "
                                "with women's names and vice versa."));

        prompts.answerFile(exePath);
        control<QAction>(window, "mnuOpen")->trigger();
        QCOMPARE(first->count(), 120);
        QCOMPARE(last->count(), 120);
        control<QTabWidget>(window, "tabFac")->setCurrentIndex(2);

        auto& exe = window.session().image(FileId::Exe);
        const orvane::ByteImage loaded = exe;
        const QString oldName = first->item(4)->text();
        prompts.answer("Twelve chars").answer("Zed");
        doubleClick(first, 4);
        QCOMPARE(prompts.shown().back().title, std::string("New Name"));
        QCOMPARE(prompts.shown().back().defaultText, oldName.toStdString());
        QCOMPARE(first->item(4)->text(), QStringLiteral("Zed"));
        const std::size_t slot = 390544 + 11 * 4;
        std::map<std::size_t, std::uint8_t> expected;
        const std::uint8_t written[11] = {'Z', 'e', 'd'};
        for (std::size_t i = 0; i < 11; ++i) {
            if (loaded.at(slot + i) != written[i]) expected[slot + i] = written[i];
        }
        QVERIFY(orvane::test::changedBytes(loaded, exe) == expected);

        control<QAction>(window, "mnuUndo")->trigger();
        QVERIFY(exe == loaded);
        QCOMPARE(first->item(4)->text(), oldName);

        prompts.answerYesNo(false);
        control<QAction>(window, "mnuClose")->trigger();
        QCOMPARE(first->count(), 0);
        QCOMPARE(last->count(), 0);
        QVERIFY(prompts.unexpected().empty());
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestNamesPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_NamesPage.moc"
