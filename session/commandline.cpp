// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "translations/language.h"

#include <QCommandLineParser>
#include <QLocale>

namespace ttt {

namespace {

// Qt's own options that take a value, and those that do not. They are read by
// QApplication; the game only has to recognise them.
const char* const qtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowtitle",
    "title",
    "style",
    "stylesheet",
    "display",
    "session",
    "name",
    "qwindowicon",
};
const char* const qtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

constexpr char helpText[] = QT_TRANSLATE_NOOP(
    "CommandLine", "Usage: tictactoe [options]\n"
                   "Tic Tac Toe for one player against the computer, or two players.\n"
                   "\n"
                   "Options:\n"
                   "  -h, --help     Show this help and exit.\n"
                   "  -v, --version  Show the version and exit.\n"
                   "\n"
                   "Qt's standard options, such as -platform and -reverse, are also"
                   " accepted.\n"
                   "The settings are kept in \"options.ttt\" in the working folder.\n");

} // namespace

CommandLineRequest readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : qtOptionsWithValue)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : qtSwitches)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments))
        return {CommandLineRequest::Action::Refuse,
                QStringLiteral("tictactoe: %1 (try --help)").arg(parser.errorText().simplified())};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineRequest::Action::Refuse,
                QStringLiteral("tictactoe: unexpected argument '%1' (try --help)")
                    .arg(parser.positionalArguments().constFirst().simplified())};
    if (parser.isSet(help))
        return {CommandLineRequest::Action::ShowHelp,
                i18n::translated("CommandLine", helpText, QLocale::system().uiLanguages())};
    if (parser.isSet(version))
        return {CommandLineRequest::Action::ShowVersion,
                QStringLiteral("tictactoe " TTT_VERSION "\n")};
    return {};
}

} // namespace ttt
