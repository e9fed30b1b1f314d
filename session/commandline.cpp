// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "core/quoting.h"
#include "translations/language.h"

#include <QCommandLineParser>
#include <QFile>
#include <QLocale>

#include <sys/stat.h>

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

// Qt's options that name a file Qt reads whole before the window shows: the style sheet
// and the window's icon. A real one is a few kilobytes.
const char* const qtFileOptions[] = {"stylesheet", "qwindowicon"};
constexpr off_t largestQtFile = off_t{1} << 20;

QString quoted(const QString& text)
{
    return QString::fromStdString(quotedForMessage(text.toStdString()));
}

// Why Qt should not be let to read the file an option names (a device or a pipe that
// never ends, or a file far too large), or nothing. A file that is not there is left
// to Qt, which says so and goes on.
QString unfitQtFile(const QString& option, const QString& file)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0)
        return {};
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("tictactoe: -%1 %2 is not a regular file").arg(option, quoted(file));
    if (status.st_size > largestQtFile)
        return QStringLiteral("tictactoe: -%1 %2 is too large (more than 1 MiB)")
            .arg(option, quoted(file));
    return {};
}

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

QString escapedForLine(const QString& text)
{
    return QString::fromStdString(escapedForMessage(text.toStdString()));
}

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
                QStringLiteral("tictactoe: %1 (try --help)").arg(escapedForLine(parser.errorText()))};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineRequest::Action::Refuse,
                QStringLiteral("tictactoe: unexpected argument %1 (try --help)")
                    .arg(quoted(parser.positionalArguments().constFirst()))};
    for (const char* name : qtFileOptions) {
        const QString option = QString::fromLatin1(name);
        for (const QString& file : parser.values(option))
            if (const QString refusal = unfitQtFile(option, file); !refusal.isEmpty())
                return {CommandLineRequest::Action::Refuse, refusal};
    }
    if (parser.isSet(help))
        return {CommandLineRequest::Action::ShowHelp,
                i18n::translated("CommandLine", helpText, QLocale::system().uiLanguages())};
    if (parser.isSet(version))
        return {CommandLineRequest::Action::ShowVersion,
                QStringLiteral("tictactoe " TTT_VERSION "\n")};
    return {};
}

} // namespace ttt
