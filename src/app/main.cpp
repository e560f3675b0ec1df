// Starts the Orvane Executable Editor.
#include <QApplication>

#include "files/RealFileSystem.h"
#include "ui/ApplicationSetup.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#ifdef ORVANE_QUIT_WHEN_SHOWN
#include "QuitWhenShown.h"
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orvane::ui::setUpApplication(app);
    orvane::RealFileSystem fileSystem;
    orvane::ui::QtPrompts prompts;
    orvane::ui::MainWindow window(prompts, fileSystem);
    prompts.setParent(&window);
#ifdef ORVANE_QUIT_WHEN_SHOWN
    orvane::bench::quitWhenShown(window);
#endif
    window.show();
    return QApplication::exec();
}
