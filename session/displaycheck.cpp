// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include "commandline.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QRegularExpression>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace ttt {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;

[[noreturn]] void endWith(const QString& line)
{
    std::fprintf(stderr, "tictactoe: %s\n", qPrintable(line));
    std::_Exit(1);
}

// The display the X11 platform tried, as it named it itself: -display's, else DISPLAY's.
QString triedX11Display()
{
    static const QRegularExpression tried(QStringLiteral("^could not connect to display (.+)$"));
    for (const HeldMessage& message : std::as_const(heldMessages))
        if (const QRegularExpressionMatch match = tried.match(message.text); match.hasMatch())
            return match.captured(1);
    return QString::fromLocal8Bit(qgetenv("DISPLAY"));
}

QString noX11Display()
{
    if (const QString display = triedX11Display(); !display.isEmpty())
        return QStringLiteral("could not open the display \"%1\"").arg(escapedForLine(display));
    if (qgetenv("WAYLAND_DISPLAY").isEmpty())
        return QStringLiteral("no display to open (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    return QStringLiteral("no X display to open (DISPLAY is not set)");
}

QString noCompositor()
{
    if (const QByteArray wayland = qgetenv("WAYLAND_DISPLAY"); !wayland.isEmpty())
        return QStringLiteral("no Wayland compositor answers at \"%1\"")
            .arg(escapedForLine(QString::fromLocal8Bit(wayland)));
    return QStringLiteral("no Wayland compositor to connect to (WAYLAND_DISPLAY is not set)");
}

// Why the platform Qt tried first could not start, from what Qt reported on the way
// ("Could not find the Qt platform plugin ..." for a name it does not know, "Could not
// load ..." for one that failed) and from its last words.
QString startFailure(const QString& lastWords)
{
    static const QRegularExpression tried(
        QStringLiteral("^Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression available(
        QStringLiteral("Available platform plugins are: ([^\n]*)\\."));
    for (const HeldMessage& message : std::as_const(heldMessages)) {
        const QRegularExpressionMatch match = tried.match(message.text);
        if (!match.hasMatch())
            continue;
        const QString name = escapedForLine(match.captured(2));
        if (match.captured(1) == QLatin1String("find")) {
            const QString known = escapedForLine(available.match(lastWords).captured(1));
            return QStringLiteral("unknown platform \"%1\"").arg(name) +
                   (known.isEmpty() ? QString() : QStringLiteral(" (known: %1)").arg(known));
        }
        if (name == QLatin1String("xcb"))
            return noX11Display();
        if (name.startsWith(QLatin1String("wayland")))
            return noCompositor();
        return QStringLiteral("the \"%1\" platform could not start").arg(name);
    }
    // A platform that gave up itself, before Qt could say which it was.
    return QStringLiteral("the window system could not start: %1")
        .arg(escapedForLine(lastWords.section(QLatin1Char('\n'), 0, 0)));
}

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, context.category, text});
        return;
    }
    endWith(startFailure(text));
}

void passEscaped(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    previousHandler(type, context, escapedForLine(text));
}

} // namespace

DisplayCheck::DisplayCheck()
{
    previousHandler = qInstallMessageHandler(holdOrExit);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(previousHandler);
    heldMessages.clear();
}

void DisplayCheck::finish()
{
    // A platform may start with no screen at all (linuxfb without a framebuffer); the
    // first window would then abort the program.
    if (QGuiApplication::primaryScreen() == nullptr) {
        const QString name = QGuiApplication::platformName();
        endWith(name == QLatin1String("linuxfb")
                    ? QStringLiteral("no framebuffer to draw on")
                    : QStringLiteral("the \"%1\" platform has no screen to show the window on")
                          .arg(escapedForLine(name)));
    }
    qInstallMessageHandler(passEscaped);
    for (const HeldMessage& message : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace ttt
