#include "CommandLine.h"

#include <QTextStream>

#include <algorithm>

namespace {

constexpr qsizetype kLineWidth = 79;
constexpr qsizetype kWidestName = 24; // longer option names put their description below

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

// `text` broken into lines of at most `width` characters at blanks; a line break in the text
// is kept.
QStringList wrapped(const QString& text, qsizetype width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines << line;
    }
    return lines;
}

// Two columns: a name, then its description wrapped beside it.
QString table(const std::vector<std::pair<QString, QString>>& rows) {
    qsizetype nameWidth = 0;
    for (const auto& [name, description] : rows)
        if (name.size() <= kWidestName)
            nameWidth = std::max(nameWidth, name.size());
    const QString indent(2 + nameWidth + 2, QLatin1Char(' '));
    QString text;
    for (const auto& [name, description] : rows) {
        QStringList lines = wrapped(description, kLineWidth - indent.size());
        text += QStringLiteral("  ") + name;
        if (name.size() > nameWidth)
            text += QLatin1Char('\n') + indent;
        else
            text += QString(nameWidth - name.size() + 2, QLatin1Char(' '));
        text += lines.join(QLatin1Char('\n') + indent) + QLatin1Char('\n');
    }
    return text;
}

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// An argument's option name without its dashes and value ("--lang=de" gives "lang").
QString nameOf(const QString& argument) {
    QString name = argument;
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name.section(QLatin1Char('='), 0, 0);
}

} // namespace

CommandLine::CommandLine(QString program, QString summary)
    : program_(std::move(program)), summary_(std::move(summary)) {
    // "-o DIR" and the window system's "-platform NAME" are read as whole words.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(QCommandLineOption({QStringLiteral("h"), kHelp},
                                         QStringLiteral("Print this help and exit.")));
    parser_.addOption(QCommandLineOption(
        kVersion, QStringLiteral("Print the program's name and version and exit.")));
}

void CommandLine::addUsage(const QString& synopsis) {
    usages_ << synopsis;
}

void CommandLine::addParagraph(const QString& text) {
    paragraphs_ << text;
}

void CommandLine::addOption(const QCommandLineOption& option) {
    parser_.addOption(option);
    options_.push_back(option);
}

void CommandLine::addPositional(const QString& name, const QString& description) {
    positionals_.emplace_back(name, description);
}

void CommandLine::addExitStatus(int status, const QString& meaning) {
    exitStatuses_.emplace_back(status, meaning);
}

void CommandLine::acceptWindowSystemOptions() {
    const char* const withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
        "display",     "geometry",           "name",          "title",      "visual"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
        windowSystemOptions_ << option.names();
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name), QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
        windowSystemOptions_ << option.names();
    }
}

QStringList CommandLine::arguments(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

std::optional<int> CommandLine::parse(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err) {
    arguments_ = arguments;
    if (!parser_.parse(arguments)) {
        if (!parser_.unknownOptionNames().isEmpty())
            return fail(err, QStringLiteral("unknown option '%1'")
                                 .arg(typedForm(parser_.unknownOptionNames().constFirst())));
        QString why = parser_.errorText().trimmed(); // "Missing value after '--level'."
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        if (!why.isEmpty())
            why[0] = why[0].toLower();
        return fail(err, why);
    }
    if (parser_.isSet(kHelp)) {
        out << helpText();
        out.flush();
        return 0;
    }
    if (parser_.isSet(kVersion)) {
        out << versionText() << '\n';
        out.flush();
        return 0;
    }
    const QStringList positional = parser_.positionalArguments();
    if (positional.size() > static_cast<qsizetype>(positionals_.size()))
        return fail(err, QStringLiteral("unexpected argument '%1'")
                             .arg(positional.at(static_cast<qsizetype>(positionals_.size()))));
    return std::nullopt;
}

QString CommandLine::strayOption(const QStringList& allowed) const {
    for (const QString& name : parser_.optionNames())
        if (!allowed.contains(name) && !windowSystemOptions_.contains(name) && name != kHelp &&
            name != QLatin1String("h") && name != kVersion)
            return typedForm(name);
    return {};
}

int CommandLine::fail(QTextStream& err, const QString& message) const {
    err << program_ << ": " << message << "; see '" << program_ << " --help'\n";
    err.flush();
    return UsageError;
}

int CommandLine::report(QTextStream& err, const QString& message, int status) const {
    err << program_ << ": " << message << '\n';
    err.flush();
    return status;
}

QString CommandLine::typedForm(const QString& name) const {
    for (qsizetype i = 1; i < arguments_.size(); ++i) {
        const QString& argument = arguments_.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1Char('-')) && nameOf(argument) == name)
            return argument.section(QLatin1Char('='), 0, 0);
    }
    return dashed(name);
}

QString CommandLine::optionsText() const {
    std::vector<std::pair<QString, QString>> rows;
    auto add = [&rows](const QCommandLineOption& option) {
        QStringList names;
        for (const QString& name : option.names())
            names << dashed(name);
        QString shown = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            shown += QLatin1Char(' ') + option.valueName();
        rows.emplace_back(shown, option.description());
    };
    for (const QCommandLineOption& option : options_)
        if (!(option.flags() & QCommandLineOption::HiddenFromHelp))
            add(option);
    add(QCommandLineOption({QStringLiteral("h"), kHelp},
                           QStringLiteral("Print this help and exit.")));
    add(QCommandLineOption(kVersion,
                           QStringLiteral("Print the program's name and version and exit.")));
    return table(rows);
}

QString CommandLine::helpText() const {
    QString text;
    const QString first = QStringLiteral("Usage: ") + program_;
    const QString next = QString(first.size() - program_.size(), QLatin1Char(' ')) + program_;
    QStringList usages = usages_;
    if (usages.isEmpty())
        usages << QStringLiteral("[OPTIONS]");
    for (qsizetype i = 0; i < usages.size(); ++i)
        text += (i == 0 ? first : next) + QLatin1Char(' ') + usages.at(i) + QLatin1Char('\n');
    for (const QString& paragraph : QStringList{summary_} + paragraphs_)
        if (!paragraph.isEmpty())
            text += QLatin1Char('\n') + wrapped(paragraph, kLineWidth).join(QLatin1Char('\n')) +
                    QLatin1Char('\n');
    if (!positionals_.empty())
        text += QStringLiteral("\nArguments:\n") + table(positionals_);
    text += QStringLiteral("\nOptions:\n") + optionsText();
    if (!exitStatuses_.empty()) {
        std::vector<std::pair<QString, QString>> rows;
        for (const auto& [status, meaning] : exitStatuses_)
            rows.emplace_back(QString::number(status), meaning);
        text += QStringLiteral("\nExit status:\n") + table(rows);
    }
    return text;
}

QString CommandLine::versionText() const {
    return program_ + QLatin1Char(' ') + QStringLiteral(BEATWISE_VERSION);
}
