#pragma once
// frmMain: the one working window, with the page strip tabFac, the menus and the open game files.
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "core/Prompts.h"
#include "files/FileSystem.h"
#include "session/EditorSession.h"

class QAction;
class QTabWidget;

namespace orvane::ui {

class AboutWindow;
class ChangesPanel;
class DiskChangedBar;
class DiskWatcher;
class HelpWindow;
class LoadWindow;
class PageHolder;
struct PageEditors;

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
    void updateMenus();
    void loadFiles();
    void closeFiles();
    void save();
    void openChange(int page, int list, std::size_t record);
    // frmChanges, made the first time it is shown.
    ChangesPanel& changesPanel();
    // Another program's writes to the open files: followed from the first complete load, told in the
    // bar above the pages, made the first time it is shown.
    void followDiskChanges();
    void tellDiskChanges();
    DiskChangedBar& diskChangedBar();
    void dismissDiskChanges();

    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<PageEditors> editors_;
    QTabWidget* tabFac_ = nullptr;
    std::vector<PageHolder*> pages_;
    QPointer<LoadWindow> loadWindow_;
    QPointer<AboutWindow> aboutWindow_;
    QPointer<HelpWindow> helpWindow_;
    QAction* mnuBack_ = nullptr;
    QAction* mnuMaster_ = nullptr;
    QAction* mnuPatch_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuClose_ = nullptr;
    QAction* mnuUndo_ = nullptr;
    QAction* mnuApplyPatch_ = nullptr;
    QAction* mnuExportMod_ = nullptr;
    QAction* mnuApplyMod_ = nullptr;
    QAction* mnuChanges_ = nullptr;
    ChangesPanel* frmChanges_ = nullptr;
    DiskWatcher* diskWatcher_ = nullptr;
    DiskChangedBar* barDiskChanged_ = nullptr;
};

} // namespace orvane::ui
