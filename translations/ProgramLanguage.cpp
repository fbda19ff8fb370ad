#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <cstdio>

namespace {

const QString kFolder = QStringLiteral(":/i18n");

// The languages of the objects whose translations are installed, the latest last.
QStringList& installedLanguages() {
    static QStringList languages;
    return languages;
}

} // namespace

ProgramLanguage::ProgramLanguage(const QString& program, const QString& code)
    : locale_(code.isEmpty() ? QLocale::system() : QLocale(code)) {
    if (locale_.language() == QLocale::English)
        return; // the texts' own language
    const bool loaded = programTexts_.load(locale_, program, QStringLiteral("_"), kFolder);
    missing_ = !loaded && !code.isEmpty();
    installed_ = loaded && QCoreApplication::installTranslator(&programTexts_);
    if (!installed_)
        return;
    // ":/i18n/<program>_<language>.qm"
    language_ = QFileInfo(programTexts_.filePath()).completeBaseName().mid(program.size() + 1);
    installedLanguages().append(language_);
    if (commonTexts_.load(locale_, QStringLiteral("common"), QStringLiteral("_"), kFolder))
        commonInstalled_ = QCoreApplication::installTranslator(&commonTexts_);
    if (qtTexts_.load(locale_, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtInstalled_ = QCoreApplication::installTranslator(&qtTexts_);
}

ProgramLanguage::~ProgramLanguage() {
    if (qtInstalled_)
        QCoreApplication::removeTranslator(&qtTexts_);
    if (commonInstalled_)
        QCoreApplication::removeTranslator(&commonTexts_);
    if (installed_) {
        QCoreApplication::removeTranslator(&programTexts_);
        installedLanguages().removeAt(installedLanguages().lastIndexOf(language_));
    }
}

QString ProgramLanguage::current() {
    return installedLanguages().isEmpty() ? QString() : installedLanguages().constLast();
}

QString ProgramLanguage::takeOption(QStringList& arguments) {
    const QString option = QStringLiteral("--lang");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith(option + QLatin1Char('='))) {
            const QString code = argument.mid(option.size() + 1);
            arguments.removeAt(i);
            return code.isEmpty() ? QStringLiteral("-") : code;
        }
        if (argument == option) {
            const bool hasCode = i + 1 < arguments.size() && !arguments[i + 1].startsWith('-');
            const QString code = hasCode ? arguments[i + 1] : QStringLiteral("-");
            arguments.remove(i, hasCode ? 2 : 1);
            return code;
        }
    }
    return {};
}

std::unique_ptr<ProgramLanguage> ProgramLanguage::fromArguments(const QString& program,
                                                                QStringList& arguments) {
    const QString code = takeOption(arguments);
    if (code == QLatin1String("-")) {
        std::fprintf(stderr, "%s: --lang needs a language code such as %s\n", qPrintable(program),
                     qPrintable(available(program).join(QStringLiteral(", "))));
        return nullptr;
    }
    auto language = std::make_unique<ProgramLanguage>(program, code);
    if (language->isMissing())
        std::fprintf(stderr, "%s: no translation for \"%s\"; the window stays in English\n",
                     qPrintable(program), qPrintable(code));
    return language;
}

QStringList ProgramLanguage::available(const QString& program) {
    QStringList languages;
    const QString prefix = program + QLatin1Char('_');
    for (const QString& name :
         QDir(kFolder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        languages << name.mid(prefix.size()).chopped(3);
    return languages;
}
