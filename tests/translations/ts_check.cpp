// ts_check FILE.ts ...: prints what each translator's file lacks (see TsFile.h); exit status 1
// when any file has a problem.
#include "TsFile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList files = QCoreApplication::arguments().mid(1);
    if (files.isEmpty()) {
        err << "Usage: ts_check FILE.ts ...\n";
        return 2;
    }
    int status = 0;
    for (const QString& file : files) {
        for (const QString& problem : tsProblems(file)) {
            err << problem << '\n';
            status = 1;
        }
    }
    return status;
}
