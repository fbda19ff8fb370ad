#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

class QTextStream;

// The command line of one program or tool, read the same way everywhere: its options, the usage
// lines, options and exit statuses that --help prints, the name and version that --version
// prints, and a one-line message with exit status 2 for an unknown option, a missing value or an
// argument too many. Reading it needs no application object and no display, so --help and a
// mistake never open a window.
class CommandLine {
public:
    static constexpr int UsageError = 2;

    // `program` as it is typed ("beatwise"); `summary` says in a sentence or two what it does.
    CommandLine(QString program, QString summary);

    // A usage line after the program's name ("--questions N [--seed S]"); the first one given
    // is printed first.
    void addUsage(const QString& synopsis);
    // A paragraph printed after the summary.
    void addParagraph(const QString& text);
    void addOption(const QCommandLineOption& option);
    // A plain argument, described under "Arguments:"; more of them than declared are refused.
    void addPositional(const QString& name, const QString& description);
    void addExitStatus(int status, const QString& meaning);
    // Accepts, without listing them, the options the window system reads itself ("-platform
    // NAME", "-style NAME", "-session ID" from a session manager ...): for programs with a window.
    void acceptWindowSystemOptions();

    // The arguments as the program was given them, its name first, before any application
    // object exists.
    static QStringList arguments(int argc, char** argv);

    // Reads `arguments` (the program's name first). Returns the status to exit with when the
    // program ends here: 0 after --help or --version, printed on `out`; 2 after a one-line
    // message on `err` for a mistake. Nothing when the program goes on.
    std::optional<int> parse(const QStringList& arguments, QTextStream& out, QTextStream& err);

    bool isSet(const QString& name) const { return parser_.isSet(name); }
    QString value(const QString& name) const { return parser_.value(name); }
    QStringList positionalArguments() const { return parser_.positionalArguments(); }
    // The first option given that is not among `allowed` (names without dashes), as it was
    // typed ("--tempo", "-o"); empty when there is none. --help, --version and the window
    // system's options are never stray.
    QString strayOption(const QStringList& allowed) const;

    // Writes "<program>: <message>; see '<program> --help'" on `err` and returns 2: for a
    // mistake in the command line.
    int fail(QTextStream& err, const QString& message) const;
    // Writes "<program>: <message>" on `err` and returns `status`: for a failure that the
    // command line did not cause.
    int report(QTextStream& err, const QString& message, int status) const;

    const QString& program() const { return program_; }
    QString helpText() const;
    QString versionText() const;

private:
    QString typedForm(const QString& name) const;
    QString optionsText() const;

    QString program_;
    QString summary_;
    QStringList usages_;
    QStringList paragraphs_;
    std::vector<QCommandLineOption> options_;
    std::vector<std::pair<QString, QString>> positionals_;
    std::vector<std::pair<int, QString>> exitStatuses_;
    QStringList windowSystemOptions_;
    QStringList arguments_;
    QCommandLineParser parser_;
};
