// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include <QByteArray>
#include <QList>
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

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, context.category, text});
        return;
    }
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value ? value : nullptr;
    };
    if (const char* display = variable("DISPLAY"))
        std::fprintf(stderr, "tictactoe: could not open the display \"%s\"\n", display);
    else if (const char* wayland = variable("WAYLAND_DISPLAY"))
        std::fprintf(stderr, "tictactoe: could not open the Wayland display \"%s\"\n", wayland);
    else
        std::fprintf(
            stderr, "tictactoe: no display to open (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
    std::_Exit(1);
}

} // namespace

DisplayCheck::DisplayCheck()
{
    previousHandler = qInstallMessageHandler(holdOrExit);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace ttt
