// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "core/quoting.h"
#include "settings/filereading.h"
#include "translations/language.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QXmlStreamReader>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string>

namespace ttt {

namespace {

// Qt's own options that take a value, and those that do not. They are read by
// QApplication; the game only has to recognise them.
const char qtOptionsWithValue[] = "platform platformpluginpath platformtheme plugin "
                                  "qwindowgeometry geometry qwindowtitle title style stylesheet "
                                  "display session name qwindowicon";
const char* const qtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Qt's options that name a file Qt reads whole before the window shows: the style sheet
// and the window's icon. A real one is a few kilobytes, and so is every picture the
// style sheet or an SVG picture names, each read in turn as the one before is.
const char* const qtFileOptions[] = {"stylesheet", "qwindowicon"};
constexpr std::size_t largestQtFile = std::size_t{1} << 20;
constexpr int longestFileChain = 4;

QString quoted(const QString& text)
{
    return QString::fromStdString(quotedForMessage(text.toStdString()));
}

// A style sheet's text with its escapes decoded ("\66" and "\f" both stand for "f"), as
// Qt decodes them; the characters they give are marked, so none counts as a bracket.
constexpr char32_t escapedMark = 0x8000'0000;

std::u32string decodedSheet(const std::u32string& sheet)
{
    const auto isHex = [](char32_t c) { return c < 0x80 && std::isxdigit(static_cast<int>(c)); };
    std::u32string text;
    for (std::size_t at = 0; at < sheet.size(); ++at) {
        if (sheet[at] != U'\\' || at + 1 == sheet.size()) {
            text += sheet[at];
            continue;
        }
        std::size_t digits = 0;
        while (digits < 6 && at + 1 + digits < sheet.size() && isHex(sheet[at + 1 + digits]))
            ++digits;
        const std::string hex(sheet.begin() + at + 1, sheet.begin() + at + 1 + digits);
        text += (digits == 0 ? sheet[at + 1] : std::stoul(hex, nullptr, 16)) | escapedMark;
        at += std::max<std::size_t>(digits, 1);
    }
    return text;
}

// The files a style sheet names with url(...), quotes taken off.
QStringList styleSheetFiles(const QString& sheet)
{
    const std::u32string text = decodedSheet(sheet.toStdU32String());
    const auto letter = [&](std::size_t at) { return (text[at] & ~escapedMark) | 0x20; };
    QStringList files;
    for (std::size_t at = 0; at + 4 < text.size(); ++at) {
        if (letter(at) != U'u' || letter(at + 1) != U'r' || letter(at + 2) != U'l' ||
            text[at + 3] != U'(')
            continue;
        std::size_t begin = text.find_first_not_of(U" \t\r\n\f", at + 4);
        const char32_t close = begin < text.size() && (text[begin] == U'"' || text[begin] == U'\'')
                                   ? text[begin++]
                                   : U')';
        at = std::min(text.find(close, begin), text.size());
        std::u32string name = text.substr(std::min(begin, at), at - std::min(begin, at));
        for (char32_t& c : name)
            c &= ~escapedMark;
        files += QString::fromStdU32String(name).trimmed();
    }
    return files;
}

// The files an SVG picture names (its <image> elements' links), entities decoded as Qt
// decodes them; nothing for a file that is no SVG.
QStringList pictureFiles(const QString& text)
{
    QStringList files;
    for (QXmlStreamReader xml(text); !xml.atEnd();)
        if (xml.readNext() == QXmlStreamReader::StartElement)
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                if (attribute.name() == QLatin1String("href"))
                    files += attribute.value().toString();
    return files;
}

// Why Qt should not be let to read a file (a device or a pipe that never ends, a folder,
// a file far too large or compressed, which Qt would inflate without end), or nothing.
// The same goes for the files it names, found from its own folder. A file that is not
// there or cannot be read is left to Qt, which says so and goes on.
QString unfitQtFile(const QString& file, bool styleSheet, int depth = 1)
{
    const FileStart start = readFileStart(QFile::encodeName(file).toStdString(), largestQtFile);
    const bool unreadable =
        start.error.cause == FileError::Cause::SystemError && start.error.errorNumber != EISDIR;
    if (start.missing || unreadable)
        return {};
    if (start.error)
        return QStringLiteral("is not a regular file");
    if (!start.wholeFile)
        return QStringLiteral("is too large (more than 1 MiB)");
    if (start.text.starts_with("\x1f\x8b"))
        return QStringLiteral("is compressed");
    if (depth > longestFileChain)
        return QStringLiteral("is too many files deep");
    const QString text = QString::fromUtf8(start.text);
    const QDir folder = QFileInfo(file).absoluteDir();
    for (const QString& named : styleSheet ? styleSheetFiles(text) : pictureFiles(text))
        if (const QString reason = unfitQtFile(folder.absoluteFilePath(named), false, depth + 1);
            !reason.isEmpty())
            return QStringLiteral("names %1, which %2").arg(quoted(named), reason);
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
    for (const QString& name : QString::fromLatin1(qtOptionsWithValue).split(u' '))
        parser.addOption(QCommandLineOption(name, {}, QStringLiteral("value")));
    for (const char* name : qtSwitches)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments))
        return {
            CommandLineRequest::Action::Refuse,
            QStringLiteral("tictactoe: %1 (try --help)").arg(escapedForLine(parser.errorText()))};
    // Qt's window system reads the display's name only as the word after -display.
    for (const QString& argument : arguments.mid(1))
        if (argument.startsWith(QLatin1String("-display=")) ||
            argument.startsWith(QLatin1String("--display=")))
            return {CommandLineRequest::Action::Refuse,
                    QStringLiteral("tictactoe: unexpected argument %1 (write -display NAME)")
                        .arg(quoted(argument))};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineRequest::Action::Refuse,
                QStringLiteral("tictactoe: unexpected argument %1 (try --help)")
                    .arg(quoted(parser.positionalArguments().constFirst()))};
    for (const char* name : qtFileOptions) {
        const QString option = QString::fromLatin1(name);
        for (const QString& file : parser.values(option))
            if (const QString reason = unfitQtFile(file, option == QLatin1String("stylesheet"));
                !reason.isEmpty())
                return {CommandLineRequest::Action::Refuse,
                        QStringLiteral("tictactoe: -%1 %2 %3").arg(option, quoted(file), reason)};
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
