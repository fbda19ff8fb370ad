#include "CodeMeasure.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The text with comments, string and character literals and preprocessor lines blanked out,
// line breaks kept, so that braces and parentheses in them are not read as code.
QString codeOnly(const QString& text) {
    QString code = text;
    const qsizetype n = code.size();
    qsizetype i = 0;
    const auto blank = [&code](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to; ++k)
            if (code[k] != QLatin1Char('\n'))
                code[k] = QLatin1Char(' ');
    };
    while (i < n) {
        const QChar c = code[i];
        if (c == QLatin1Char('/') && i + 1 < n && code[i + 1] == QLatin1Char('/')) {
            qsizetype end = code.indexOf(QLatin1Char('\n'), i);
            end = end < 0 ? n : end;
            blank(i, end);
            i = end;
        } else if (c == QLatin1Char('/') && i + 1 < n && code[i + 1] == QLatin1Char('*')) {
            qsizetype end = code.indexOf(QStringLiteral("*/"), i + 2);
            end = end < 0 ? n : end + 2;
            blank(i, end);
            i = end;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype end = i + 1;
            while (end < n && code[end] != c)
                end += code[end] == QLatin1Char('\\') ? 2 : 1;
            blank(i + 1, std::min(end, n));
            i = end + 1;
        } else {
            ++i;
        }
    }
    static const QRegularExpression directive(QStringLiteral("^[ \\t]*#[^\\n]*"),
                                              QRegularExpression::MultilineOption);
    QRegularExpressionMatchIterator matches = directive.globalMatch(code);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        blank(match.capturedStart(), match.capturedEnd());
    }
    return code;
}

bool opensAFunction(const QString& head) {
    static const QRegularExpression scope(
        QStringLiteral("^\\s*(namespace|class|struct|enum|union|extern)\\b"));
    return head.contains(QLatin1Char(')')) && !scope.match(head).hasMatch();
}

} // namespace

CodeMeasure::CodeMeasure(const QString& text) {
    lines_ = static_cast<int>(text.count(QLatin1Char('\n')));
    const QString code = codeOnly(text);
    struct Open {
        bool function = false;
        int line = 0;
        QString signature;
    };
    std::vector<Open> open;
    qsizetype declarationStart = 0; // after the last ";", "{" or "}" outside a function
    int line = 0;
    const auto insideAFunction = [&open] {
        return std::any_of(open.begin(), open.end(), [](const Open& o) { return o.function; });
    };
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == QLatin1Char('\n')) {
            ++line;
        } else if (c == QLatin1Char('{')) {
            const QString head = code.mid(declarationStart, i - declarationStart);
            if (!insideAFunction() && opensAFunction(head)) {
                qsizetype offset = 0;
                while (offset < head.size() && head[offset].isSpace())
                    ++offset;
                const qsizetype begins = declarationStart + offset;
                const int first =
                    line - static_cast<int>(code.mid(begins, i - begins).count(QLatin1Char('\n')));
                open.push_back(
                    {true, first, text.mid(begins).section(QLatin1Char('\n'), 0, 0).trimmed()});
            } else {
                open.push_back({false, line, {}});
            }
            declarationStart = i + 1;
        } else if (c == QLatin1Char('}')) {
            if (!open.empty()) {
                const Open closed = open.back();
                open.pop_back();
                if (closed.function)
                    functions_.push_back(
                        {closed.signature, closed.line + 1, line - closed.line + 1});
            }
            declarationStart = i + 1;
        } else if (c == QLatin1Char(';') && !insideAFunction()) {
            declarationStart = i + 1;
        }
    }
}
