#include "Timpgrid.h"
#include "GridFile.h"
#include "GridFileError.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using impgrid::GridFileError;
using impgrid::Timpgrid;

namespace {

QByteArray readAll(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The message of the GridFileError that `load` throws, or an empty text when none is thrown.
template <typename Action> QString errorOf(Action action) {
    try {
        action();
    } catch (const GridFileError& error) {
        return error.message();
    }
    return {};
}

// The bounding box of the pixels that differ from `background`.
QRect inkBox(const QImage& image, QColor background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

QImage drawnCell(const Timpgrid& grid, int col, int row, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    grid.DrawCell(painter, col, row, QRect(QPoint(0, 0), size));
    return image;
}

} // namespace

class TimpgridTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void newGridShowsClblueInItsFirstDataRow() {
        Timpgrid grid;
        QCOMPARE(grid.ColCount(), 5);
        QCOMPARE(grid.RowCount(), 5);
        QCOMPARE(grid.DefaultColWidth(), 64);
        QCOMPARE(grid.DefaultRowHeight(), 24);
        QCOMPARE(grid.ColFontColor(), QStringLiteral("clblue"));
        for (int col = 0; col <= 5; ++col)
            QCOMPARE(grid.Cells(col, 1), QStringLiteral("clblue"));
        QCOMPARE(grid.Cells(6, 1), QString());
        QCOMPARE(grid.Cells(0, 0), QString());
        QCOMPARE(grid.model()->data(grid.model()->index(1, 4)).toString(),
                 QStringLiteral("clblue"));

        grid.setColFontColor("clred");
        grid.AddCol();
        QCOMPARE(grid.ColCount(), 6);
        QCOMPARE(grid.Cells(6, 1), QStringLiteral("clred")); // one beyond the new last column
        QCOMPARE(grid.Cells(5, 1), QStringLiteral("clblue"));
        QCOMPARE(grid.Cells(7, 1), QString());
        grid.SetColColor(2, Qt::red);
        QCOMPARE(grid.Cells(2, 1), QStringLiteral("clblue"));
    }

    void cellsBeyondTheGridAreKept() {
        // The pitch trainer's hidden table: one column, eleven rows, names in columns 1 to 16.
        Timpgrid grid;
        grid.setFixedRows(0);
        grid.setFixedCols(0);
        grid.setColCount(1);
        grid.setRowCount(11);
        for (int col = 1; col <= 16; ++col)
            grid.setCells(col, 0, QStringLiteral("C%1").arg(col));
        QCOMPARE(grid.Cells(16, 0), QStringLiteral("C16"));
        grid.setCells(3, 0, QString());
        QCOMPARE(grid.Cells(3, 0), QString());
        grid.setCells(-1, 0, "ignored");
        QCOMPARE(grid.Cells(-1, 0), QString());
        grid.setColCount(0);
        QCOMPARE(grid.ColCount(), 1);
        grid.setFixedCols(1);
        QCOMPARE(grid.FixedCols(), 0);
    }

    void twoByThreeGridSavesEighteenLines() {
        Timpgrid grid;
        grid.setColCount(2);
        grid.setRowCount(3);
        grid.setCells(0, 0, "Name");
        grid.setCells(1, 2, QString::fromUtf16(u"Dó"));
        const QString fileName = dir_.filePath("grid.txt");
        grid.SaveToFile(fileName);
        const QByteArray expected = "Tav Kelbin Improved Grid File\r\n"
                                    "Do < NOT > mess with this!!!\r\n"
                                    "2\r\n"
                                    "3\r\n"
                                    // column 0, rows 0 to 3
                                    "Name\r\nclblue\r\n\r\n\r\n"
                                    // column 1
                                    "\r\nclblue\r\nD\xC3\xB3\r\n\r\n"
                                    // column 2, one beyond the last
                                    "\r\nclblue\r\n\r\n\r\n"
                                    "yes it is a long file in text format.\r\n"
                                    "Tamper with it and lose it!!!\r\n";
        const QByteArray written = readAll(fileName);
        QCOMPARE(written, expected);
        const QList<QByteArray> lines = written.split('\n');
        QCOMPARE(lines.size() - 1, 18);
        QCOMPARE(lines[10], QByteArray("D\xC3\xB3\r")); // line 11 is cell (1, 2)
    }

    void loadingRestoresEveryCellAlsoBeyondTheLastRowAndColumn() {
        Timpgrid source;
        source.setColCount(3);
        source.setRowCount(4);
        source.setCells(3, 2, "beyond the last column");
        source.setCells(1, 4, "beyond the last row");
        source.setCells(3, 4, "corner beyond both");
        source.setCells(2, 0, QString::fromUtf16(u"  Ré(b)3 \u266D "));
        source.setCells(0, 3, "tab\there");
        const QString fileName = dir_.filePath("roundtrip.txt");
        source.SaveToFile(fileName);

        Timpgrid target;
        target.setCells(1, 1, "overwritten");
        target.LoadFromFile(fileName);
        QCOMPARE(target.ColCount(), 3);
        QCOMPARE(target.RowCount(), 4);
        for (int col = 0; col <= 3; ++col) {
            for (int row = 0; row <= 4; ++row)
                QCOMPARE(target.Cells(col, row), source.Cells(col, row));
        }
        QCOMPARE(target.Cells(1, 1), QStringLiteral("clblue"));

        // Saving the loaded grid gives the same file.
        const QString again = dir_.filePath("again.txt");
        target.SaveToFile(again);
        QCOMPARE(readAll(again), readAll(fileName));
    }

    void loadAcceptsOtherLineEndsAndWindowsTexts() {
        const QString fileName = dir_.filePath("windows.txt");
        writeAll(fileName, "x\ny\r1\r\n1\n"
                           "D\xF3\r\n\x80 5\r\na\r\n\r\n");
        Timpgrid grid;
        grid.LoadFromFile(fileName);
        QCOMPARE(grid.ColCount(), 1);
        QCOMPARE(grid.RowCount(), 1);
        QCOMPARE(grid.Cells(0, 0), QString::fromUtf16(u"Dó"));
        QCOMPARE(grid.Cells(0, 1), QString::fromUtf16(u"\u20AC 5"));
        QCOMPARE(grid.Cells(1, 0), QStringLiteral("a"));
        QCOMPARE(grid.Cells(1, 1), QString());
    }

    void malformedFilesAreReportedWithoutHarm_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        const QByteArray head = "Tav Kelbin Improved Grid File\r\nDo < NOT > mess with this!!!\r\n";
        QTest::newRow("empty") << QByteArray() << "line 1: the file ends before the first line";
        QTest::newRow("no counts") << head << "line 3: the file ends before the column count";
        QTest::newRow("not a number") << head + "abc\r\n3\r\n"
                                      << "\"abc\" is not a column count";
        QTest::newRow("negative") << head + "2\r\n-3\r\n"
                                  << "the row count -3 is less than 1";
        QTest::newRow("zero") << head + "0\r\n3\r\n"
                              << "the column count 0 is less than 1";
        QTest::newRow("enormous") << head + "99999999999999999999\r\n3\r\n"
                                  << "is not a column count";
        QTest::newRow("too many columns") << head + "2000000000\r\n3\r\n"
                                          << "the column count 2000000000 is more than";
        QTest::newRow("too many cells") << head + "5000\r\n900000\r\n"
                                        << "more cells than a grid can hold";
        QTest::newRow("truncated") << head + "2\r\n3\r\na\r\nb\r\n"
                                   << "line 7: the file ends "
                                      "before the cell (0, 2)";
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 7919) % 251);
        QTest::newRow("binary") << binary << "is not a column count";
        QTest::newRow("long line") << head + "1\r\n1\r\n" + QByteArray(2 << 20, 'x')
                                   << "line 5: the line is longer than a grid cell can be";
    }

    void malformedFilesAreReportedWithoutHarm() {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        const QString fileName = dir_.filePath("bad.txt");
        writeAll(fileName, content);
        Timpgrid grid;
        const QString message = errorOf([&] { grid.LoadFromFile(fileName); });
        QVERIFY2(message.contains(problem), qPrintable(message));
        QVERIFY2(message.contains(fileName), qPrintable(message));
        QVERIFY(grid.ColCount() >= 1 && grid.ColCount() <= impgrid::GridFile::MaxColCount);
    }

    void cellsReadBeforeAnErrorStay() {
        const QString fileName = dir_.filePath("truncated.txt");
        writeAll(fileName, "a\r\nb\r\n2\r\n3\r\nfirst\r\nsecond\r\n");
        Timpgrid grid;
        grid.setCells(0, 2, "old");
        grid.setCells(1, 0, "old too");
        QVERIFY(!errorOf([&] { grid.LoadFromFile(fileName); }).isEmpty());
        QCOMPARE(grid.ColCount(), 2);
        QCOMPARE(grid.RowCount(), 3);
        QCOMPARE(grid.Cells(0, 0), QStringLiteral("first"));
        QCOMPARE(grid.Cells(0, 1), QStringLiteral("second"));
        QCOMPARE(grid.Cells(0, 2), QStringLiteral("old"));
        QCOMPARE(grid.Cells(1, 0), QStringLiteral("old too"));
    }

    void missingAndEndlessFiles() {
        Timpgrid grid;
        const QString missing = dir_.filePath("missing.txt");
        QVERIFY(errorOf([&] {
                    grid.LoadFromFile(missing);
                }).startsWith(QStringLiteral("Cannot open the grid file \"%1\"").arg(missing)));
        QVERIFY(errorOf([&] {
                    grid.LoadFromFile("/dev/zero");
                }).contains("the line is longer than a grid cell can be"));
        QVERIFY(!errorOf([&] { grid.LoadFromFile(dir_.path()); }).isEmpty());
    }

    void failedSavesSayso() {
        Timpgrid grid;
        QVERIFY(errorOf([&] {
                    grid.SaveToFile(dir_.filePath("no/such/folder/grid.txt"));
                }).startsWith("Cannot write the grid file"));

        const QString fileName = dir_.filePath("kept.txt");
        writeAll(fileName, "previous content");
        grid.setCells(2, 3, "two\nlines");
        QVERIFY(
            errorOf([&] { grid.SaveToFile(fileName); }).contains("Cell (2, 3) holds a line break"));
        QCOMPARE(readAll(fileName), QByteArray("previous content"));
    }

    void aFullDiskIsAnErrorAndKeepsTheOldFile() {
        const QString fileName = dir_.filePath("full.txt");
        writeAll(fileName, "previous content");
        Timpgrid grid;
        grid.setCells(1, 1, QString(8000, u'x'));

        // A file size limit fails the writes as a full disk would.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString message = errorOf([&] { grid.SaveToFile(fileName); });
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY2(message.startsWith("Cannot write the grid file"), qPrintable(message));
        QVERIFY2(message.contains("File too large"), qPrintable(message));
        QCOMPARE(readAll(fileName), QByteArray("previous content"));
        QCOMPARE(QDir(dir_.path()).entryList({"full.txt*"}, QDir::Files), QStringList{"full.txt"});
    }

    void rowBandingFollowsTheOffset() {
        const auto light = [](int offset, int row) { return Timpgrid::IsLightBand(offset + row); };
        QVERIFY(light(0, 0) && light(0, 1) && !light(0, 2) && !light(0, 3));
        QVERIFY(light(0, 4) && light(0, 5) && !light(0, 6));
        QVERIFY(light(1, 0) && !light(1, 1) && !light(1, 2) && light(1, 3));
        for (qint64 n = 0; n < 400; ++n)
            QCOMPARE(Timpgrid::IsLightBand(n), n % 4 < 2);
        QVERIFY(!Timpgrid::IsLightBand(-1));
        QVERIFY(!Timpgrid::IsLightBand(-4));

        Timpgrid grid;
        grid.setFixedRows(0);
        grid.setFixedCols(0);
        grid.setRowCount(6);
        grid.setLightColor(Qt::red);
        grid.setDarkColor(Qt::blue);
        grid.setOffset(1);
        grid.resize(300, 200);
        const QImage shot = grid.grab().toImage();
        const QColor expected[] = {Qt::red, Qt::blue, Qt::blue, Qt::red, Qt::red, Qt::blue};
        for (int row = 0; row < 6; ++row) {
            const QRect cell = grid.visualRect(grid.model()->index(row, 2));
            // Right of any text ("clblue" in row 1).
            const QPoint inside(cell.right() - 4, cell.center().y());
            QCOMPARE(shot.pixelColor(grid.viewport()->mapTo(&grid, inside)), expected[row]);
        }
    }

    void textIsJustifiedAsAsked() {
        Timpgrid grid;
        grid.setCells(1, 2, "WWW");
        grid.setLightColor(Qt::white);
        grid.setDarkColor(Qt::white);
        const QSize size(64, 24);
        const QRect left = inkBox(drawnCell(grid, 1, 2, size), Qt::white);
        QVERIFY(left.left() >= 2 && left.left() <= 4);
        grid.setJustify(1);
        const QRect right = inkBox(drawnCell(grid, 1, 2, size), Qt::white);
        QVERIFY(right.right() <= 64 - 3 && right.right() >= 64 - 6);
        QCOMPARE(right.width(), left.width());

        grid.setCells(0, 2, "Head");
        grid.setFixedColor(Qt::yellow);
        grid.setFixedFontColor(Qt::darkGreen);
        const QImage fixedCell = drawnCell(grid, 0, 2, size);
        QCOMPARE(fixedCell.pixelColor(size.width() - 1, size.height() - 1), QColor(Qt::yellow));
        QVERIFY(inkBox(fixedCell, Qt::yellow).left() <= 4);
    }

    void verticalLabelsRunUpwards() {
        Timpgrid grid;
        grid.setFixedColor(Qt::white);
        grid.setLightColor(Qt::white);
        grid.setDarkColor(Qt::white);
        grid.setCells(1, 0, "Label");
        const QSize size(64, 120);
        const QRect across = inkBox(drawnCell(grid, 1, 0, size), Qt::white);
        QVERIFY(across.width() > across.height());
        grid.setVertLab(true);
        const QRect upwards = inkBox(drawnCell(grid, 1, 0, size), Qt::white);
        QVERIFY2(upwards.height() > upwards.width() / 2,
                 qPrintable(QStringLiteral("%1x%2").arg(upwards.width()).arg(upwards.height())));
        QVERIFY(upwards.left() >= 4);
        QVERIFY(upwards.bottom() <= size.height() - 5);
        // Only heading cells of row 0 turn; a data cell stays horizontal.
        grid.setCells(1, 2, "Label");
        const QRect data = inkBox(drawnCell(grid, 1, 2, size), Qt::white);
        QVERIFY(data.width() > data.height());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TimpgridTest)
#include "TimpgridTest.moc"
