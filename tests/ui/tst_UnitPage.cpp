// The Unit Editor page driven through its controls: choose a unit, edit a value and the flying
// flag, undo both, close the files.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "files/RealFileSystem.h"
#include "samplegame/SampleGame.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

using orvane::FileId;
using orvane::GameEdition;

namespace {

const char* const ValueButtons[] = {"cmdTU",  "cmdHealth", "cmdEnrg", "cmdReac",  "cmdStr",
                                    "cmdFirA", "cmdThrA",  "cmdFrA",  "cmdLefA",  "cmdRigA",
                                    "cmdReaA", "cmdUndA",  "cmdPsiSk", "cmdPsiSt", "cmdBrav"};

template <typename T>
T* control(QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

} // namespace

class TestUnitPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) top->close();
    }

    void startsWithTheUnitListAndItsValueButtonsDisabled()
    {
        orvane::test::ScriptedPrompts prompts;
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);

        auto* combo = control<QComboBox>(window, "cmbUnit");
        QCOMPARE(combo->count(), 33);
        QCOMPARE(combo->itemText(0), QStringLiteral("Floater Soldier"));
        QCOMPARE(combo->itemText(32), QStringLiteral("Hover Tank"));
        for (int i = 0; i < combo->count(); ++i) QCOMPARE(combo->itemData(i).toInt(), i);
        QCOMPARE(combo->currentIndex(), -1);
        // The page strip is off until a load; what matters is each control's own state.
        auto* tabs = control<QTabWidget>(window, "tabFac");
        QVERIFY(combo->isEnabledTo(tabs));
        for (const char* name : ValueButtons) {
            QVERIFY2(!control<QPushButton>(window, name)->isEnabledTo(tabs), name);
            QVERIFY2(control<QPushButton>(window, name)->text().isEmpty(), name);
        }
        QCOMPARE(control<QGroupBox>(window, "Frame1")->title(), QStringLiteral("Flying Ability?:"));
        QVERIFY(!control<QGroupBox>(window, "Frame1")->isEnabledTo(tabs));
        QCOMPARE(control<QRadioButton>(window, "optYesU")->text(), QStringLiteral("Yes"));
        QCOMPARE(control<QRadioButton>(window, "optNoU")->text(), QStringLiteral("No"));

        QStringList labels;
        for (auto* label : combo->parentWidget()->findChildren<QLabel*>()) labels << label->text();
        for (const char* caption : {"Unit Name:", "Time Units:", "Firing Accuracy:", "Under Armour:", "Bravery:"})
            QVERIFY2(labels.contains(QString::fromLatin1(caption)), caption);
        QCOMPARE(labels.size(), 16);
    }

    void editsAValueAndTheFlyingFlagThenUndoesThem()
    {
        orvane::test::TempDir dir;
        const std::string exePath = orvane::sample::writeSampleGame(dir.str(), GameEdition::Collectors);
        orvane::test::ScriptedPrompts prompts;
        orvane::RealFileSystem fs;
        orvane::ui::MainWindow window(prompts, fs);
        window.show();
        prompts.answerFile(exePath);
        control<QAction>(window, "mnuOpen")->trigger();
        auto& exe = window.session().image(FileId::Exe);
        const orvane::ByteImage loaded = exe;

        auto* tabs = control<QTabWidget>(window, "tabFac");
        tabs->setCurrentIndex(3);
        auto* combo = control<QComboBox>(window, "cmbUnit");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End); // Hover Tank, record 32
        constexpr std::size_t hoverTank = 480147 + 39 * 32;

        auto* cmdTU = control<QPushButton>(window, "cmdTU");
        QVERIFY(cmdTU->isEnabled());
        QCOMPARE(cmdTU->text(), QString::number(exe.at(hoverTank + 1)));
        QCOMPARE(control<QPushButton>(window, "cmdBrav")->text(), QString::number(110 - 10 * exe.at(hoverTank + 27)));
        auto* yes = control<QRadioButton>(window, "optYesU");
        auto* no = control<QRadioButton>(window, "optNoU");
        QCOMPARE(yes->isChecked(), exe.at(hoverTank) == 1);
        QCOMPARE(no->isChecked(), exe.at(hoverTank) != 1);

        const auto newTU = static_cast<std::uint8_t>((exe.at(hoverTank + 1) + 1) % 256);
        prompts.answer("256").answer(std::to_string(newTU));
        QTest::mouseClick(cmdTU, Qt::LeftButton);
        QCOMPARE(cmdTU->text(), QString::number(newTU));
        QRadioButton* other = yes->isChecked() ? no : yes;
        const std::uint8_t flying = other == yes ? 1 : 0;
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2)); // on the indicator
        QVERIFY(other->isChecked());
        const std::map<std::size_t, std::uint8_t> expected{{hoverTank, flying}, {hoverTank + 1, newTU}};
        QVERIFY(orvane::test::changedBytes(loaded, exe) == expected);
        QCOMPARE(prompts.shown().size(), std::size_t{3}); // the open dialog and the box twice

        control<QAction>(window, "mnuUndo")->trigger();
        control<QAction>(window, "mnuUndo")->trigger();
        QVERIFY(exe == loaded);
        QCOMPARE(cmdTU->text(), QString::number(loaded.at(hoverTank + 1)));
        QCOMPARE(yes->isChecked(), loaded.at(hoverTank) == 1);

        prompts.answerYesNo(false); // Undo leaves Save available, so Close asks first
        control<QAction>(window, "mnuClose")->trigger();
        QVERIFY(!cmdTU->isEnabledTo(tabs));
        QVERIFY(cmdTU->text().isEmpty());
        QVERIFY(!yes->isChecked() && !no->isChecked());
        QVERIFY(combo->isEnabledTo(tabs));
        QVERIFY(prompts.unexpected().empty());
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestUnitPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_UnitPage.moc"
