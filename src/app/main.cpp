// Starts the Orvane Executable Editor: the splash first, then the main window.
#include <QApplication>
#include <memory>

#include "files/RealFileSystem.h"
#include "ui/ApplicationSetup.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/SplashWindow.h"
#ifdef ORVANE_QUIT_WHEN_SHOWN
#include "QuitWhenShown.h"
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orvane::ui::setUpApplication(app);
    orvane::RealFileSystem fileSystem;
    orvane::ui::QtPrompts prompts;
    std::unique_ptr<orvane::ui::MainWindow> window;
    const auto showMainWindow = [&] {
        window = std::make_unique<orvane::ui::MainWindow>(prompts, fileSystem);
        prompts.setParent(window.get());
#ifdef ORVANE_QUIT_WHEN_SHOWN
        orvane::bench::quitWhenShown(*window);
#endif
        window->show();
    };
#ifdef ORVANE_QUIT_WHEN_SHOWN
    // The start-up benchmark times the way to the main window without the splash.
    showMainWindow();
#else
    orvane::ui::SplashWindow splash(showMainWindow);
    splash.show();
#endif
    return QApplication::exec();
}
