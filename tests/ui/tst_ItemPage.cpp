// The Item Editor page through the main window: its controls, one edit, Undo, Save and Close files.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "samplegame/SampleGame.h"
#include "files/RealFileSystem.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

using orvane::FileId;
using orvane::GameEdition;

namespace {

const char* const ButtonNames[] = {"cmdName",  "cmdDamage", "cmdAmmo1", "cmdAmmo2", "cmdAmmo3",
                                   "cmdAutoA", "cmdSnapA",  "cmdAimA",  "cmdAutoT", "cmdSnapT",
                                   "cmdAimT",  "cmdAmount", "cmdMelT",  "cmdWeight"};
const char* const OptionNames[] = {"optAP",  "optIN",   "optHE",   "optLaser", "optPlasma", "optStun",  "optNone",
                                   "optNoG", "optGren", "optProx", "optSmoke", "optNoClip", "optClip"};

template <typename T>
T* child(QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

void doubleClickEntry(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestItemPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) top->close();
    }

    void editUndoSaveAndCloseThroughTheWindow()
    {
        orvane::test::TempDir dir;
        const std::string exePath = orvane::sample::writeSampleGame(dir.str(), GameEdition::Collectors);
        const std::string obdataPath = (dir.path() / "GEODATA" / "OBDATA.DAT").string();
        const orvane::ByteImage onDisk = orvane::test::readFileBytes(obdataPath);

        orvane::test::ScriptedPrompts prompts;
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tabs = child<QTabWidget>(window, "tabFac");
        QCOMPARE(tabs->tabText(4), QStringLiteral("Item Editor"));
        QWidget* page = tabs->widget(4);
        auto* list = child<QListWidget>(*page, "lstItem");
        QCOMPARE(list->toolTip(), QStringLiteral("Click on item to view index number, double click to edit."));
        QCOMPARE(child<QPushButton>(*page, "cmdName")->toolTip(), QStringLiteral("Click to change the name."));
        QCOMPARE(child<QPushButton>(*page, "cmdAmmo2")->toolTip(),
                 QStringLiteral("Change Ammo Type 2. Use index number of Ammo item."));
        QCOMPARE(child<QGroupBox>(*page, "Frame2")->title(), QStringLiteral("Damage Type"));
        QCOMPARE(child<QGroupBox>(*page, "frmClip")->title(), QStringLiteral("Is it a clip?"));
        QCOMPARE(child<QGroupBox>(*page, "frmGren")->title(), QStringLiteral("Grenade?"));
        QCOMPARE(child<QRadioButton>(*page, "optNoG")->text(), QStringLiteral("Not a Grenade"));
        QVERIFY(!list->isEnabled());

        prompts.answerFile(exePath);
        child<QAction>(window, "mnuOpen")->trigger();
        tabs->setCurrentIndex(4);
        QVERIFY(list->isEnabled());
        QCOMPARE(list->count(), 80);
        QVERIFY(!child<QPushButton>(*page, "cmdDamage")->isEnabled()); // a load opens no item

        constexpr int Item = 5;
        constexpr std::size_t R = 54 * Item;
        doubleClickEntry(list, Item);
        QCOMPARE(child<QLabel>(*page, "lblIndex")->text(), QStringLiteral("5"));
        for (const char* name : ButtonNames) QVERIFY2(child<QPushButton>(*page, name)->isEnabled(), name);
        QCOMPARE(child<QPushButton>(*page, "cmdName")->text(), list->item(Item)->text());
        auto* cmdDamage = child<QPushButton>(*page, "cmdDamage");
        const QString oldDamage = QString::number(onDisk[R + 22]);
        QCOMPARE(cmdDamage->text(), oldDamage);
        QCOMPARE(window.session().undoCount(), 0u); // showing the item's options wrote nothing

        prompts.answer("42");
        QTest::mouseClick(cmdDamage, Qt::LeftButton);
        QCOMPARE(cmdDamage->text(), QStringLiteral("42"));
        auto& obdata = window.session().image(FileId::Obdata);
        QCOMPARE(orvane::test::changedBytes(onDisk, obdata), (std::map<std::size_t, std::uint8_t>{{R + 22, 42}}));

        child<QAction>(window, "mnuUndo")->trigger();
        QCOMPARE(cmdDamage->text(), oldDamage);
        QVERIFY(window.session().image(FileId::Obdata) == onDisk);

        // A user's click on an option writes its code; then Save puts it on disk.
        auto* optClip = child<QRadioButton>(*page, onDisk[R + 49] == 1 ? "optNoClip" : "optClip");
        QTest::mouseClick(optClip, Qt::LeftButton);
        QVERIFY(optClip->isChecked());
        prompts.clearShown();
        child<QAction>(window, "mnuSave")->trigger();
        const auto saved = orvane::test::changedBytes(onDisk, orvane::test::readFileBytes(obdataPath));
        QCOMPARE(saved, (std::map<std::size_t, std::uint8_t>{{R + 49, onDisk[R + 49] == 1 ? 0 : 1}}));
        bool allSaved = false;
        for (const auto& box : prompts.shown()) allSaved = allSaved || box.text == "All files saved.";
        QVERIFY(allSaved);

        // Close files: the list keeps its entries but goes dead, everything else is emptied.
        child<QAction>(window, "mnuClose")->trigger();
        QVERIFY(!list->isEnabled());
        QCOMPARE(list->count(), 80);
        QCOMPARE(child<QLabel>(*page, "lblIndex")->text(), QString());
        for (const char* name : ButtonNames) {
            QVERIFY2(!child<QPushButton>(*page, name)->isEnabled(), name);
            QVERIFY2(child<QPushButton>(*page, name)->text().isEmpty(), name);
        }
        for (const char* name : {"Frame2", "frmClip", "frmGren"}) QVERIFY2(!child<QGroupBox>(*page, name)->isEnabled(), name);
        for (const char* name : OptionNames) QVERIFY2(!child<QRadioButton>(*page, name)->isChecked(), name);
        QVERIFY(prompts.unexpected().empty());
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestItemPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ItemPage.moc"
