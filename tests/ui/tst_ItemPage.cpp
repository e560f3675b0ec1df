// The Item Editor page through its filter, which keeps the real index: every edit means the real record.
#include "widgets/PageWindow.h"

namespace orvane::test {

constexpr int Last = 79;
constexpr std::size_t R = 54 * Last; // the last item's record in OBDATA.DAT

// The Collector's Edition loaded with the Item Editor page shown.
struct ItemPage : PageWindow {
    ItemPage() : PageWindow(4, GameEdition::Collectors, Loading::Load) {}

    QList<int> visibleRows() const
    {
        QList<int> rows;
        for (int row = 0; row < list->count(); ++row)
            if (!list->isRowHidden(row)) rows << row;
        return rows;
    }

    const std::string obdataPath = gameFile("GEODATA/OBDATA.DAT");
    const ByteImage onDisk = readFileBytes(obdataPath);
    QListWidget* list = find<QListWidget>("lstItem");
    QLineEdit* filter = find<QLineEdit>("txtFilterItem");
    QPushButton* cmdDamage = find<QPushButton>("cmdDamage");
    QPushButton* cmdWeight = find<QPushButton>("cmdWeight");
    const QString name = list->item(Last)->text();
};

class TestItemPage : public QObject {
    Q_OBJECT

private slots:
    // Showing the item's options writes nothing.
    void anItemOpenedThroughTheFilterShowsAndWritesItsRealRecord()
    {
        ItemPage w;
        QCOMPARE(w.list->count(), 80);
        QVERIFY(!w.cmdDamage->isEnabled());
        QTest::keyClicks(w.filter, w.name.toLower());
        const QList<int> shown = w.visibleRows();
        QVERIFY(shown.contains(Last) && shown.size() < w.list->count());
        for (const int row : shown) QVERIFY(w.list->item(row)->text().contains(w.name, Qt::CaseInsensitive));
        doubleClickRow(w.list, Last);
        QCOMPARE(w.find<QLabel>("lblIndex")->text(), QStringLiteral("79"));
        QCOMPARE(w.find<QPushButton>("cmdName")->text(), w.name);
        QCOMPARE(w.cmdDamage->text(), QString::number(w.onDisk[R + 22]));
        QCOMPARE(w.cmdWeight->text(), QString::number(w.onDisk[R + 43]));
        QCOMPARE(w.window.session().undoCount(), 0u);

        // Values are written to the real record, then undone and saved.
        w.clickAnswering("cmdDamage", "42");
        w.clickAnswering("cmdWeight", "7");
        QCOMPARE(w.cmdDamage->text(), QStringLiteral("42"));
        QCOMPARE(w.cmdWeight->text(), QStringLiteral("7"));
        QCOMPARE(changedBytes(w.onDisk, w.image(FileId::Obdata)), (Changes{{R + 22, 42}, {R + 43, 7}}));
        w.trigger("mnuUndo");
        QCOMPARE(w.cmdWeight->text(), QString::number(w.onDisk[R + 43]));
        QCOMPARE(changedBytes(w.onDisk, w.image(FileId::Obdata)), (Changes{{R + 22, 42}}));
        w.trigger("mnuSave");
        QCOMPARE(changedBytes(w.onDisk, readFileBytes(w.obdataPath)), (Changes{{R + 22, 42}}));

        // A rename refills the list; the filter still applies to the new names.
        w.clickAnswering("cmdName", "Zzyzx Cannon");
        QVERIFY(!w.visibleRows().contains(Last));
        w.filter->setText(QStringLiteral("ZZYZX"));
        QCOMPARE(w.visibleRows(), QList<int>{Last});
        w.filter->clear();
        QCOMPARE(w.visibleRows().size(), 80);
    }
};

} // namespace orvane::test

ORVANE_WIDGET_TEST_MAIN(orvane::test::TestItemPage)

#include "tst_ItemPage.moc"
