// The yardstick of the start-up and memory figures: a bare Qt Widgets program with one empty
// QMainWindow, ended as soon as the window has been painted.
#include <QApplication>
#include <QMainWindow>

#include "QuitWhenShown.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(1180, 700);
    orvane::bench::quitWhenShown(window);
    window.show();
    return QApplication::exec();
}
