// Starts the Orvane Executable Editor: the splash first, then the main window.
#include <QApplication>
#include <memory>

#include "files/RealFileSystem.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/SplashWindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orvane::RealFileSystem fileSystem;
    orvane::ui::QtPrompts prompts;
    std::unique_ptr<orvane::ui::MainWindow> window;
    orvane::ui::SplashWindow splash([&] {
        window = std::make_unique<orvane::ui::MainWindow>(prompts, fileSystem);
        prompts.setParent(window.get());
        window->show();
    });
    splash.show();
    return QApplication::exec();
}
