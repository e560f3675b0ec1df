#pragma once
// The main window on a sample game with one page shown, its windows closed at the end.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTableWidget>

#include "support/ImageDiff.h"
#include "widgets/SampleWindow.h"

namespace orvane::test {

enum class Loading { Load, NoLoad };

struct PageWindow : SampleWindow {
    PageWindow(int pageIndex, GameEdition edition, Loading loading) : SampleWindow(edition), page(pageIndex)
    {
        if (loading == Loading::Load) loadPage();
    }
    ~PageWindow() { closeAllWindows(); }

    // Load Files, then this page shown.
    void loadPage()
    {
        load();
        tabs = openPage(page);
    }
    ByteImage exeOnDisk() const { return readFileBytes(exePath); }
    // The change list panel shown, and its rows.
    QTableWidget* showChanges()
    {
        trigger("mnuChanges");
        return find<QTableWidget>("lstChanges");
    }
    // Another page shown, then a double click on the change list's first row: its page must come back.
    void openFirstChange(QTableWidget* rows)
    {
        tabs->setCurrentIndex(page == 0 ? 1 : 0);
        doubleClickRow(rows, 0);
        QCOMPARE(tabs->currentIndex(), page);
    }

    const int page;
    QTabWidget* tabs = nullptr;
};

} // namespace orvane::test
