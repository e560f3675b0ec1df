// The Facility Editor page: a type chosen by keys, its cost and Standard to Build switch, Undo and Save.
#include "widgets/PageWindow.h"

namespace orvane::test {

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

    QComboBox* combo = find<QComboBox>("cmbType");
    QPushButton* cmdPrice = find<QPushButton>("cmdPrice");
    QGroupBox* frmBuild = find<QGroupBox>("frmBuild");
    QRadioButton* yes = find<QRadioButton>("optYes");
    QRadioButton* no = find<QRadioButton>("optNo");
};

class TestFacilityPage : public QObject {
    Q_OBJECT

private slots:
    void theTypesAndCaptionsBeforeALoadThenATypeChosenByKeysUntilCloseFiles()
    {
        FacilityPage w(Loading::NoLoad);
        QVERIFY(w.combo->count() == 17 && w.combo->itemText(16) == QStringLiteral("Hangar"));
        QCOMPARE(w.frmBuild->title(), QStringLiteral("Standard to Build?:"));
        QStringList labels;
        for (const QLabel* label : w.combo->parentWidget()->findChildren<QLabel*>()) labels << label->text();
        for (const char* caption : {"Facility Name:", "Construction Cost/$k:", "Construction Time:", "Monthly Cost/$k:",
                                    "Defense Strength:", "Hit Ratio (%):"})
            QVERIFY2(labels.contains(QString::fromLatin1(caption)), caption);
        w.loadPage();
        QVERIFY(w.combo->isEnabled() && !w.cmdPrice->isEnabledTo(w.tabs));
        w.chooseLaserDefense();
        QCOMPARE(w.combo->currentText(), QStringLiteral("Laser Defense"));
        QVERIFY(w.cmdPrice->isEnabledTo(w.tabs) && w.frmBuild->isEnabledTo(w.tabs));
        QCOMPARE(w.cmdPrice->text(), QStringLiteral("400"));
        QCOMPARE(w.find<QPushButton>("cmdStrength")->text(), QStringLiteral("600"));
        QCOMPARE(w.find<QPushButton>("cmdRatio")->text(), QStringLiteral("60"));
        QVERIFY(w.no->isChecked() && !w.yes->isChecked());
        w.trigger("mnuClose");
        QVERIFY(!w.combo->isEnabled() && !w.cmdPrice->isEnabledTo(w.tabs) && !w.frmBuild->isEnabledTo(w.tabs));
        QVERIFY(w.cmdPrice->text().isEmpty() && !w.yes->isChecked() && !w.no->isChecked());
    }

    // The cost is shown grouped and written low byte first; Undo takes back the switch only.
    void aCostAndTheStandardSwitchAreWrittenThenUndoneAndSaved()
    {
        FacilityPage w;
        const ByteImage onDisk = w.exeOnDisk();
        const Changes costChanges{{Laser, 0xDC}, {Laser + 1, 0x05}}; // 1,500
        w.chooseLaserDefense();
        w.clickAnswering("cmdPrice", "1,500");
        QCOMPARE(w.cmdPrice->text(), QStringLiteral("1,500"));
        QCOMPARE(changedBytes(onDisk, w.image(FileId::Exe)), costChanges);
        const ByteImage withCost = w.image(FileId::Exe);
        clickIndicator(w.yes);
        QCOMPARE(changedBytes(withCost, w.image(FileId::Exe)), (Changes{{Laser + 10, 14}}));
        w.trigger("mnuUndo");
        QVERIFY(w.no->isChecked() && !w.yes->isChecked());
        QCOMPARE(w.cmdPrice->text(), QStringLiteral("1,500"));
        w.trigger("mnuSave");
        QCOMPARE(changedBytes(onDisk, w.exeOnDisk()), costChanges);
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestFacilityPage)

#include "tst_FacilityPage.moc"
