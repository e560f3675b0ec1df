#pragma once
// Tells the window, a moment after it happens, that something in the folders of the open game's files
// changed: another program may have written them. The system's file watcher follows the folders (a
// file written elsewhere and renamed over a game file replaces it) and the files (a write in place);
// a short wait gathers the many events of one write into one tell. Where the system cannot watch a
// path, the files are checked every second instead.
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace orvane::ui {

class DiskWatcher : public QObject {
    Q_OBJECT
public:
    explicit DiskWatcher(QObject* parent = nullptr);

    // Follows these files and their folders from now on, instead of any followed before.
    void watch(const QStringList& files);
    void stop();

signals:
    void mayHaveChanged();

private:
    void changed();
    void tell();
    // A file renamed over is a new file, no longer followed: it is followed again.
    void followFilesAgain();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer poll_;
    QStringList files_;
};

} // namespace orvane::ui
