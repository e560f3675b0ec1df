#include "ui/DiskWatcher.h"

#include <QFileInfo>

namespace orvane::ui {

namespace {

// Long enough to take a whole write of four files as one change, short enough to tell it at once.
constexpr int SettleMs = 300;
constexpr int PollMs = 1000;

} // namespace

DiskWatcher::DiskWatcher(QObject* parent) : QObject(parent)
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    poll_.setInterval(PollMs);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DiskWatcher::changed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DiskWatcher::changed);
    connect(&settle_, &QTimer::timeout, this, &DiskWatcher::tell);
    connect(&poll_, &QTimer::timeout, this, &DiskWatcher::tell);
}

void DiskWatcher::watch(const QStringList& files)
{
    stop();
    files_ = files;
    QStringList folders;
    for (const QString& file : files) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!folders.contains(folder)) folders.append(folder);
    }
    const QStringList unwatched = watcher_.addPaths(folders + files);
    if (!unwatched.isEmpty()) poll_.start();
}

void DiskWatcher::stop()
{
    settle_.stop();
    poll_.stop();
    files_.clear();
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
}

void DiskWatcher::changed() { settle_.start(); }

void DiskWatcher::tell()
{
    followFilesAgain();
    emit mayHaveChanged();
}

void DiskWatcher::followFilesAgain()
{
    const QStringList followed = watcher_.files();
    QStringList lost;
    for (const QString& file : files_) {
        if (!followed.contains(file) && QFileInfo::exists(file)) lost.append(file);
    }
    if (!lost.isEmpty() && !watcher_.addPaths(lost).isEmpty()) poll_.start();
}

} // namespace orvane::ui
