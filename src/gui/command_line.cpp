// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "tavrel/version.h"

namespace tavrel {

namespace {

// Qt's standard options for widget programs on X11 and Wayland, by whether
// they take a value. Unlisted, the parser would refuse them before
// QApplication ever saw them.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "title",
    "icon",
    "name",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
constexpr const char* kQtFlags[] = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability",
};

// False when the text did not all get out: a full disk, a closed pipe.
bool write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written;
}

// Like coreutils: an answer that could not be written is an error, not a
// silent success.
int answer(const QString& program, const QString& text)
{
    if (write(stdout, text))
        return 0;
    const int error = errno;
    write(stderr, program + QStringLiteral(": write error: ") + QString::fromLocal8Bit(std::strerror(error)) +
                      QLatin1Char('\n'));
    return 1;
}

struct HeldMessage {
    QtMsgType type;
    // Qt's contexts point at string literals, which outlive the message.
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QString programName;
QList<HeldMessage> held;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Qt's last word when no platform plugin could start: it aborts right after.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        write(stderr, programName + QStringLiteral(": could not open a display; name one with DISPLAY (X11, "
                                                   "as DISPLAY=:0) or WAYLAND_DISPLAY, or choose a platform "
                                                   "with -platform\n"));
        std::_Exit(1);
    }
    held.append({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayFailureAsError::DisplayFailureAsError(const char* program)
{
    programName = QFileInfo(QString::fromLocal8Bit(program)).fileName();
    previousHandler = qInstallMessageHandler(holdMessage);
}

DisplayFailureAsError::~DisplayFailureAsError()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& m : std::exchange(held, {}))
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
}

std::optional<int> handleCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform, -style); without this
    // they would read as bundles of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Whole-number arithmetic: factors, multiples, GCD/HCF and square roots.\n"
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
    const QString program = arguments.isEmpty() ? QStringLiteral("tavrel") : QFileInfo(arguments.first()).fileName();
    const auto usage = [&] { return parser.helpText().replace(QStringLiteral("<executable_name>"), program); };

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        write(stderr, program + QStringLiteral(": ") + error + QLatin1Char('\n') + usage());
        return 1;
    }
    if (parser.isSet(help))
        return answer(program, usage());
    if (parser.isSet(version))
        return answer(program, QStringLiteral("Tavrel %1\n")
                                   .arg(QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()))));
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
