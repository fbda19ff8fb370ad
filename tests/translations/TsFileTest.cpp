// The translators' files as shipped, and the checks that judge them.
#include "TsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString writeTs(const QTemporaryDir& dir, const QString& messages) {
    const QString path = dir.filePath(QStringLiteral("sample_es.ts"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
               "<TS version=\"2.1\" language=\"es\">\n<context>\n<name>Window</name>\n");
    file.write(messages.toUtf8());
    file.write("</context>\n</TS>\n");
    return path;
}

QString message(const QString& source, const QString& translation, const QString& type = {}) {
    const QString attribute = type.isEmpty() ? QString() : QStringLiteral(" type=\"%1\"").arg(type);
    return QStringLiteral("<message><source>%1</source><translation%2>%3</translation></message>\n")
        .arg(source, attribute, translation);
}

QStringList languages() {
    return QString::fromLatin1(TRANSLATED_LANGUAGES).split(QLatin1Char(','));
}

} // namespace

TEST(TsFile, AFinishedFileHasNoProblem) {
    QTemporaryDir dir;
    const QString path =
        writeTs(dir, message("&amp;File", "&amp;Archivo") + message("Score: %1", "Puntuación: %1"));
    EXPECT_TRUE(tsProblems(path).isEmpty()) << tsProblems(path).join('\n').toStdString();
    EXPECT_EQ(tsEntryCount(path), 2);
}

TEST(TsFile, UnfinishedVanishedAndObsoleteEntriesAreProblems) {
    QTemporaryDir dir;
    const QString path =
        writeTs(dir, message("Start", "", "unfinished") + message("Stop", "Parar", "vanished") +
                         message("Old", "Viejo", "obsolete") + message("Fine", "Bien"));
    const QStringList problems = tsProblems(path);
    ASSERT_EQ(problems.size(), 3);
    EXPECT_TRUE(problems[0].contains("\"Start\": unfinished"));
    EXPECT_TRUE(problems[1].contains("\"Stop\": vanished"));
    EXPECT_TRUE(problems[2].contains("\"Old\": obsolete"));
}

TEST(TsFile, AnEmptyTranslationIsAProblem) {
    QTemporaryDir dir;
    const QString path = writeTs(dir, message("Start", "  "));
    ASSERT_EQ(tsProblems(path).size(), 1);
    EXPECT_TRUE(tsProblems(path)[0].contains("empty translation"));
}

TEST(TsFile, ALostOrAddedPlaceMarkerIsAProblem) {
    QTemporaryDir dir;
    const QString path =
        writeTs(dir, message("You have %1 answers", "Tienes respuestas") +
                         message("Level", "Nivel %1") + message("%1 of %2", "%2 de %1"));
    const QStringList problems = tsProblems(path);
    ASSERT_EQ(problems.size(), 2);
    EXPECT_TRUE(problems[0].contains("place markers"));
    EXPECT_TRUE(problems[1].contains("\"Level\""));
}

TEST(TsFile, AMenuCaptionKeepsItsAccessKey) {
    QTemporaryDir dir;
    const QString path = writeTs(dir, message("&amp;Exit", "Salir") +
                                          message("Rock &amp;&amp; Roll", "Rock y Roll") +
                                          message("A &amp; B", "A y B"));
    const QStringList problems = tsProblems(path);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains("no access key in \"Salir\""));
}

TEST(TsFile, AnUnreadableFileIsAProblem) {
    QTemporaryDir dir;
    EXPECT_EQ(tsProblems(dir.filePath("missing.ts")).size(), 1);
    QFile broken(dir.filePath("broken.ts"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<TS><context><name>W</name><message>");
    broken.close();
    EXPECT_EQ(tsProblems(broken.fileName()).size(), 1);
}

TEST(ShippedTranslations, EveryProgramHasEveryLanguageComplete) {
    for (const QString& program :
         {QStringLiteral("tonewise"), QStringLiteral("beatwise"), QStringLiteral("common")}) {
        int entries = -1;
        for (const QString& language : languages()) {
            const QString path =
                QStringLiteral(TRANSLATIONS_DIR "/%1_%2.ts").arg(program, language);
            ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
            const QStringList problems = tsProblems(path);
            EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
            const int count = tsEntryCount(path);
            EXPECT_GT(count, 50) << path.toStdString();
            if (entries >= 0) {
                EXPECT_EQ(count, entries) << path.toStdString() << " has another set of texts";
            }
            entries = count;
        }
    }
}
