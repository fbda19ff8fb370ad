#include "TsFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace {

using Entry = TsEntry;

// The %1 .. %99 markers of a text, each once.
QSet<QString> placeMarkers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found.insert(match.next().captured());
    return found;
}

// True when the text carries an access key: an "&" that is not doubled.
bool hasAccessKey(const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (i + 1 < text.size() && !text[i + 1].isSpace())
            return true;
    }
    return false;
}

bool readEntries(const QString& path, QList<Entry>& entries, QString& failure) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure = QStringLiteral("%1: cannot be read").arg(path);
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entries.append(entry);
        }
    }
    if (xml.hasError()) {
        failure =
            QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

} // namespace

QStringList tsProblems(const QString& path) {
    QList<Entry> entries;
    QString failure;
    if (!readEntries(path, entries, failure))
        return {failure};
    QStringList problems;
    for (const Entry& e : entries) {
        const QString where = QStringLiteral("%1 [%2] \"%3\"").arg(path, e.context, e.source);
        if (!e.type.isEmpty())
            problems << QStringLiteral("%1: %2").arg(where, e.type);
        else if (e.translation.trimmed().isEmpty())
            problems << QStringLiteral("%1: empty translation").arg(where);
        else if (placeMarkers(e.source) != placeMarkers(e.translation))
            problems << QStringLiteral("%1: the place markers differ in \"%2\"")
                            .arg(where, e.translation);
        else if (hasAccessKey(e.source) && !hasAccessKey(e.translation))
            problems << QStringLiteral("%1: no access key in \"%2\"").arg(where, e.translation);
    }
    return problems;
}

int tsEntryCount(const QString& path) {
    return static_cast<int>(tsEntries(path).size());
}

QList<TsEntry> tsEntries(const QString& path) {
    QList<Entry> entries;
    QString failure;
    if (!readEntries(path, entries, failure))
        return {};
    return entries;
}
