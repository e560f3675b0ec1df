// Starts the Orvane Executable Editor.
#include <QApplication>

#include "files/RealFileSystem.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orvane::RealFileSystem fileSystem;
    orvane::ui::QtPrompts prompts;
    orvane::ui::MainWindow window(prompts, fileSystem);
    prompts.setParent(&window);
    window.show();
    return QApplication::exec();
}
