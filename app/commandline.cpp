// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/commandline.h"

#include "prefs/appidentity.h"
#include "app/helplinks.h"
#include "app/translations.h"

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
};

void setUp(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Measure anything on the screen with translucent rulers."));
    // Lets the toolkit's one-dash options (-platform xcb) through alongside --help.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.helpPage);
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

} // namespace

Request parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    Options options;
    setUp(parser, options);
    if (!parser.parse(arguments))
        return {Action::Refuse, parser.errorText()};
    if (!parser.positionalArguments().isEmpty()) {
        return {Action::Refuse, QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                                    .arg(parser.positionalArguments().first())};
    }
    if (parser.isSet(options.help))
        return {Action::ShowHelp, {}};
    if (parser.isSet(options.version))
        return {Action::ShowVersion, {}};
    if (parser.isSet(options.helpPage))
        return {Action::ShowHelpPage, {}};
    return {};
}

QString versionText()
{
    return AppIdentity::applicationName + QLatin1Char(' ') + AppIdentity::applicationVersion;
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
