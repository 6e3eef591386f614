// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QString>
#include <cstdio>

#include "tavrel/version.h"

namespace tavrel {

namespace {

// Qt's standard options for widget programs on X11 and Wayland, by whether
// they take a value. Unlisted, the parser would refuse them before
// QApplication ever saw them.
constexpr const char* kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "icon",
    "name", "style", "stylesheet", "qmljsdebugger",
};
constexpr const char* kQtFlags[] = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability",
};

void write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> handleCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform, -style); without this
    // they would read as bundles of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Whole-number arithmetic: factors, multiples, GCD/HCF and square roots.\n"
        "Qt's standard options, such as -platform and -style, are accepted as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // With no QCoreApplication yet, Qt cannot name the program in the usage line.
    const QString program = arguments.isEmpty() ? QStringLiteral("tavrel")
                                                : QFileInfo(arguments.first()).fileName();
    const auto usage = [&] {
        return parser.helpText().replace(QStringLiteral("<executable_name>"), program);
    };

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        write(stderr, program + QStringLiteral(": ") + error + QLatin1Char('\n') + usage());
        return 1;
    }
    if (parser.isSet(help)) {
        write(stdout, usage());
        return 0;
    }
    if (parser.isSet(version)) {
        write(stdout, QStringLiteral("Tavrel %1\n")
                          .arg(QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()))));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> handleCommandLine(int argc, const char* const* argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return handleCommandLine(arguments);
}

}  // namespace tavrel
