// The filter boxes above the item list and the string lists: only matching entries show, and the
// index, the opened entry and every edit keep meaning the real record or string number.
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

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

    void theStringFiltersKeepRealNumbersThroughApplyAndTheChangeList()
    {
        orvane::test::SampleWindow w;
        w.load();
        auto* tabs = w.find<QTabWidget>("tabFac");
        tabs->setCurrentIndex(5);
        auto* list = w.find<QListView>("lstEng1");
        auto* filter = w.find<QLineEdit>("txtFilterEng1");
        QAbstractItemModel* model = list->model();
        const int total = model->rowCount();
        const auto textAt = [model](int row) { return model->index(row, 0).data().toString(); };
        const QString prefix = QStringLiteral("Research complete: ");
        int last = -1;
        for (int row = 0; row < total; ++row) {
            if (textAt(row).startsWith(prefix)) last = row;
        }
        QVERIFY(last > 0);
        const QString lastText = textAt(last);

        QTest::keyClicks(filter, QStringLiteral("research COMPLETE"));
        const int shown = model->rowCount();
        QVERIFY(shown > 1 && shown < total);
        for (int row = 0; row < shown; ++row) {
            QVERIFY(textAt(row).contains(QStringLiteral("research complete"), Qt::CaseInsensitive));
        }
        QCOMPARE(textAt(shown - 1), lastText);
        orvane::test::doubleClickRow(list, shown - 1);
        QCOMPARE(w.find<QLabel>("lblEng1")->text(), QString::number(last + 1));
        auto* text = w.find<QLineEdit>("Text1");
        QCOMPARE(text->text(), lastText);
        text->setText(prefix + QStringLiteral("every secret of the stars"));
        QTest::mouseClick(w.find<QPushButton>("cmdApplyStr"), Qt::LeftButton);

        // The refill keeps the filter; the new text stands at the real string number.
        QCOMPARE(model->rowCount(), shown);
        QCOMPARE(textAt(shown - 1), prefix + QStringLiteral("every secret of the stars"));

        // A filter hiding the string is cleared when the change list opens it.
        filter->setText(QStringLiteral("no string holds this"));
        QCOMPARE(model->rowCount(), 0);
        w.trigger("mnuChanges");
        auto* rows = w.find<QTableWidget>("lstChanges");
        QTRY_COMPARE(rows->rowCount(), 1);
        tabs->setCurrentIndex(0);
        orvane::test::doubleClickRow(rows, 0);
        QCOMPARE(tabs->currentIndex(), 5);
        QVERIFY(filter->text().isEmpty());
        QCOMPARE(list->currentIndex().row(), last);
        QCOMPARE(w.find<QLabel>("lblEng1")->text(), QString::number(last + 1));
        QCOMPARE(text->text(), prefix + QStringLiteral("every secret of the stars"));

        // The other list filters on its own; an empty filter shows every string again.
        auto* filter2 = w.find<QLineEdit>("txtFilterEng2");
        QAbstractItemModel* model2 = w.find<QListView>("lstEng2")->model();
        const int total2 = model2->rowCount();
        filter2->setText(QStringLiteral("no string holds this"));
        QCOMPARE(model2->rowCount(), 0);
        QCOMPARE(model->rowCount(), total);
        filter2->clear();
        QCOMPARE(model2->rowCount(), total2);
        QVERIFY(w.prompts.unexpected().empty());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestListFilters)

#include "tst_ListFilters.moc"
