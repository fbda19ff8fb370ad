#include "RtfReader.h"
#include "RtfWriter.h"

#include <gtest/gtest.h>

using scores::RtfReader;
using scores::RtfWriter;

namespace {

QStringList readLines(const QByteArray& rtf) {
    const auto result = RtfReader::read(rtf);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    return result.lines;
}

} // namespace

TEST(RtfCodec, RoundTripKeepsEveryLineExactly) {
    const QStringList cases[] = {
        {},
        {QString()},
        {QStringLiteral(" Beatwise Quiz 07/12/2026, 10:15:30, Rhythm Patterns = Simple/3, "
                        "Tempo = 72 , Rhythm Score = 100.00%,  Number of Questions = 2, Av. "
                        "Hearings = 1.00")},
        {QStringLiteral("first"), QString(), QStringLiteral("  third, after a blank line")},
        {QStringLiteral("ends with a blank line"), QString()},
        {QStringLiteral("braces {and} back\\slashes \\par not a paragraph"),
         QStringLiteral("tab\there")},
        {QStringLiteral("Dó Ré Mí, Müller, Øre, €5"), QStringLiteral("Ελληνικά, Русский, 日本語"),
         QStringLiteral("a clef \U0001D11E and a note \U0001F3B5")},
        {QStringLiteral("9 starts with a digit"), QStringLiteral("-dash"), QStringLiteral(" ")},
    };
    for (const QStringList& lines : cases) {
        const QByteArray rtf = RtfWriter::write(lines);
        EXPECT_EQ(readLines(rtf), lines) << rtf.toStdString();
    }
}

