#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

// The language a program's window speaks: the system locale's, or the one "--lang CODE" names.
// While an object lives, the program's own translations and Qt's (the buttons of the standard
// boxes) are installed on the application; English needs none. Score files, command-line
// outputs and scripts stay in English: they are read by programs and by teachers alike.
class ProgramLanguage {
public:
    // `program` names the translation files (":/i18n/<program>_<language>.qm", beside
    // ":/i18n/common_<language>.qm" of the texts both programs share); `code` is a locale name
    // such as "es", "pt_BR" or "de", empty for the system locale.
    ProgramLanguage(const QString& program, const QString& code);
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // True when the program's texts are shown translated.
    bool isTranslated() const { return installed_; }
    // True when an explicitly chosen language other than English has no translation.
    bool isMissing() const { return missing_; }
    // The locale the texts were looked up for.
    const QLocale& locale() const { return locale_; }
    // The language of the installed translation as its locale name ("es", "pt_BR"), empty when
    // the texts stay in English.
    const QString& language() const { return language_; }

    // The language the program's texts are shown in: that of the latest object whose
    // translation is installed and still lives, empty for English.
    static QString current();

    // Removes "--lang CODE" or "--lang=CODE" from `arguments` (the program's name first, as
    // QCoreApplication::arguments() gives them) and returns CODE: empty when the option is not
    // there, "-" when it is there without a code.
    static QString takeOption(QStringList& arguments);

    // The language "--lang CODE" in `arguments` chooses (taken out of them), or the system
    // locale's. Null, after a message on standard error, when the option has no code; a language
    // without a translation is reported there too and leaves the texts in English.
    static std::unique_ptr<ProgramLanguage> fromArguments(const QString& program,
                                                          QStringList& arguments);

    // The languages the program's texts are translated into, as locale names.
    static QStringList available(const QString& program);

private:
    QLocale locale_;
    QString language_;
    QTranslator programTexts_;
    QTranslator commonTexts_;
    QTranslator qtTexts_;
    bool installed_ = false;
    bool commonInstalled_ = false;
    bool qtInstalled_ = false;
    bool missing_ = false;
};
