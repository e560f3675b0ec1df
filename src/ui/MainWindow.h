#pragma once
// The one working window, with the page strip, the menus and the open game files.
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "core/Prompts.h"
#include "files/FileSystem.h"
#include "session/EditorSession.h"

class QAction;
class QTabWidget;

namespace orvane {
struct PageEditors;
}

namespace orvane::ui {

class AboutWindow;
class ChangesPanel;
class DiskChangedBar;
class DiskWatcher;
class HelpWindow;
class LoadWindow;
class PageHolder;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Prompts& prompts, FileSystem& fs, QWidget* parent = nullptr);
    ~MainWindow() override;

    EditorSession& session() { return *session_; }

    // Makes the page controls usable after a load accepted an executable.
    void enableAll();
    // Makes them unusable and empty: at creation and on Close files.
    void disableAll();

private:
    void buildMenus();
    QAction* addAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut);
    void refreshMenus();
    void loadFiles();
    void closeFiles();
    void save();
    void openChange(int page, int list, std::size_t record);
    // The changes panel, made the first time it is shown.
    ChangesPanel& changesPanel();
    // Another program's writes to the open files: followed from the first complete load, told in the
    // bar above the pages, made the first time it is shown.
    void followDiskChanges();
    void tellDiskChanges();
    DiskChangedBar& diskChangedBar();
    void dismissDiskChanges();

    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<PageEditors> editors_;
    QTabWidget* pageStrip_ = nullptr;
    std::vector<PageHolder*> pages_;
    QPointer<LoadWindow> loadWindow_;
    QPointer<AboutWindow> aboutWindow_;
    QPointer<HelpWindow> helpWindow_;
    QAction* backupsAction_ = nullptr;
    QAction* masterAction_ = nullptr;
    QAction* patchAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* applyPatchAction_ = nullptr;
    QAction* exportModAction_ = nullptr;
    QAction* applyModAction_ = nullptr;
    QAction* changesAction_ = nullptr;
    ChangesPanel* changesPanel_ = nullptr;
    DiskWatcher* diskWatcher_ = nullptr;
    DiskChangedBar* diskChangedBar_ = nullptr;
};

} // namespace orvane::ui
