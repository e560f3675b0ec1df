// The Unit Editor page through its controls: choose the Hover Tank, edit its time units and flying
// flag, undo both, close the files.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "support/ImageDiff.h"
#include "widgets/SampleWindow.h"

using orvane::FileId;

class TestUnitPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void editsAValueAndTheFlyingFlagThenUndoesThem()
    {
        orvane::test::SampleWindow sample; // the Collector's Edition
        sample.load();
        auto* tabs = sample.find<QTabWidget>("tabFac");
        tabs->setCurrentIndex(3);
        auto* combo = sample.find<QComboBox>("cmbUnit");
        QCOMPARE(combo->count(), 33);
        QCOMPARE(combo->itemText(32), QStringLiteral("Hover Tank"));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);

        auto& exe = sample.image(FileId::Exe);
        const orvane::ByteImage loaded = exe;
        constexpr std::size_t hoverTank = 480147 + 39 * 32;
        auto* cmdTU = sample.find<QPushButton>("cmdTU");
        auto* yes = sample.find<QRadioButton>("optYesU");
        auto* no = sample.find<QRadioButton>("optNoU");
        QCOMPARE(cmdTU->text(), QString::number(loaded.at(hoverTank + 1)));
        QCOMPARE(sample.find<QPushButton>("cmdBrav")->text(), QString::number(110 - 10 * loaded.at(hoverTank + 27)));
        QCOMPARE(yes->isChecked(), loaded.at(hoverTank) == 1);
        QCOMPARE(no->isChecked(), loaded.at(hoverTank) != 1);

        const auto newTU = static_cast<std::uint8_t>((loaded.at(hoverTank + 1) + 1) % 256);
        sample.prompts.answer(std::to_string(newTU));
        QTest::mouseClick(cmdTU, Qt::LeftButton);
        QCOMPARE(cmdTU->text(), QString::number(newTU));
        QRadioButton* other = yes->isChecked() ? no : yes;
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2)); // on the indicator
        const std::map<std::size_t, std::uint8_t> expected{{hoverTank, other == yes ? 1 : 0}, {hoverTank + 1, newTU}};
        QVERIFY(orvane::test::changedBytes(loaded, exe) == expected);

        sample.trigger("mnuUndo");
        sample.trigger("mnuUndo");
        QVERIFY(exe == loaded);
        QCOMPARE(cmdTU->text(), QString::number(loaded.at(hoverTank + 1)));
        QCOMPARE(yes->isChecked(), loaded.at(hoverTank) == 1);

        sample.prompts.answerYesNo(false); // Undo leaves Save available, so Close asks first
        sample.trigger("mnuClose");
        QVERIFY(!cmdTU->isEnabledTo(tabs));
        QVERIFY(cmdTU->text().isEmpty());
        QVERIFY(!yes->isChecked() && !no->isChecked());
        QVERIFY(sample.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestUnitPage)

#include "tst_UnitPage.moc"
