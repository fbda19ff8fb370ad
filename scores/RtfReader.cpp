#include "RtfReader.h"

#include "CodePage.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace scores {

namespace {

enum class Destination { Body, FontTable, Skipped };

// Word processors nest a few dozen groups at most; far deeper nesting is not a document.
constexpr std::size_t kMaxNesting = 4096;

struct GroupState {
    Destination destination = Destination::Body;
    int unicodeFallback = 1; // \ucN: characters that stand in for each \uN
    int font = -1;           // -1: the document's default font
};

// Destinations whose text is not part of the document's body text.
const char* const kSkippedDestinations[] = {"colortbl",
                                            "stylesheet",
                                            "info",
                                            "pict",
                                            "object",
                                            "objdata",
                                            "header",
                                            "headerl",
                                            "headerr",
                                            "headerf",
                                            "footer",
                                            "footerl",
                                            "footerr",
                                            "footerf",
                                            "footnote",
                                            "annotation",
                                            "listtable",
                                            "listoverridetable",
                                            "rsidtbl",
                                            "generator",
                                            "xmlnstbl",
                                            "themedata",
                                            "colorschememapping",
                                            "latentstyles",
                                            "datastore",
                                            "revtbl",
                                            "filetbl",
                                            "pgdsctbl",
                                            "fldinst",
                                            "pntext",
                                            "pntxta",
                                            "pntxtb",
                                            "listtext",
                                            "userprops",
                                            "docvar",
                                            "nonshppict",
                                            "shp",
                                            "shpinst",
                                            "shptxt",
                                            "background",
                                            "template",
                                            "bkmkstart",
                                            "bkmkend",
                                            "xe",
                                            "tc",
                                            "atnid",
                                            "atnauthor",
                                            "atrfstart",
                                            "atrfend",
                                            "mmathPr",
                                            "wgrffmtfilter",
                                            "fchars",
                                            "lchars",
                                            "ftnsep",
                                            "ftnsepc",
                                            "ftncn",
                                            "aftnsep",
                                            "aftnsepc",
                                            "aftncn",
                                            "passwordhash"};

bool isSkippedDestination(const QByteArray& word) {
    return std::any_of(std::begin(kSkippedDestinations), std::end(kSkippedDestinations),
                       [&word](const char* skipped) { return word == skipped; });
}

// Control words that stand for one character of text.
std::optional<QChar> characterWord(const QByteArray& word) {
    static const QHash<QByteArray, char16_t> kCharacters = {
        {"tab", u'\t'},        {"cell", u'\t'},     {"nestcell", u'\t'}, {"emdash", 0x2014},
        {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},    {"zwbo", 0x200B},
        {"zwnbo", 0xFEFF},     {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};
    const auto it = kCharacters.constFind(word);
    if (it == kCharacters.constEnd())
        return std::nullopt;
    return QChar(it.value());
}

class Parser {
public:
    explicit Parser(const QByteArray& document) : doc_(document) {}

    RtfReadResult run() {
        RtfReadResult result;
        skipLeadingBlank();
        if (pos_ == doc_.size()) {
            // An empty file is an empty document: nothing in it can be lost.
            result.ok = true;
            return result;
        }
        if (!doc_.mid(pos_, 5).startsWith("{\\rtf")) {
            result.error =
                QCoreApplication::translate("ScoreFiles", "it is not a rich-text (RTF) document");
            return result;
        }
        if (!parse(result.error))
            return result;
        flushBytes();
        if (!text_.isEmpty())
            lines_.append(text_);
        result.ok = true;
        result.lines = lines_;
        return result;
    }

private:
    void skipLeadingBlank() {
        if (doc_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
        while (pos_ < doc_.size() && isBlank(doc_[pos_]))
            ++pos_;
    }

    static bool isBlank(char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0;
    }
    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    GroupState& group() { return groups_.back(); }

    bool parse(QString& error) {
        while (pos_ < doc_.size()) {
            const char c = doc_[pos_];
            if (c == '{') {
                ++pos_;
                if (groups_.size() >= kMaxNesting) {
                    error = QCoreApplication::translate("ScoreFiles",
                                                        "its groups are nested too deeply");
                    return false;
                }
                groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
                fallbackLeft_ = 0;
            } else if (c == '}') {
                ++pos_;
                if (groups_.empty()) {
                    error = QCoreApplication::translate("ScoreFiles",
                                                        "a group is closed that was never opened");
                    return false;
                }
                groups_.pop_back();
                fallbackLeft_ = 0;
                if (groups_.empty())
                    return checkTail(error);
            } else if (c == '\\') {
                if (!controlSequence(error))
                    return false;
            } else if (c == '\r' || c == '\n' || c == 0) {
                ++pos_;
            } else {
                ++pos_;
                if (groups_.empty()) {
                    error = QCoreApplication::translate("ScoreFiles",
                                                        "it holds text outside its document group");
                    return false;
                }
                textByte(static_cast<unsigned char>(c));
            }
        }
        error = QCoreApplication::translate("ScoreFiles",
                                            "the document is cut short (a group is not closed)");
        return false;
    }

    // Whatever follows the document's closing brace must be blank; anything else would be lost
    // by a reader that stops there.
    bool checkTail(QString& error) {
        while (pos_ < doc_.size() && isBlank(doc_[pos_]))
            ++pos_;
        if (pos_ < doc_.size()) {
            error = QCoreApplication::translate("ScoreFiles",
                                                "it holds data after the end of the document");
            return false;
        }
        return true;
    }

    bool controlSequence(QString& error) {
        ++pos_; // the backslash
        if (pos_ >= doc_.size()) {
            error = QCoreApplication::translate("ScoreFiles", "the document is cut short");
            return false;
        }
        const char c = doc_[pos_];
        if (isLetter(c))
            return controlWord(error);

        ++pos_;
        // A symbol after \uN may be the stand-in character itself.
        if (c != '\'' && c != '*' && countsAsFallback())
            return true;
        switch (c) {
        case '\'': {
            if (pos_ + 2 > doc_.size()) {
                error = QCoreApplication::translate("ScoreFiles", "the document is cut short");
                return false;
            }
            bool ok = false;
            const int byte = doc_.mid(pos_, 2).toInt(&ok, 16);
            pos_ += 2;
            if (ok)
                textByte(static_cast<unsigned char>(byte));
            return true;
        }
        case '*':
            group().destination = Destination::Skipped;
            return true;
        case '\\':
        case '{':
        case '}':
            textChar(QChar(QLatin1Char(c)));
            return true;
        case '~':
            textChar(QChar(0x00A0));
            return true;
        case '_':
            textChar(QChar(0x2011));
            return true;
        case '\r':
        case '\n':
            // A backslash before a line end is an old way of writing \par.
            if (group().destination == Destination::Body)
                endLine();
            return true;
        default:
            // \- (optional hyphen), \| and \: (formulas and index entries) show nothing.
            return true;
        }
    }

    bool controlWord(QString& error) {
        const qsizetype start = pos_;
        while (pos_ < doc_.size() && isLetter(doc_[pos_]) && pos_ - start < 32)
            ++pos_;
        const QByteArray word = doc_.mid(start, pos_ - start);
        const std::optional<int> given = readParameter();
        const bool hasParameter = given.has_value();
        const int parameter = given.value_or(0);

        if (word == "bin") {
            // Binary data: skipped byte for byte, wherever it stands.
            if (hasParameter && parameter > 0) {
                if (parameter > doc_.size() - pos_) {
                    error = QCoreApplication::translate(
                        "ScoreFiles", "the document is cut short inside binary data");
                    return false;
                }
                pos_ += parameter;
            }
            return true;
        }
        if (countsAsFallback())
            return true;

        GroupState& g = group();
        if (word == "fonttbl") {
            g.destination = Destination::FontTable;
            return true;
        }
        if (isSkippedDestination(word)) {
            g.destination = Destination::Skipped;
            return true;
        }
        if (g.destination == Destination::FontTable) {
            fontTableWord(word, hasParameter, parameter);
            return true;
        }
        if (g.destination == Destination::Skipped)
            return true;

        bodyWord(word, hasParameter, parameter, g);
        return true;
    }

    // The number after a control word, and the blank that ends it; nothing when there is none.
    std::optional<int> readParameter() {
        bool hasParameter = false;
        bool negative = false;
        qint64 value = 0;
        if (pos_ < doc_.size() && doc_[pos_] == '-' && pos_ + 1 < doc_.size() &&
            isDigit(doc_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < doc_.size() && isDigit(doc_[pos_])) {
            hasParameter = true;
            if (value < std::numeric_limits<int>::max())
                value = value * 10 + (doc_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < doc_.size() && doc_[pos_] == ' ')
            ++pos_;
        if (!hasParameter)
            return std::nullopt;
        value = std::min<qint64>(value, std::numeric_limits<int>::max());
        return static_cast<int>(negative ? -value : value);
    }

    // A control word of the document's body text.
    void bodyWord(const QByteArray& word, bool hasParameter, int parameter, GroupState& g) {
        if (word == "par" || word == "line" || word == "row" || word == "nestrow") {
            endLine();
        } else if (word == "u" && hasParameter) {
            const int unit = parameter < 0 ? parameter + 0x10000 : parameter;
            if (unit >= 0 && unit <= 0xFFFF)
                textChar(QChar(static_cast<char16_t>(unit)));
            fallbackLeft_ = g.unicodeFallback;
        } else if (word == "uc" && hasParameter) {
            g.unicodeFallback = std::max(0, parameter);
        } else if (word == "ansicpg" && hasParameter) {
            ansiCodePage_ = parameter;
        } else if (word == "mac") {
            ansiCodePage_ = 10000;
        } else if (word == "pc") {
            ansiCodePage_ = 437;
        } else if (word == "pca") {
            ansiCodePage_ = 850;
        } else if (word == "deff" && hasParameter) {
            defaultFont_ = parameter;
        } else if (word == "f" && hasParameter) {
            g.font = parameter;
        } else if (word == "plain") {
            g.font = -1;
        } else if (const auto c = characterWord(word)) {
            textChar(*c);
        }
    }

    void fontTableWord(const QByteArray& word, bool hasParameter, int parameter) {
        if (!hasParameter)
            return;
        if (word == "f") {
            fontBeingDefined_ = parameter;
        } else if (word == "fcharset") {
            if (const auto page = CodePage::forCharset(parameter))
                fontCodePage_.insert(fontBeingDefined_, *page);
        } else if (word == "cpg") {
            fontCodePage_.insert(fontBeingDefined_, parameter);
        }
    }

    // After \uN the next N characters are the stand-in for readers without Unicode.
    bool countsAsFallback() {
        if (fallbackLeft_ <= 0)
            return false;
        --fallbackLeft_;
        return true;
    }

    int currentCodePage() {
        const int font = group().font >= 0 ? group().font : defaultFont_;
        return fontCodePage_.value(font, ansiCodePage_);
    }

    void textByte(unsigned char byte) {
        if (countsAsFallback() || group().destination != Destination::Body)
            return;
        if (byte < 0x80) {
            if (byte == '\t')
                textChar(QChar(u'\t'));
            else if (byte >= 0x20)
                textChar(QChar(QLatin1Char(static_cast<char>(byte))));
            return;
        }
        const int page = currentCodePage();
        if (!pendingBytes_.isEmpty() && pendingPage_ != page)
            flushBytes();
        pendingPage_ = page;
        pendingBytes_.append(static_cast<char>(byte));
    }

    void textChar(QChar c) {
        if (group().destination != Destination::Body)
            return;
        flushBytes();
        text_.append(c);
    }

    // Bytes of a multi-byte code page arrive one escape at a time; they are decoded together.
    void flushBytes() {
        if (pendingBytes_.isEmpty())
            return;
        text_.append(CodePage::decode(pendingBytes_, pendingPage_));
        pendingBytes_.clear();
    }

    void endLine() {
        flushBytes();
        lines_.append(text_);
        text_.clear();
    }

    const QByteArray& doc_;
    qsizetype pos_ = 0;
    std::vector<GroupState> groups_;
    int fallbackLeft_ = 0;
    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    int fontBeingDefined_ = -1;
    QHash<int, int> fontCodePage_;
    QByteArray pendingBytes_;
    int pendingPage_ = 1252;
    QString text_;
    QStringList lines_;
};

} // namespace

RtfReadResult RtfReader::read(const QByteArray& document) {
    return Parser(document).run();
}

} // namespace scores
