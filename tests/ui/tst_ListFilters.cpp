// The filter box above the item list: only matching entries show, and the index, the opened item
// and every edit keep meaning the real record.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "items/ItemRecord.h"
#include "widgets/SampleWindow.h"

namespace {

QList<int> visibleRows(QListWidget* list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (!list->isRowHidden(row)) rows << row;
    }
    return rows;
}

} // namespace

class TestListFilters : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { orvane::test::closeAllWindows(); }

    void theItemFilterKeepsRealIndexesAndEditsTheRealRecord()
    {
        orvane::test::SampleWindow w;
        w.load();
        w.find<QTabWidget>("tabFac")->setCurrentIndex(4);
        auto* list = w.find<QListWidget>("lstItem");
        auto* filter = w.find<QLineEdit>("txtFilterItem");

        // The last item, typed in the other case: its own name picks it out.
        constexpr int Last = 79;
        const QString name = list->item(Last)->text();
        QTest::keyClicks(filter, name.toLower());
        const QList<int> shown = visibleRows(list);
        QVERIFY(shown.contains(Last));
        for (const int row : shown) QVERIFY(list->item(row)->text().contains(name, Qt::CaseInsensitive));
        QVERIFY(shown.size() < list->count());

        orvane::test::doubleClickRow(list, Last);
        QCOMPARE(w.find<QLabel>("lblIndex")->text(), QStringLiteral("79"));
        w.prompts.answer("7");
        QTest::mouseClick(w.find<QPushButton>("cmdWeight"), Qt::LeftButton);
        QCOMPARE(w.image(orvane::FileId::Obdata).at(orvane::items::recordOffset(Last) + 43), 7);

        // A rename refills the list; the filter still applies to the new names.
        w.prompts.answer("Zzyzx Cannon");
        QTest::mouseClick(w.find<QPushButton>("cmdName"), Qt::LeftButton);
        QVERIFY(!visibleRows(list).contains(Last));
        filter->setText(QStringLiteral("ZZYZX"));
        QCOMPARE(visibleRows(list), QList<int>{Last});

        // Text that no entry holds shows none; the empty filter shows every entry again.
        filter->setText(QStringLiteral("no item has this name"));
        QVERIFY(visibleRows(list).isEmpty());
        filter->clear();
        QCOMPARE(visibleRows(list).size(), 80);
        QVERIFY(w.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestListFilters)

#include "tst_ListFilters.moc"
