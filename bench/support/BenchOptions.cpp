#include "BenchOptions.h"

#include <QCoreApplication>

#include <cstdio>

namespace bench {

std::optional<int> readOptions(QCommandLineParser& parser, const QString& description) {
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: unexpected argument %s\n", qPrintable(name),
                     qPrintable(parser.positionalArguments().first()));
        return 2;
    }
    return std::nullopt;
}

} // namespace bench
