// SPDX-License-Identifier: GPL-3.0-or-later
// Shows each secondary window and saves a picture of it, for checking the
// layouts by eye:  QT_QPA_PLATFORM=offscreen ttt-dialogs-preview [output folder]
#include "shell/art/artwork.h"
#include "shell/dialogs/aboutwindow.h"
#include "shell/dialogs/graphicschooser.h"
#include "shell/dialogs/hotspot.h"
#include "shell/dialogs/tipswindow.h"
#include "shell/layout/windowlayout.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace layout = ttt::layout;

namespace {

void save(QWidget& window, const QDir& dir, const QString& name)
{
    window.show();
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = window.grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const ttt::Artwork art;

    ttt::GraphicsChooser chooser(art);
    chooser.openFor(16);
    save(chooser, dir, QStringLiteral("chooser"));

    ttt::AboutWindow about(art);
    save(about, dir, QStringLiteral("about"));
    const int shutHeight = about.height();
    emit about.findChild<ttt::Hotspot*>(QLatin1String(layout::slideHotspot))->doubleClicked();
    while (about.height() != shutHeight + ttt::AboutWindow::SlideDistance)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    save(about, dir, QStringLiteral("about-open"));

    auto* tips = new ttt::TipsWindow(art);
    save(*tips, dir, QStringLiteral("tips"));
    tips->close();
    return 0;
}
