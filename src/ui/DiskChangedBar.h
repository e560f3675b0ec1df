#pragma once
// The bar above the pages that says another program changed the open game's files on
// disk, and offers Keep Both, Reload and Ignore. It only shows the files it is told of and passes the
// clicks on; Ignore hides it.
#include <QFrame>
#include <QStringList>

class QLabel;

namespace orvane::ui {

class DiskChangedBar : public QFrame {
    Q_OBJECT
public:
    explicit DiskChangedBar(QWidget* parent = nullptr);

    // Shows the bar naming these files beside any it names already.
    void showChangedFiles(const QStringList& files);
    // Hides the bar and forgets the files it named.
    void dismiss();
    const QStringList& changedFiles() const { return files_; }

signals:
    void keepBothRequested();
    void reloadRequested();

private:
    QLabel* message_ = nullptr;
    QStringList files_;
};

} // namespace orvane::ui