TEST(RtfCodec, WriterIsPlainAsciiWithOneParagraphPerLine) {
    const QByteArray rtf =
        RtfWriter::write({QStringLiteral("Dó"), QStringLiteral("two"), QStringLiteral("\u65E5")});
    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    for (char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    // "ó" carries its code page 1252 byte for old readers; a character 1252 lacks gets "?".
    EXPECT_TRUE(rtf.contains("D\\u243\\'f3"));
    EXPECT_TRUE(rtf.contains("\\u26085?"));
    EXPECT_EQ(rtf.count("\\par "), 2);
}

TEST(RtfCodec, ReadsWhatWordPadWrites) {
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{"
        "\\f0\\fnil\\fcharset0 "
        "Calibri;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9  Beatwise Quiz 1/2/2024\\par\r\n"
        "M\\'fcller \\u8364?5\\par\r\n}\r\n";
    EXPECT_EQ(readLines(rtf), (QStringList{QStringLiteral(" Beatwise Quiz 1/2/2024"),
                                           QStringLiteral("Müller €5")}));
}

TEST(RtfCodec, ReadsWhatLibreOfficeWrites) {
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New "
        "Roman;}{\\f1\\froman\\fprq2\\fcharset2 "
        "Symbol;}{\\f3\\fswiss\\fprq2\\fcharset0 Liberation Sans{\\*\\falt Arial};}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\n"
        "{\\stylesheet{\\s0\\snext0\\dbch\\af7\\langfe2052\\dbch\\af8\\afs24\\alang1081\\loch\\f3"
        "\\fs24\\lang2057 Normal;}\n{\\*\\cs15\\snext15 Footnote Characters;}}"
        "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40}"
        "{\\info{\\author Teacher}{\\creatim\\yr2024\\mo1\\dy2\\hr10\\min5}{\\title Scores}}"
        "{\\*\\pgdsctbl\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pghsxn16838\\pgdscnxt0 Default Page "
        "Style;}}\n"
        "\\formshade\\paperh16838\\paperw11906\\margl1134\\margr1134\\margt1134\\margb1134"
        "\\sectd\\sbknone\\pgndec\\pgwsxn11906\\pghsxn16838\\marglsxn1134\\margrsxn1134\\ftnbj"
        "\\ftnstart1\\ftnrstcont\\ftnnar\\aenddoc\\aftnrstcont\\aftnstart1\\aftnnrlc\n"
        "{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s0\\rtlch\\af7\\afs24\\alang1081 \\ltrch"
        "\\lang2057\\langfe2052\\hich\\af3\\loch\\f3\\fs24{\\rtlch \\ltrch\\loch"
        "  Tonewise Quiz = Scale Steps, 10:05:00, Key = C Major., Score this question: 95.00%}\n"
        "\\par \\pard\\plain \\s0{\\rtlch \\ltrch\\loch Na\\u239\\'efve \\u8222\\'84quoted\\u8220"
        "\\'93}\n\\par }";
    EXPECT_EQ(readLines(rtf),
              (QStringList{QStringLiteral(" Tonewise Quiz = Scale Steps, 10:05:00, Key = C "
                                          "Major., Score this question: 95.00%"),
                           QStringLiteral("Naïve „quoted“")}));
}

TEST(RtfCodec, ReadsWordDocumentsWithTablesFieldsPicturesAndOtherCodePages) {
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times;}"
        "{\\f1\\fswiss\\fcharset204 Arial Cyr;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel{\\leveltext\\'02\\'00.;}}}}"
        "{\\*\\rsidtbl \\rsid123}\\pard\\plain\\f0 {\\listtext 1.\\tab}Item with a list number"
        "\\par {\\pict\\wmetafile8\\picw10\\pich10 0102\\bin4 \x01{}\\ more hex}"
        "{\\field{\\*\\fldinst HYPERLINK \"http://example.org\"}{\\fldrslt link text}}\\line "
        "second half\\par \\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\f0  and {\\uc2\\u26085\\'93\\'fa} "
        "\\uc0\\u26412 ok\\par\n"
        "{\\trowd\\cellx1000\\cellx2000 \\intbl A\\cell B\\cell\\row}}";
    EXPECT_EQ(readLines(rtf),
              (QStringList{QStringLiteral("Item with a list number"), QStringLiteral("link text"),
                           QStringLiteral("second half"), QStringLiteral("Привет and 日 本ok"),
                           QStringLiteral("A\tB\t")}));
}

TEST(RtfCodec, ReadsDoubleByteCodePagesAndMacTextEditLineBreaks) {
    // Shift-JIS "あい" as hex escapes in code page 932.
    EXPECT_EQ(readLines("{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 MS "
                        "Gothic;}}\\f0 \\'82\\'a0\\'82\\'a2}"),
              QStringList{QStringLiteral("あい")});
    // TextEdit ends lines with a backslash before the line break.
    EXPECT_EQ(readLines("{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639\n{\\fonttbl\\f0\\fswiss"
                        "\\fcharset0 Helvetica;}\n{\\colortbl;\\red255\\green255\\blue255;}\n"
                        "\\pard\\tx566\\pardirnatural\\partightenfactor0\n\n\\f0\\fs24 \\cf0 "
                        "Line one\\\nLine two\\\n}"),
              (QStringList{QStringLiteral("Line one"), QStringLiteral("Line two")}));
}

TEST(RtfCodec, RefusesWhatItCannotReadCompletely) {
    const QByteArray refused[] = {
        "Just some plain text\nwith lines\n",
        "{\\rtf1\\ansi first line\\par second line",      // cut short
        "{\\rtf1\\ansi text}\nthen something appended\n", // data after the document
        "{\\rtf1\\ansi text}}",                           // a brace too many
        "{\\rtf1\\ansi {\\pict\\bin200 abc}}",            // binary data beyond the end
        "{\\rtf1\\ansi \\'4",                             // escape cut short
        "{\\rtf1 " + QByteArray(100000, '{') + QByteArray(100000, '}') + "}", // absurd nesting
    };
    for (const QByteArray& bytes : refused) {
        const auto result = RtfReader::read(bytes);
        EXPECT_FALSE(result.ok) << bytes.toStdString();
        EXPECT_FALSE(result.error.isEmpty());
    }
}

TEST(RtfCodec, EmptyOrBlankFileIsAnEmptyDocument) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("\r\n  \n"), QByteArray("\xEF\xBB\xBF")}) {
        const auto result = RtfReader::read(bytes);
        EXPECT_TRUE(result.ok);
        EXPECT_TRUE(result.lines.isEmpty());
    }
}
