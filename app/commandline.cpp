// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/commandline.h"

#include "app/helplinks.h"
#include "app/instancelink.h"
#include "app/translations.h"
#include "prefs/appidentity.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

namespace CommandLine {

namespace {

// Options that the toolkit's application object takes from the command line itself.
const char *const kToolkitOptionsWithValue[] = {"platform",
                                                "platformpluginpath",
                                                "platformtheme",
                                                "plugin",
                                                "display",
                                                "geometry",
                                                "qwindowgeometry",
                                                "title",
                                                "qwindowtitle",
                                                "icon",
                                                "qwindowicon",
                                                "style",
                                                "stylesheet",
                                                "session",
                                                "name",
                                                "visual",
                                                "ncols",
                                                "cmap",
                                                "im"};
const char *const kToolkitFlags[] = {"reverse", "sync", "nograb", "dograb", "widgetcount", "testability"};

struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("CommandLine", "Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("CommandLine", "Show the version and exit.")};
    QCommandLineOption helpPage{
        QStringLiteral("help-page"),
        QCoreApplication::translate("CommandLine", "Show where the help page is and exit.")};
    QCommandLineOption newRuler{
        QStringLiteral("new-ruler"),
        QCoreApplication::translate("CommandLine",
                                    "Open a new ruler in the running Gradora, or start with this ruler; "
                                    "optionally of the given size and place, e.g. 300x60+100+200.")};
    QCommandLineOption toggle{
        QStringLiteral("toggle"),
        QCoreApplication::translate("CommandLine",
                                    "Hide or show every window of the running Gradora, as a click on "
                                    "its tray icon does; start it where none runs.")};
    QCommandLineOption copyReadings{
        QStringLiteral("copy-readings"),
        QCoreApplication::translate(
            "CommandLine", "Put the readings of the running Gradora's active ruler on the clipboard.")};
    QCommandLineOption quit{
        QStringLiteral("quit"),
        QCoreApplication::translate("CommandLine", "Save the settings of the running Gradora and end it.")};
};

// The option name "new-ruler=300x60" as two arguments, as the parser takes a flag's value.
QStringList withSeparateGeometry(const QStringList &arguments)
{
    static const QString prefix = QStringLiteral("--new-ruler=");
    QStringList split;
    for (const QString &argument : arguments) {
        if (argument.startsWith(prefix))
            split << prefix.chopped(1) << argument.mid(prefix.size());
        else
            split << argument;
    }
    return split;
}

void setUp(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Measure anything on the screen with translucent rulers."));
    // Lets the toolkit's one-dash options (-platform xcb) through alongside --help.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.helpPage);
    parser.addOption(options.newRuler);
    parser.addOption(options.toggle);
    parser.addOption(options.copyReadings);
    parser.addOption(options.quit);
    parser.addPositionalArgument(
        QStringLiteral("WxH+X+Y"),
        QCoreApplication::translate("CommandLine",
                                    "With --new-ruler: the ruler's width and height in pixels, and where "
                                    "its top left corner goes on the desktop (a minus sign for left of or "
                                    "above the first screen)."),
        QStringLiteral("[WxH+X+Y]"));
    for (const char *name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString programName(const QStringList &arguments)
{
    return arguments.isEmpty() ? QStringLiteral("gradora") : QFileInfo(arguments.first()).fileName();
}

int answer(const Request &request, const QStringList &arguments)
{
    switch (request.action) {
    case Action::ShowHelp: {
        QCommandLineParser parser;
        Options options;
        setUp(parser, options);
        print(stdout, parser.helpText());
        return 0;
    }
    case Action::ShowVersion:
        print(stdout, versionText() + QLatin1Char('\n'));
        return 0;
    case Action::ShowHelpPage: {
        const QString page = HelpLinks::documentUrl(QString::fromLatin1(HelpLinks::kHelpPage)).toLocalFile();
        if (!QFileInfo::exists(page)) {
            print(stderr, QCoreApplication::translate("CommandLine", "%1: the help page is missing: %2\n")
                              .arg(programName(arguments), page));
            return kHelpPageMissing;
        }
        print(stdout, page + QLatin1Char('\n'));
        return 0;
    }
    case Action::SendToRunningCopy:
        if (InstanceLink::send(request.command))
            return 0;
        print(stderr, notRunningText(programName(arguments)));
        return kNotRunning;
    case Action::Refuse:
        print(stderr,
              QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help' for more information.\n")
                  .arg(programName(arguments), request.error));
        return kUsageError;
    case Action::Run:
        break;
    }
    return 0;
}

Request refusal(const QString &error)
{
    return {Action::Refuse, error, {}};
}

// The command for the running copy that the options name; a plain start raises it.
Request commandRequest(const QCommandLineParser &parser, const Options &options)
{
    using InstanceCommand::Kind;
    const std::pair<const QCommandLineOption *, Kind> commands[] = {
        {&options.newRuler, Kind::NewRuler},
        {&options.toggle, Kind::Toggle},
        {&options.copyReadings, Kind::CopyReadings},
        {&options.quit, Kind::Quit}};
    Request request;
    int given = 0;
    for (const auto &[option, kind] : commands) {
        if (parser.isSet(*option)) {
            request.command.kind = kind;
            ++given;
        }
    }
    if (given > 1) {
        return refusal(QCoreApplication::translate(
            "CommandLine", "Give only one of --new-ruler, --toggle, --copy-readings and --quit."));
    }
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty() && (request.command.kind != Kind::NewRuler || positional.size() > 1)) {
        return refusal(
            QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(positional.last()));
    }
    if (!positional.isEmpty()) {
        request.command.geometry = InstanceCommand::parseGeometry(positional.first());
        if (!request.command.geometry) {
            return refusal(
                QCoreApplication::translate(
                    "CommandLine", "'%1' is not a ruler geometry: give WxH or WxH+X+Y, e.g. 300x60+100+200.")
                    .arg(positional.first()));
        }
    }
    if (!InstanceCommand::startsProgram(request.command.kind))
        request.action = Action::SendToRunningCopy;
    return request;
}

} // namespace

Request parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    Options options;
    setUp(parser, options);
    if (!parser.parse(withSeparateGeometry(arguments)))
        return refusal(parser.errorText());
    const Request request = commandRequest(parser, options);
    if (request.action == Action::Refuse)
        return request;
    if (parser.isSet(options.help))
        return {Action::ShowHelp, {}, {}};
    if (parser.isSet(options.version))
        return {Action::ShowVersion, {}, {}};
    if (parser.isSet(options.helpPage))
        return {Action::ShowHelpPage, {}, {}};
    return request;
}

QString versionText()
{
    return AppIdentity::applicationName + QLatin1Char(' ') + AppIdentity::applicationVersion;
}

QString notRunningText(const QString &programName)
{
    return QCoreApplication::translate("CommandLine", "%1: Gradora is not running.\n").arg(programName);
}

QString noAnswerText(const QString &programName)
{
    return QCoreApplication::translate("CommandLine", "%1: the running Gradora did not answer.\n")
        .arg(programName);
}

std::optional<int> answerWithoutDisplay(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (parse(arguments).action == Action::Run)
        return std::nullopt;

    // The answer needs the application's paths and the user's language, not a display.
    QCoreApplication core(argc, argv);
    Translations::install(QLocale());
    return answer(parse(arguments), arguments);
}

} // namespace CommandLine
