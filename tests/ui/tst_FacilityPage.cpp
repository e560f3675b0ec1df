// The Facility Editor page through its controls: choose the Laser Defense, change its construction
// cost and its standard-to-build switch, undo the switch, save, close the files.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "support/ImageDiff.h"
#include "widgets/SampleWindow.h"

using orvane::FileId;
using Changes = std::map<std::size_t, std::uint8_t>;

class TestFacilityPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void editsTheLaserDefenseUndoesTheSwitchAndSaves()
    {
        orvane::test::SampleWindow sample(orvane::GameEdition::Dos12);
        auto* combo = sample.find<QComboBox>("cmbType");
        auto* cmdPrice = sample.find<QPushButton>("cmdPrice");
        auto* frmBuild = sample.find<QGroupBox>("frmBuild");
        auto* yes = sample.find<QRadioButton>("optYes");
        auto* no = sample.find<QRadioButton>("optNo");
        QVERIFY(!combo->isEnabled());
        QCOMPARE(combo->count(), 17);
        QCOMPARE(combo->itemText(16), QStringLiteral("Hangar"));
        QCOMPARE(frmBuild->title(), QStringLiteral("Standard to Build?:"));
        QStringList labels;
        for (const QLabel* label : combo->parentWidget()->findChildren<QLabel*>()) labels << label->text();
        for (const char* caption : {"Facility Name:", "Construction Cost/$k:", "Construction Time:",
                                    "Monthly Cost/$k:", "Defense Strength:", "Hit Ratio (%):"})
            QVERIFY2(labels.contains(QString::fromLatin1(caption)), caption);

        sample.load();
        auto* tabs = sample.find<QTabWidget>("tabFac");
        tabs->setCurrentIndex(1);
        QVERIFY(combo->isEnabled());
        QVERIFY(!cmdPrice->isEnabledTo(tabs));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->currentText() != QStringLiteral("Laser Defense"); ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("Laser Defense"));

        QVERIFY(cmdPrice->isEnabledTo(tabs) && frmBuild->isEnabledTo(tabs));
        QCOMPARE(cmdPrice->text(), QStringLiteral("400"));
        QCOMPARE(sample.find<QPushButton>("cmdStrength")->text(), QStringLiteral("600"));
        QCOMPARE(sample.find<QPushButton>("cmdRatio")->text(), QStringLiteral("60"));
        QVERIFY(no->isChecked() && !yes->isChecked());

        auto& exe = sample.image(FileId::Exe);
        const orvane::ByteImage loaded = exe;
        constexpr std::size_t laser = 374242 + 16 * 9;
        sample.prompts.answer("1,500");
        QTest::mouseClick(cmdPrice, Qt::LeftButton);
        QCOMPARE(cmdPrice->text(), QStringLiteral("1,500"));
        QTest::mouseClick(yes, Qt::LeftButton, {}, QPoint(4, yes->height() / 2)); // on the indicator
        QVERIFY(orvane::test::changedBytes(loaded, exe) == (Changes{{laser, 0xDC}, {laser + 1, 0x05}, {laser + 10, 14}}));

        sample.trigger("mnuUndo");
        QVERIFY(no->isChecked() && !yes->isChecked());
        QCOMPARE(cmdPrice->text(), QStringLiteral("1,500"));
        sample.trigger("mnuSave");
        const Changes saved{{laser, 0xDC}, {laser + 1, 0x05}};
        QVERIFY(orvane::test::changedBytes(loaded, orvane::test::readFileBytes(sample.exePath)) == saved);
        QVERIFY(orvane::test::readFileBytes(sample.exePath + ".bak") == loaded);

        sample.trigger("mnuClose");
        QVERIFY(!combo->isEnabled() && !cmdPrice->isEnabledTo(tabs) && !frmBuild->isEnabledTo(tabs));
        QVERIFY(cmdPrice->text().isEmpty());
        QVERIFY(!yes->isChecked() && !no->isChecked());
        QVERIFY(sample.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestFacilityPage)

#include "tst_FacilityPage.moc"
