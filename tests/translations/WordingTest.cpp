// What the student reads in each language: its own punctuation and quotation marks, one word
// for a quiz across both programs, and messages that name the buttons, menus and help pages
// as they are shown.
#include "TsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

const QStringList kPrograms = {QStringLiteral("beatwise"), QStringLiteral("tonewise"),
                               QStringLiteral("common")};

QString tsPath(const QString& program, const QString& language) {
    return QStringLiteral(TRANSLATIONS_DIR "/%1_%2.ts").arg(program, language);
}

// A text the student reads, and where it comes from.
struct Shown {
    QString where;
    QString text;
};

// Every translation of the language, in all three files.
QList<Shown> translationsOf(const QString& language) {
    QList<Shown> texts;
    for (const QString& program : kPrograms)
        for (const TsEntry& entry : tsEntries(tsPath(program, language)))
            texts.append({QStringLiteral("%1_%2 [%3] \"%4\"")
                              .arg(program, language, entry.context, entry.source),
                          entry.translation});
    return texts;
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The words of an HTML help page: no tags, no example lines (they quote score files, which stay
// in English), the entities our pages use resolved.
QString pageWords(const QString& html) {
    QString text = html;
    static const QRegularExpression code(QStringLiteral("<code>.*?</code>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    text.remove(code);
    text.replace(tag, QStringLiteral(" "));
    text.replace(QStringLiteral("&nbsp;"), QString(QChar(0x00A0)));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// The help pages of both programs in the language.
QList<Shown> helpPagesOf(const QString& language) {
    QList<Shown> pages;
    for (const QString& program : {QStringLiteral("beatwise"), QStringLiteral("tonewise")}) {
        const QDir folder(QStringLiteral(HELP_DIR "/%1/%2").arg(program, language));
        for (const QString& name : folder.entryList({QStringLiteral("*.html")}, QDir::Files))
            pages.append({folder.filePath(name), pageWords(readFile(folder.filePath(name)))});
    }
    return pages;
}

QList<Shown> everythingIn(const QString& language) {
    return translationsOf(language) + helpPagesOf(language);
}

QString translationIn(const QString& program, const QString& language, const QString& context,
                      const QString& source) {
    for (const TsEntry& entry : tsEntries(tsPath(program, language)))
        if (entry.context == context && entry.source == source)
            return entry.translation;
    ADD_FAILURE() << "no \"" << source.toStdString() << "\" in " << program.toStdString();
    return {};
}

// The translation of a menu caption or a button's, as the student reads it: no access key.
QString captionIn(const QString& program, const QString& language, const QString& context,
                  const QString& source) {
    static const QRegularExpression accessKey(QStringLiteral("&(?!&)"));
    return translationIn(program, language, context, source).remove(accessKey);
}

const QStringList kLanguages = {QStringLiteral("es"), QStringLiteral("pt_BR"), QStringLiteral("de"),
                                QStringLiteral("fr")};

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\n') || c == QLatin1Char('\t');
}

} // namespace

TEST(Wording, FrenchPunctuationStaysWithItsWordBehindANonBreakingSpace) {
    const QChar nbsp(0x00A0);
    const QString highSigns = QStringLiteral("?!:;");
    for (const Shown& shown : everythingIn(QStringLiteral("fr"))) {
        const QString& t = shown.text;
        for (int i = 0; i < t.size(); ++i) {
            const QChar c = t[i];
            const QChar before = i > 0 ? t[i - 1] : QChar();
            const QChar after = i + 1 < t.size() ? t[i + 1] : QChar();
            QString fault;
            if (c == QChar(0x00BB) && before != nbsp)
                fault = QStringLiteral("no non-breaking space before »");
            else if (c == QChar(0x00AB) && after != nbsp)
                fault = QStringLiteral("no non-breaking space after «");
            // A sign inside a word or number ("C:\", "9:00") is no punctuation.
            else if (highSigns.contains(c) &&
                     (after.isNull() || isSpace(after) || after == nbsp || after == QChar(0x00BB) ||
                      after == QLatin1Char(')')) &&
                     before != nbsp && before != QLatin1Char('?') && before != QLatin1Char('!'))
                fault = QStringLiteral("no non-breaking space before %1").arg(c);
            EXPECT_TRUE(fault.isEmpty())
                << shown.where.toStdString() << ": " << fault.toStdString() << " in \""
                << t.mid(std::max(0, i - 30), 40).toStdString() << "\"";
        }
    }
}

TEST(Wording, FrenchClicksAreOnSomething) {
    static const QRegularExpression click(
        QStringLiteral("\\bcliqu(?:ez|er|e)\\b(?!\\s+(?:de nouveau\\s+)?sur\\b|\\s+dessus\\b)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    for (const Shown& shown : everythingIn(QStringLiteral("fr"))) {
        const QRegularExpressionMatch found = click.match(shown.text);
        EXPECT_FALSE(found.hasMatch())
            << shown.where.toStdString() << ": \""
            << shown.text.mid(found.capturedStart(), 40).toStdString() << "\"";
    }
}

TEST(Wording, EachLanguageQuotesWithItsOwnMarks) {
    // The quotation marks of each language, outer and inner; any other mark is a fault. A
    // straight quote standing alone between spaces is a character named, not a quotation.
    const QString allMarks = QStringLiteral("\"«»“”„‚");
    const QMap<QString, QString> own = {{QStringLiteral("es"), QStringLiteral("«»“”")},
                                        {QStringLiteral("pt_BR"), QStringLiteral("“”")},
                                        {QStringLiteral("de"), QStringLiteral("„“‚")},
                                        {QStringLiteral("fr"), QStringLiteral("«»“”")}};
    for (const QString& language : kLanguages)
        for (const Shown& shown : everythingIn(language)) {
            const QString& t = shown.text;
            for (int i = 0; i < t.size(); ++i) {
                if (!allMarks.contains(t[i]) || own[language].contains(t[i]))
                    continue;
                const bool named = t[i] == QLatin1Char('"') && i > 0 && i + 1 < t.size() &&
                                   isSpace(t[i - 1]) && isSpace(t[i + 1]);
                EXPECT_TRUE(named)
                    << shown.where.toStdString() << ": " << QString(t[i]).toStdString() << " in \""
                    << t.mid(std::max(0, i - 30), 40).toStdString() << "\"";
            }
        }
}

TEST(Wording, OneWordForAQuizInEachLanguage) {
    struct Words {
        QString quiz;
        QStringList others;
    };
    const QMap<QString, Words> words = {
        {QStringLiteral("es"), {QStringLiteral("examen|exámenes"), {"prueba", "test", "quiz"}}},
        {QStringLiteral("pt_BR"), {QStringLiteral("prova"), {"teste", "exame", "quiz"}}},
        {QStringLiteral("de"), {QStringLiteral("prüfung"), {"test", "quiz", "klausur"}}},
        {QStringLiteral("fr"), {QStringLiteral("contrôle"), {"test", "examen", "quiz"}}}};
    static const QRegularExpression quizInEnglish(QStringLiteral("\\b(quiz|test)\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
    for (const QString& language : kLanguages) {
        const QRegularExpression quiz(words[language].quiz,
                                      QRegularExpression::CaseInsensitiveOption);
        const QRegularExpression other(
            QStringLiteral("\\b(%1)\\b").arg(words[language].others.join(QLatin1Char('|'))),
            QRegularExpression::CaseInsensitiveOption |
                QRegularExpression::UseUnicodePropertiesOption);
        for (const QString& program : kPrograms)
            for (const TsEntry& entry : tsEntries(tsPath(program, language))) {
                const std::string where =
                    (program + " " + language + ": " + entry.translation).toStdString();
                if (quizInEnglish.match(entry.source).hasMatch()) {
                    EXPECT_TRUE(quiz.match(entry.translation).hasMatch()) << where;
                }
                EXPECT_FALSE(other.match(entry.translation).hasMatch()) << where;
            }
    }
}

TEST(Wording, MessagesNameTheButtonsAndMenusAsTheyAreShown) {
    struct Named {
        QString program;
        QString context;
        QString source;
    };
    struct Message {
        Named message;
        QList<Named> names;
    };
    const Named startButton{"tonewise", "PitchTrainer", "Start-Reset Score"};
    const Named tonewiseFile{"tonewise", "PitchMenus", "&File"};
    const Named tonewiseQuizMode{"tonewise", "PitchMenus", "Quiz Mode"};
    const Named tonewiseOff{"tonewise", "PitchMenus", "Off"};
    const QList<Message> messages = {
        {{"tonewise", "PitchTrainer",
          "Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button."},
         {startButton}},
        {{"tonewise", "PitchTrainer",
          "END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and CLICK Green Start "
          "Button."},
         {startButton}},
        {{"tonewise", "PitchTrainer",
          "Please click an answer and continue; OR Click File/Quiz Mode/Off and stop."},
         {tonewiseFile, tonewiseQuizMode, tonewiseOff}},
        {{"tonewise", "PitchTrainer",
          "The quiz is still running: answer the next note to try saving again, or choose File > "
          "Quiz Mode > Off to stop the quiz."},
         {tonewiseFile, tonewiseQuizMode, tonewiseOff}},
        {{"tonewise", "TForm1",
          "The MIDI keyboard \"%1\" is no longer connected. Choose Midi > Inputs to use another "
          "one."},
         {{"tonewise", "TForm1", "Inputs"}}},
        {{"beatwise", "TRhytm7",
          "The MIDI input \"%1\" is no longer connected: taps come from the space bar and the "
          "microphone. Choose Midi > Inputs to use another one."},
         {{"beatwise", "TRhytm7", "Inputs"}}},
        {{"beatwise", "RhythmTrainer",
          "Select Rhythm Patterns; then Click the Green \"Next Question\" button to begin."},
         {{"beatwise", "RhythmTrainer", "Next Question"},
          {"beatwise", "TRhytm7", "Next Question"}}},
        {{"beatwise", "RhythmTrainer",
          "%1 The quiz is still running and its results are kept: press the answer button again "
          "to save them, or choose Quiz Mode > Off to stop the quiz."},
         {{"beatwise", "TRhytm7", "Quiz Mode"}, {"beatwise", "TRhytm7", "Off"}}},
    };
    for (const QString& language : kLanguages)
        for (const Message& m : messages) {
            const QString text =
                translationIn(m.message.program, language, m.message.context, m.message.source);
            for (const Named& name : m.names) {
                const QString caption =
                    captionIn(name.program, language, name.context, name.source);
                EXPECT_TRUE(text.contains(caption, Qt::CaseInsensitive))
                    << language.toStdString() << ": \"" << text.toStdString()
                    << "\" does not name \"" << caption.toStdString() << "\"";
            }
        }
}

TEST(Wording, TheStartUpBoxNamesTheHelpAsItIsShown) {
    const QString startUp = QStringLiteral(
        "When Tonewise Opens, Please Click Help Menu, Select \"Help Topics\", then Select and Read "
        "HOW TO USE TONEWISE \"Question Content and Order.\" Thanks, - Orin Vascombe");
    static const QRegularExpression heading(QStringLiteral("<h1>([^<]*)</h1>"));
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    for (const QString& language : kLanguages) {
        const QString text = translationIn("tonewise", language, "PitchTrainer", startUp);
        const QString pages = QStringLiteral(HELP_DIR "/tonewise/%1/").arg(language);
        const QString contents = heading.match(readFile(pages + "index.html")).captured(1);
        const QString howTo = title.match(readFile(pages + "howto.html")).captured(1);
        ASSERT_FALSE(contents.isEmpty() || howTo.isEmpty()) << pages.toStdString();
        for (const QString& name :
             {contents, howTo, captionIn("tonewise", language, "PitchMenus", "&Help Topics"),
              captionIn("tonewise", language, "PitchMenus", "Help")})
            EXPECT_TRUE(text.contains(name))
                << language.toStdString() << ": \"" << text.toStdString() << "\" does not name \""
                << name.toStdString() << "\"";
    }
}
