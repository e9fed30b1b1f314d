// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: the least a Qt Widgets program does to
// put a window on the screen, an empty widget, shown.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
