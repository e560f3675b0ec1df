#pragma once
// A main window on a fresh sample game, controls found by objectName, and list double clicks.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "files/RealFileSystem.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

namespace orvane::test {

// offset -> new byte, as changedBytes gives it.
using Changes = std::map<std::size_t, std::uint8_t>;

// The control of this name inside a window; the test stops when there is none.
template <typename T>
T* childNamed(QObject& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control named %s", name);
    return found;
}

struct SampleWindow {
    explicit SampleWindow(GameEdition edition = GameEdition::Collectors);
    // No box may have come that the script did not answer.
    ~SampleWindow() { QVERIFY(prompts.unexpected().empty()); }

    // Load Files through the menu, answering the open dialog with the sample executable.
    void load();

    // The control or menu action of this name; the test stops when there is none. A page is made the
    // first time it is shown, so a control not made yet is looked for by showing each page in turn,
    // after which the page shown before is shown again.
    template <typename T>
    T* find(const char* name)
    {
        if (window.findChild<T*>(QString::fromLatin1(name)) == nullptr) showPagesUntilMade<T>(name);
        return childNamed<T>(window, name);
    }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    // A click on the button, its box answered with `answer` (std::nullopt: Cancel).
    void clickAnswering(const char* button, std::optional<std::string> answer)
    {
        prompts.answer(std::move(answer));
        click(button);
    }
    ByteImage& image(FileId id) { return window.session().image(id); }
    // Shows page `index` of the page strip.
    QTabWidget* openPage(int index);
    // Picks unit `unit` on the Unit Editor page as a choice from its list does.
    void chooseUnit(int unit);
    // Picks unit `unit`, clicks cmdTU and answers its box with `answer`.
    void editTimeUnits(int unit, const std::string& answer);
    // The title as the desktop shows it, with Qt's modified marker in place.
    QString visibleTitle() const { return window.windowHandle()->title(); }
    std::string gameFile(const std::string& relative) const { return (dir.path() / relative).string(); }

    template <typename T>
    void showPagesUntilMade(const char* name)
    {
        auto* tabs = childNamed<QTabWidget>(window, "tabFac");
        const int shown = tabs->currentIndex();
        for (int page = 0; page < tabs->count() && window.findChild<T*>(QString::fromLatin1(name)) == nullptr; ++page)
            tabs->setCurrentIndex(page);
        tabs->setCurrentIndex(shown);
    }

    TempDir dir;
    std::string exePath;
    ScriptedPrompts prompts;
    RealFileSystem fs;
    ui::MainWindow window{prompts, fs};
};

// A click then a double click on the entry's centre, for QListWidget and QListView alike.
void doubleClickRow(QAbstractItemView* list, int row);

// A click on an option button's indicator, where a user clicks it.
void clickIndicator(QWidget* option);

// The text of entry `row` in column 0 of a list.
QString entryText(const QAbstractItemView* list, int row);

// The text of a label in any open window (frmLoad is a window of its own).
QString labelText(const char* name);

void closeAllWindows();

// Runs `answer` on the modal box as soon as it is up.
template <typename Box = QInputDialog, typename Answer>
void whenBoxOpens(Answer answer)
{
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        QVERIFY(box);
        answer(box);
    });
}

} // namespace orvane::test

// main() of a widget test: no display is needed.
#define ORVANE_WIDGET_TEST_MAIN(TestClass)                                                                             \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication app(argc, argv);                                                                                  \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
