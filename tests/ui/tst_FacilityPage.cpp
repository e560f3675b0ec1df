// The Facility Editor page: its types and captions, a type chosen by keys, a cost and the Standard to
// Build switch written, Undo, Save and Close files.
#include "widgets/PageWindow.h"

namespace orvane::test {
namespace {

constexpr std::size_t Laser = 374242 + 16 * 9; // the Laser Defense record of DOS 1.2

// DOS 1.2 with the Facility Editor page shown.
struct FacilityPage : PageWindow {
    explicit FacilityPage(Loading loading = Loading::Load) : PageWindow(1, GameEdition::Dos12, loading) {}

    // Laser Defense chosen by keys from the top of the list.
    void chooseLaserDefense()
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->currentText() != QStringLiteral("Laser Defense"); ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }
    // Laser Defense given a cost of 1,500 through its box, then its switch at Yes.
    void editCostThenSwitch()
    {
        chooseLaserDefense();
        prompts.answer("1,500");
        QTest::mouseClick(cmdPrice, Qt::LeftButton);
        clickIndicator(yes);
    }

    QComboBox* combo = find<QComboBox>("cmbType");
    QPushButton* cmdPrice = find<QPushButton>("cmdPrice");
    QGroupBox* frmBuild = find<QGroupBox>("frmBuild");
    QRadioButton* yes = find<QRadioButton>("optYes");
    QRadioButton* no = find<QRadioButton>("optNo");
};

const Changes CostChanges{{Laser, 0xDC}, {Laser + 1, 0x05}}; // 1,500, low byte first

} // namespace

class TestFacilityPage : public QObject {
    Q_OBJECT

private slots:
    void theTypesAndCaptionsAreThereBeforeALoad()
    {
        FacilityPage w(Loading::NoLoad);
        QVERIFY(w.combo->count() == 17 && w.combo->itemText(16) == QStringLiteral("Hangar"));
        QCOMPARE(w.frmBuild->title(), QStringLiteral("Standard to Build?:"));
        QStringList labels;
        for (const QLabel* label : w.combo->parentWidget()->findChildren<QLabel*>()) labels << label->text();
        for (const char* caption : {"Facility Name:", "Construction Cost/$k:", "Construction Time:",
                                    "Monthly Cost/$k:", "Defense Strength:", "Hit Ratio (%):"})
            QVERIFY2(labels.contains(QString::fromLatin1(caption)), caption);
    }

    void aTypeChosenByKeysShowsItsValuesAndEnablesThem()
    {
        FacilityPage w;
        QVERIFY(w.combo->isEnabled() && !w.cmdPrice->isEnabledTo(w.tabs));
        w.chooseLaserDefense();
        QCOMPARE(w.combo->currentText(), QStringLiteral("Laser Defense"));
        QVERIFY(w.cmdPrice->isEnabledTo(w.tabs) && w.frmBuild->isEnabledTo(w.tabs));
        QCOMPARE(w.cmdPrice->text(), QStringLiteral("400"));
        QCOMPARE(w.find<QPushButton>("cmdStrength")->text(), QStringLiteral("600"));
        QCOMPARE(w.find<QPushButton>("cmdRatio")->text(), QStringLiteral("60"));
        QVERIFY(w.no->isChecked() && !w.yes->isChecked());
    }

    void aCostIsShownGroupedAndWrittenLowByteFirst()
    {
        FacilityPage w;
        w.chooseLaserDefense();
        w.prompts.answer("1,500");
        QTest::mouseClick(w.cmdPrice, Qt::LeftButton);
        QCOMPARE(w.cmdPrice->text(), QStringLiteral("1,500"));
        QCOMPARE(changedBytes(readFileBytes(w.exePath), w.image(FileId::Exe)), CostChanges);
    }

    void theStandardSwitchWritesItsByte()
    {
        FacilityPage w;
        w.chooseLaserDefense();
        clickIndicator(w.yes);
        QCOMPARE(changedBytes(readFileBytes(w.exePath), w.image(FileId::Exe)), (Changes{{Laser + 10, 14}}));
    }

    void undoTakesBackTheSwitchAndKeepsTheCost()
    {
        FacilityPage w;
        w.editCostThenSwitch();
        w.trigger("mnuUndo");
        QVERIFY(w.no->isChecked() && !w.yes->isChecked());
        QCOMPARE(w.cmdPrice->text(), QStringLiteral("1,500"));
    }

    void saveWritesWhatUndoLeft()
    {
        FacilityPage w;
        const ByteImage onDisk = readFileBytes(w.exePath);
        w.editCostThenSwitch();
        w.trigger("mnuUndo");
        w.trigger("mnuSave");
        QCOMPARE(changedBytes(onDisk, readFileBytes(w.exePath)), CostChanges);
    }

    void closeFilesEmptiesAndDisablesThePage()
    {
        FacilityPage w;
        w.chooseLaserDefense();
        w.trigger("mnuClose");
        QVERIFY(!w.combo->isEnabled() && !w.cmdPrice->isEnabledTo(w.tabs) && !w.frmBuild->isEnabledTo(w.tabs));
        QVERIFY(w.cmdPrice->text().isEmpty() && !w.yes->isChecked() && !w.no->isChecked());
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestFacilityPage)

#include "tst_FacilityPage.moc"
