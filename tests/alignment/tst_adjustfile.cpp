// The ".adj" file: its exact form, the round trip of the factory block, the
// tolerant reading of line breaks and commas, and the checks that keep a bad
// file from changing anything (with the line it failed on).
#include "alignment/AdjustFile.h"
#include "memory/AdjustDefaults.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
AdjustGrid factory()
{
    resetMemoryState();
    BuildAdjustDefaults();
    return AdjustDefaults;
}

AdjustGrid marked()
{
    AdjustGrid g{};
    for (auto &row : g)
        row.fill(9);
    return g;
}

QByteArray numbers(int count, const char *separator)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number(i % 256) + separator;
    return out;
}
} // namespace

class TestAdjustFile : public QObject {
    Q_OBJECT
private slots:
    void init() { LanguageFlag = 0; }

    void factoryFile()
    {
        const AdjustGrid g = factory();
        const QByteArray bytes = AdjustFileBytes(g);
        QCOMPARE(bytes.size(), 1813);
        QCOMPARE(bytes.count("\r\n"), 32);
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(bytes.startsWith(" 60  60 "));
        AdjustGrid back = marked();
        QVERIFY(ParseAdjustFile(bytes, back).ok());
        for (int r = 0; r < AdjustBlockRows; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(back[r][c], g[r][c]);
        // Row 32 and column 16 lie outside the file.
        QCOMPARE(back[32][0], qint16(9));
        QCOMPARE(back[0][16], qint16(9));
    }

    void lineForm()
    {
        AdjustGrid g{};
        g[0] = {60, 0, 255, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
        g[1][0] = -5;  // only a grid outside the program can hold one
        const QList<QByteArray> lines = AdjustFileBytes(g).split('\n');
        QCOMPARE(lines[0], QByteArray(" 60  0  255 ") + QByteArray(" 7 ").repeated(13) + "\r");
        QVERIFY(lines[1].startsWith("-5  0 "));
    }

    void tolerantLayout_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("one line") << numbers(512, " ");
        QTest::newRow("commas") << numbers(512, ",");
        QTest::newRow("LF only") << numbers(512, "\n");
        QTest::newRow("blank lines after 512") << numbers(512, " ") + "\r\n\r\n  \r\n";
        QTest::newRow("whole fractions") << numbers(512, ".0 ");
    }
    void tolerantLayout()
    {
        QFETCH(QByteArray, contents);
        AdjustGrid g = marked();
        QVERIFY(ParseAdjustFile(contents, g).ok());
        for (int i = 0; i < 512; ++i)
            QCOMPARE(g[i / 16][i % 16], qint16(i % 256));
    }

    // A bad file changes nothing and names the line.
    void badFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        const QByteArray good = AdjustFileBytes(factory());
        QList<QByteArray> lines = good.split('\n');
        auto withLine = [&](int n, const QByteArray &line) {
            QList<QByteArray> l = lines;
            l[n] = line + "\r";
            return l.join('\n');
        };
        QTest::newRow("empty") << QByteArray() << int(AdjustFileFault::TooShort) << 1
                               << "The file ends at line 1, before all 512 values were read.";
        QTest::newRow("31 lines") << lines.mid(0, 31).join('\n') << int(AdjustFileFault::TooShort)
                                  << 31 << "The file ends at line 31, before all 512 values were read.";
        QTest::newRow("300") << withLine(4, " 300 " + QByteArray(" 1 ").repeated(15))
                             << int(AdjustFileFault::ValueOutOfRange) << 5
                             << "Line 5 of the file holds the value 300, outside 0 to 255.";
        QTest::newRow("negative") << withLine(0, "-1 " + QByteArray(" 1 ").repeated(15))
                                  << int(AdjustFileFault::ValueOutOfRange) << 1
                                  << "Line 1 of the file holds the value -1, outside 0 to 255.";
        QTest::newRow("fraction") << withLine(9, " 12.5 " + QByteArray(" 1 ").repeated(15))
                                  << int(AdjustFileFault::NotAWholeNumber) << 10
                                  << "Line 10 of the file holds something that is not a whole number.";
        QTest::newRow("letter") << withLine(31, QByteArray(" 1 ").repeated(15) + " x ")
                                << int(AdjustFileFault::NotAWholeNumber) << 32
                                << "Line 32 of the file holds something that is not a whole number.";
        QTest::newRow("more than 512") << good + " 1 " << int(AdjustFileFault::TrailingContent) << 33
                                       << "Line 33 of the file holds more after the complete content; "
                                          "the file is damaged or of another kind.";
        QTest::newRow("text after 512") << numbers(512, " ") + "end of file" << int(AdjustFileFault::TrailingContent)
                                        << 1
                                        << "Line 1 of the file holds more after the complete content; "
                                           "the file is damaged or of another kind.";
        QTest::newRow("huge") << withLine(2, " 99999999999999999999 " + QByteArray(" 1 ").repeated(15))
                              << int(AdjustFileFault::NotAWholeNumber) << 3
                              << "Line 3 of the file holds something that is not a whole number.";
    }
    void badFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, fault);
        QFETCH(int, line);
        QFETCH(QString, text);
        AdjustGrid g = marked();
        const AdjustFileStatus s = ParseAdjustFile(contents, g);
        QCOMPARE(int(s.fault), fault);
        QCOMPARE(s.line, line);
        QCOMPARE(g, marked());
        QCOMPARE(AdjustFileFailureText(s, true),
                 "Loading the optional parameters from file failed; the parameters are unchanged.\n" + text);
    }

    void saveAndLoadOnDisk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.adj");
        const AdjustGrid g = factory();
        QVERIFY(WriteAdjustFile(path, g).ok());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), AdjustFileBytes(g));
        AdjustGrid back = marked();
        QVERIFY(ReadAdjustFile(path, back).ok());
        for (int r = 0; r < AdjustBlockRows; ++r)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(back[r][c], g[r][c]);
        // Only the file itself is left behind in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.adj"});
    }

    void missingFileAndFolder()
    {
        QTemporaryDir dir;
        AdjustGrid g = marked();
        AdjustFileStatus s = ReadAdjustFile(dir.filePath("none.adj"), g);
        QCOMPARE(s.fault, AdjustFileFault::CannotOpen);
        s = ReadAdjustFile(dir.path(), g);
        QCOMPARE(s.fault, AdjustFileFault::CannotOpen);
        QCOMPARE(g, marked());
        s = WriteAdjustFile(dir.filePath("no/such/folder.adj"), g);
        QCOMPARE(s.fault, AdjustFileFault::CannotWrite);
        s = WriteAdjustFile(dir.path(), g);
        QCOMPARE(s.fault, AdjustFileFault::CannotWrite);
        QVERIFY(AdjustFileFailureText(s, false)
                    .startsWith("Storing the optional parameters failed.\nCannot write the file "));
    }
};

QTEST_GUILESS_MAIN(TestAdjustFile)
#include "tst_adjustfile.moc"
