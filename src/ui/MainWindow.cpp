#include "ui/MainWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editors/ModCommands.h"
#include "editors/PageEditors.h"
#include "editors/PatchApply.h"
#include "ui/AboutWindow.h"
#include "ui/ChangesPanel.h"
#include "ui/DiskChangedBar.h"
#include "ui/DiskWatcher.h"
#include "ui/HelpWindow.h"
#include "ui/LoadWindow.h"
#include "ui/PageHolder.h"
#include "ui/SteadyPageStrip.h"
#include "ui/WindowNames.h"
#include "ui/pages/BasePage.h"
#include "ui/pages/FacilityPage.h"
#include "ui/pages/ItemPage.h"
#include "ui/pages/NamesPage.h"
#include "ui/pages/StringPage.h"
#include "ui/pages/UnitPage.h"

namespace orvane::ui {

namespace {
const QString WindowTitle = QStringLiteral("Orvane Executable Editor");
// Where Qt shows the modified marker; it is not part of the visible title.
const QString ModifiedMarker = QStringLiteral("[*]");

// Shows a window that is not modal, made the first time; one already open is brought up again. It is a
// window of its own, not the main window's: it stays when the main window is closed, and the program
// ends only when it is closed too.
template <typename Window>
void showOnce(QPointer<Window>& window)
{
    if (!window) window = new Window;
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

MainWindow::MainWindow(Prompts& prompts, FileSystem& fs, QWidget* parent)
    : QMainWindow(parent), session_(std::make_unique<EditorSession>(fs, prompts)),
      editors_(std::make_unique<PageEditors>(*session_))
{
    setObjectName(mainWindowNames::frmMain);
    setWindowTitle(WindowTitle + ModifiedMarker);

    pageStrip_ = new QTabWidget(this);
    pageStrip_->setObjectName(mainWindowNames::tabFac);
    setCentralWidget(pageStrip_);
    new SteadyPageStrip(pageStrip_);
    buildMenus();
    session_->onAvailabilityChanged([this] {
        refreshMenus();
        if (changesPanel_ != nullptr) changesPanel_->scheduleRefresh();
    });
    // Before the first page is made, which then starts out as disableAll leaves the pages.
    disableAll();

    // Each page is made the first time its tab is shown; the first one as it is added.
    connect(pageStrip_, &QTabWidget::currentChanged, this, [this](int index) {
        const auto page = static_cast<std::size_t>(index);
        if (index >= 0 && page < pages_.size()) pages_[page]->page();
    });
    PageEditors& e = *editors_;
    const std::pair<PageHolder::MakePage, changes::PageId> pages[] = {
        {[&e](QWidget* holder) { return new BasePage(e.base, holder); }, changes::PageId::Base},
        {[&e](QWidget* holder) { return new FacilityPage(e.facilities, holder); }, changes::PageId::Facility},
        {[&e](QWidget* holder) { return new NamesPage(e.names, holder); }, changes::PageId::Names},
        {[&e](QWidget* holder) { return new UnitPage(e.units, holder); }, changes::PageId::Units},
        {[&e](QWidget* holder) { return new ItemPage(e.items, holder); }, changes::PageId::Items},
        {[&e](QWidget* holder) { return new StringPage(e.strings, holder); }, changes::PageId::Strings},
    };
    for (const auto& [makePage, id] : pages) {
        pages_.push_back(new PageHolder(makePage, pageStrip_));
        pageStrip_->addTab(pages_.back(), QString::fromLatin1(changes::pageCaption(id)));
    }

    resize(1180, 700);
}

MainWindow::~MainWindow()
{
    session_->onAvailabilityChanged({});
    if (loadWindow_) loadWindow_->close();
    // Closed ones are gone already; these are still open as the program ends.
    delete aboutWindow_;
    delete helpWindow_;
    // The pages and the change list use the editors and the session, so they go first; a strip taken
    // apart makes no page.
    disconnect(pageStrip_, nullptr, this, nullptr);
    delete pageStrip_;
    delete changesPanel_;
}

ChangesPanel& MainWindow::changesPanel()
{
    if (changesPanel_ != nullptr) return *changesPanel_;
    changesPanel_ = new ChangesPanel(*session_, this);
    addDockWidget(Qt::BottomDockWidgetArea, changesPanel_);
    connect(changesPanel_, &ChangesPanel::openRequested, this, [this](const changes::Change& change) {
        openChange(static_cast<int>(*change.page), change.list, change.record);
    });
    connect(changesPanel_, &QDockWidget::visibilityChanged, changesAction_, &QAction::setChecked);
    return *changesPanel_;
}

QAction* MainWindow::addAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void MainWindow::buildMenus()
{
    using namespace mainWindowNames;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(mnuFile);
    QAction* open = addAction(file, mnuOpen, QStringLiteral("L&oad Files"), QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    backupsAction_ = addAction(file, mnuBack, QStringLiteral("&Make Backups"), QKeySequence(Qt::CTRL | Qt::Key_M));
    backupsAction_->setCheckable(true);
    backupsAction_->setChecked(session_->makeBackups());
    masterAction_ =
        addAction(file, mnuMaster, QStringLiteral("Make Master Backup"), QKeySequence(Qt::CTRL | Qt::Key_B));
    patchAction_ = addAction(file, mnuPatch, QStringLiteral("Make &Patch Files"), QKeySequence(Qt::CTRL | Qt::Key_P));
    applyPatchAction_ = addAction(file, mnuApplyPatch, QStringLiteral("&Apply Patch File"), QKeySequence());
    exportModAction_ = addAction(file, mnuExportMod, QStringLiteral("Export Changes as Mod..."), QKeySequence());
    applyModAction_ = addAction(file, mnuApplyMod, QStringLiteral("Apply Mod File..."), QKeySequence());
    saveAction_ = addAction(file, mnuSave, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    closeAction_ = addAction(file, mnuClose, QStringLiteral("&C&lose files"), QKeySequence(Qt::CTRL | Qt::Key_C));
    file->addSeparator();
    QAction* exitAction = addAction(file, mnuExit, QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(mnuEdit);
    undoAction_ = addAction(edit, mnuUndo, QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    changesAction_ = addAction(edit, mnuChanges, QStringLiteral("&Changes Since Load"), QKeySequence());
    changesAction_->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(mnuHelp);
    QAction* about = addAction(help, mnuAbout, QStringLiteral("&About"), QKeySequence());
    QAction* helpMe = addAction(help, mnuHelpMe, QStringLiteral("H&elp"), QKeySequence(Qt::Key_F1));

    connect(open, &QAction::triggered, this, &MainWindow::loadFiles);
    connect(backupsAction_, &QAction::triggered, this, [this] {
        session_->toggleMakeBackups();
        backupsAction_->setChecked(session_->makeBackups());
    });
    connect(masterAction_, &QAction::triggered, this, [this] { session_->makeMasterBackup(); });
    connect(patchAction_, &QAction::triggered, this, [this] { session_->makePatchFile(); });
    connect(saveAction_, &QAction::triggered, this, &MainWindow::save);
    connect(closeAction_, &QAction::triggered, this, &MainWindow::closeFiles);
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(undoAction_, &QAction::triggered, this, [this] { session_->undo(); });
    connect(applyPatchAction_, &QAction::triggered, this, [this] { applyPatchFile(*session_); });
    connect(exportModAction_, &QAction::triggered, this, [this] { exportChangesAsMod(*session_); });
    connect(applyModAction_, &QAction::triggered, this, [this] { applyModFile(*session_); });
    connect(changesAction_, &QAction::toggled, this, [this](bool shown) {
        if (shown || changesPanel_ != nullptr) changesPanel().setVisible(shown);
    });
    connect(about, &QAction::triggered, this, [this] { showOnce(aboutWindow_); });
    connect(helpMe, &QAction::triggered, this, [this] { showOnce(helpWindow_); });
}

void MainWindow::refreshMenus()
{
    const bool open = session_->filesOpen();
    backupsAction_->setEnabled(open);
    masterAction_->setEnabled(open);
    patchAction_->setEnabled(open);
    applyPatchAction_->setEnabled(open);
    exportModAction_->setEnabled(open);
    applyModAction_->setEnabled(open);
    closeAction_->setEnabled(open);
    saveAction_->setEnabled(session_->saveAvailable());
    undoAction_->setEnabled(session_->undoAvailable());
    setWindowModified(session_->modified());
}

void MainWindow::enableAll()
{
    editors_->enableAll();
    refreshMenus();
}

void MainWindow::disableAll()
{
    editors_->disableAll();
    pageStrip_->setCurrentIndex(0);
    pageStrip_->setEnabled(false);
    refreshMenus();
}

void MainWindow::loadFiles()
{
    if (!loadWindow_) loadWindow_ = new LoadWindow(this);
    LoadCalls calls;
    calls.editionRecognised = [this](GameEdition edition) { editors_->base.showEdition(edition); };
    calls.enableAll = [this] { enableAll(); };
    std::string notice;
    calls.notice = [&notice](const std::string& line) { notice = line; };
    const LoadResult result = session_->loadFiles(*loadWindow_, calls);
    if (!notice.empty()) session_->prompts().showMessage(InterruptedSaveTitle, notice);
    // A load the user cancelled left the files open as they were.
    if (result == LoadResult::Cancelled) return;
    dismissDiskChanges();
    if (result != LoadResult::Complete) {
        if (diskWatcher_ != nullptr) diskWatcher_->stop();
        return;
    }
    followDiskChanges();
    pageStrip_->setEnabled(true);
    // A "[*]" inside the path is doubled so that Qt shows it as written.
    QString path = QString::fromStdString(session_->files().exePath);
    path.replace(ModifiedMarker, QStringLiteral("[*][*]"));
    setWindowTitle(WindowTitle + QStringLiteral(" - ") + path + ModifiedMarker);
}

void MainWindow::openChange(int page, int list, std::size_t record)
{
    if (!pageStrip_->isEnabled() || page < 0 || static_cast<std::size_t>(page) >= pages_.size()) return;
    pageStrip_->setCurrentIndex(page);
    pages_.at(static_cast<std::size_t>(page))->page().showRecord(list, record);
}

void MainWindow::closeFiles()
{
    session_->closeFiles([this] { disableAll(); });
    if (session_->filesOpen()) return;
    if (diskWatcher_ != nullptr) diskWatcher_->stop();
    dismissDiskChanges();
}

void MainWindow::save()
{
    // A save writes over whatever another program left, once the user chose how.
    if (session_->save()) dismissDiskChanges();
}

void MainWindow::followDiskChanges()
{
    if (diskWatcher_ == nullptr) {
        diskWatcher_ = new DiskWatcher(this);
        connect(diskWatcher_, &DiskWatcher::mayHaveChanged, this, &MainWindow::tellDiskChanges);
    }
    QStringList paths;
    for (const LoadedFile& file : session_->files().files) paths.append(QString::fromStdString(file.diskPath));
    diskWatcher_->watch(paths);
}

void MainWindow::tellDiskChanges()
{
    QStringList names;
    for (const FileId id : session_->newDiskChanges()) {
        names.append(QFileInfo(QString::fromStdString(session_->files().file(id).diskPath)).fileName());
    }
    if (!names.isEmpty()) diskChangedBar().showChangedFiles(names);
}

DiskChangedBar& MainWindow::diskChangedBar()
{
    if (diskChangedBar_ != nullptr) return *diskChangedBar_;
    // The bar stands above the page strip: both go into a holder that becomes the central widget.
    auto* holder = new QWidget(this);
    holder->setObjectName(mainWindowNames::pnlPages);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    diskChangedBar_ = new DiskChangedBar(holder);
    layout->addWidget(diskChangedBar_);
    layout->addWidget(takeCentralWidget());
    setCentralWidget(holder);
    pageStrip_->show();
    connect(diskChangedBar_, &DiskChangedBar::keepBothRequested, this, [this] {
        if (session_->keepBothWithDisk()) dismissDiskChanges();
    });
    connect(diskChangedBar_, &DiskChangedBar::reloadRequested, this, [this] {
        if (session_->reloadFromDisk()) dismissDiskChanges();
    });
    return *diskChangedBar_;
}

void MainWindow::dismissDiskChanges()
{
    if (diskChangedBar_ != nullptr) diskChangedBar_->dismiss();
}

} // namespace orvane::ui
