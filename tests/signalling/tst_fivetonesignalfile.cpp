// The ".sig" signal file: what a save packs into each row, the exact bytes
// written, the round trip of the 5-tone area through save and load, the rows
// a save keeps, and the bad files that must change nothing.
#include "FiveToneFixture.h"
#include "memory/FiveToneDefaults.h"
#include "memory/FiveToneTables.h"
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "signalling/FiveToneArea.h"
#include "signalling/FiveToneSignalFile.h"
#include "signalling/FiveToneState.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace FiveToneArea;

namespace {
// The standards table and encode standard cells as a redraw shows the image.
SignalFileSheet sheetFromImage()
{
    SignalFileSheet sheet;
    for (int s = 0; s < 15; ++s) {
        const auto &row = MemoryImage[standardRow(s)];
        sheet.standardCells[s] = {FiveTonePeriodText(row[PeriodByte]), ToneCodeToHex(row[GroupToneByte]),
                                  ToneCodeToHex(row[RepeatToneByte])};
    }
    for (int n = 1; n <= 15; ++n)
        sheet.encodeStandardCells[n - 1] = FiveToneEncodeStandardText(n);
    const auto &settings = MemoryImage[SettingsRow];
    for (int i = 0; i < 4; ++i)
        sheet.delayPositions[i] = settings[i];
    sheet.resetPosition = settings[ResetTimeByte];
    return sheet;
}

QList<int> rowBytes(const SignalGrid &file, int row, int first, int count)
{
    QList<int> bytes;
    for (int i = 0; i < count; ++i)
        bytes << file[row][first + i];
    return bytes;
}

// Every cell a different, recognisable byte.
SignalGrid pattern(int seed)
{
    SignalGrid file{};
    for (int r = 0; r < SignalFileRows; ++r)
        for (int c = 0; c < 16; ++c)
            file[r][c] = qint16((r * 7 + c * 13 + seed) % 256);
    return file;
}
}

class TestFiveToneSignalFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { FiveToneFixture::resetArea(); }

    void tableRows()
    {
        SignalGrid file{};
        PackSignalFile(sheetFromImage(), file);
        QCOMPARE(file[0][0], 0xBD);      // CCIR1 digit 0, 1981 Hz low
        QCOMPARE(file[16][0], 0x07);     // its high byte
        QCOMPARE(file[32][0], 0xCC);     // count 5068 low
        QCOMPARE(file[48][0], 0x13);
        QCOMPARE(file[32 + 3][1], 0xFF); // ZVEI1 digit 1, count 9471
        // Row 15 of each block names no standard: what the tables hold there.
        for (int t = 0; t < 4; ++t)
            QCOMPARE(rowBytes(file, 16 * t + 15, 0, 16), QList<int>(16, 0));
    }

    // Rows 64..95 start from the image; the standards table's cells and the
    // encode standard cells lie over them; frames come from the image.
    void areaRows()
    {
        MemoryImage[FirstRow + 15][7] = 0x33;  // row 591, no field of the editor
        SignalFileSheet sheet = sheetFromImage();
        sheet.standardCells[3] = {"60", "C", ""};
        sheet.encodeStandardCells[1] = "ZVEI2";      // code 2, no frames
        sheet.encodeStandardCells[14] = " bogus ";
        sheet.standardCells[4][0] = "";              // gives no period: the image's stays
        SignalGrid file{};
        PackSignalFile(sheet, file);

        QCOMPARE(rowBytes(file, 64, 0, 3), (QList<int>{8, 10, 14}));   // CCIR1, 100 ms
        QCOMPARE(rowBytes(file, 64 + 9, 0, 3), (QList<int>{2, 10, 14})); // EEA, 40 ms
        QCOMPARE(rowBytes(file, 64 + 3, 0, 3), (QList<int>{4, 12, 255}));
        QCOMPARE(file[64 + 4][0], 5);
        QCOMPARE(file[79][7], 0x33);
        QCOMPARE(rowBytes(file, 80, 0, 16),
                 (QList<int>{1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0}));
        QCOMPARE(file[81][15], 4);
        QCOMPARE(file[94][15], 255);
        QCOMPARE(rowBytes(file, 95, 0, 16),
                 (QList<int>{20, 20, 20, 0, 255, 255, 255, 255, 0, 1, 6, 59, 255, 255, 255, 255}));
    }

    void timingAndReplyRows()
    {
        SignalFileSheet sheet = sheetFromImage();
        sheet.replyAfterAll = true;
        sheet.replyChannelFree = true;
        SignalGrid file = pattern(1);
        PackSignalFile(sheet, file);
        QCOMPARE(rowBytes(file, 111, 0, 16), (QList<int>{20, 20, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        // No reply delay is ever selected: it is kept as 255.
        QCOMPARE(rowBytes(file, 143, 0, 16), (QList<int>{59, 1, 2, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        sheet.replyAfterAll = sheet.replyChannelFree = false;
        PackSignalFile(sheet, file);
        QCOMPARE(rowBytes(file, 143, 1, 2), (QList<int>{0, 0}));
    }

    void decodeRows()
    {
        SignalFileSheet sheet = sheetFromImage();
        sheet.decodeCells[2] = {"EIA", "12", "8.Revive", "ab", "", "  3F9", "3.Monitor", "ABCDE"};
        sheet.decodeFunctions[2][0] = 9;
        sheet.decodeFunctions[2][1] = 17;
        sheet.decodeFunctions[2][5] = 31;
        SignalGrid file = pattern(2);
        const SignalGrid before = file;
        PackSignalFile(sheet, file);
        QCOMPARE(rowBytes(file, 114, 0, 16),
                 (QList<int>{1, 2, 255, 255, 255, 255, 255, 255, 255, 255, 3, 15, 9, 255, 255, 10}));
        QCOMPARE(rowBytes(file, 130, 0, 14), (QList<int>{10, 11, 12, 13, 14, 8, 255, 3, 9, 17, 0, 0, 0, 31}));
        // An empty code row: no standard, no digits, no functions.
        QCOMPARE(rowBytes(file, 112, 0, 16), QList<int>(16, 255));
        QCOMPARE(rowBytes(file, 128, 5, 3), (QList<int>{255, 255, 255}));
        // Bytes the file keeps for itself stay as they were.
        QCOMPARE(rowBytes(file, 130, 14, 2), rowBytes(before, 130, 14, 2));
        QCOMPARE(rowBytes(file, 127, 0, 16), rowBytes(before, 127, 0, 16));
        QCOMPARE(rowBytes(file, 100, 0, 16), rowBytes(before, 100, 0, 16));
        for (int r = 144; r < SignalFileRows; ++r)
            QCOMPARE(rowBytes(file, r, 0, 16), rowBytes(before, r, 0, 16));
    }

    void cellPacking_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("two digits and blanks") << "12   " << QList<int>{1, 2, 255, 255, 255};
        QTest::newRow("leading blank") << " 2345" << QList<int>{2, 3, 4, 5, 255};
        QTest::newRow("lower case") << "1a2bc" << QList<int>{1, 255, 2, 255, 255};
        QTest::newRow("beyond five") << "1234567" << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("empty") << "" << QList<int>{255, 255, 255, 255, 255};
    }
    void cellPacking()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, codes);
        const auto packed = PackToneCell(text);
        QCOMPARE(QList<int>(packed.begin(), packed.end()), codes);
    }

    void functionPacking_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("English") << "8.Revive" << 8;
        QTest::newRow("Chinese") << "3.监听" << 3;
        QTest::newRow("blank") << "  " << 255;
        QTest::newRow("no digit") << "x" << 0;
    }
    void functionPacking()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(PackDecodeFunction(text), value);
    }

    void toneCodeString()
    {
        SignalGrid file{};
        file[3] = {1, 10, 15, 255, 16};
        QCOMPARE(ToneCodeString(file, 3, 0), "1AF  ");
    }

    void exactBytes()
    {
        SignalGrid file{};
        file[0][0] = 255;
        file[0][1] = 20;
        const QByteArray bytes = SignalFileBytes(file);
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 257);  // 256 lines, each ended by CR LF
        QVERIFY(lines.last().isEmpty());
        QVERIFY(lines.first().startsWith(" 255  20  0 "));
        QCOMPARE(lines.first(), QByteArray(" 255  20 ") + QByteArray(" 0 ").repeated(14) + '\r');
    }

    // Save, change the area, load: the area and the display come back.
    void roundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.sig");
        MemoryImage[standardRow(6)][PeriodByte] = 17;
        MemoryImage[encodeRow(4)][frameByte(2) + 1] = 0xC;
        MemoryImage[encodeRow(4)][EncodeStandardByte] = 7;
        MemoryImage[SettingsRow][CallFramesByte] = 0xFD;
        MemoryImage[SettingsRow][ResetTimeByte] = 12;
        const auto saved = MemoryImage;
        QVERIFY(SaveSignalFileImage(path, sheetFromImage()).ok());
        QVERIFY(SignalFileImage == ParseBack(path));

        for (int r = FirstRow; r < FirstRow + Rows; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = 0x11;
        const SignalFileStatus status = LoadSignalFileImage(path);
        QVERIFY2(status.ok(), qPrintable(SignalFileFaultText(status)));
        QVERIFY(MemoryImage == saved);
    }

    void saveKeepsRowsOfExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("b.sig");
        const SignalGrid existing = pattern(5);
        QVERIFY(writeAll(path, SignalFileBytes(existing)));
        QVERIFY(SaveSignalFileImage(path, sheetFromImage()).ok());
        const SignalGrid written = ParseBack(path);
        for (int r = 144; r < SignalFileRows; ++r)
            QCOMPARE(rowBytes(written, r, 0, 16), rowBytes(existing, r, 0, 16));
        QCOMPARE(rowBytes(written, 64, 0, 3), (QList<int>{8, 10, 14}));
    }

    // A new file, or one that is not a sound signal file, gets the rows
    // SignalFileImage holds: 0 before any load or save.
    void saveOverNewOrBadFile_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::newRow("new file") << QByteArray();
        QTest::newRow("not a signal file") << QByteArray("hello\r\n");
    }
    void saveOverNewOrBadFile()
    {
        QFETCH(QByteArray, existing);
        QTemporaryDir dir;
        const QString path = dir.filePath("c.sig");
        if (!existing.isEmpty())
            QVERIFY(writeAll(path, existing));
        QVERIFY(SaveSignalFileImage(path, sheetFromImage()).ok());
        const SignalGrid written = ParseBack(path);
        for (int r = 144; r < SignalFileRows; ++r)
            QCOMPARE(rowBytes(written, r, 0, 16), QList<int>(16, 0));
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("line");
        const QByteArray good = SignalFileBytes(pattern(3));
        QList<QByteArray> lines = good.split('\n');
        auto withLine = [&](int index, const QByteArray &text) {
            QList<QByteArray> copy = lines;
            copy[index] = text + '\r';
            return copy.join('\n');
        };
        QTest::newRow("short") << good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2)
                               << int(SignalFileFault::TooShort) << 256;
        QTest::newRow("empty") << QByteArray() << int(SignalFileFault::TooShort) << 1;
        QTest::newRow("letter on line 7") << withLine(6, " 1  2  x ") << int(SignalFileFault::NotAWholeNumber) << 7;
        QTest::newRow("fraction on line 9") << withLine(8, " 1.5 ") << int(SignalFileFault::NotAWholeNumber) << 9;
        QTest::newRow("256 on line 3") << withLine(2, " 1  256 ") << int(SignalFileFault::ValueOutOfRange) << 3;
        QTest::newRow("negative on line 80") << withLine(79, "-1 ") << int(SignalFileFault::ValueOutOfRange) << 80;
        QTest::newRow("text after the last row") << good + "\r\ngarbage 999 x\r\n"
                                                 << int(SignalFileFault::TrailingContent) << 258;
    }
    void badFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, fault);
        QFETCH(int, line);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.sig");
        QVERIFY(writeAll(path, contents));
        SignalFileImage = pattern(9);
        const auto image = MemoryImage;
        const SignalFileStatus status = LoadSignalFileImage(path);
        QCOMPARE(int(status.fault), fault);
        QCOMPARE(status.line, line);
        QVERIFY(MemoryImage == image);
        QVERIFY(SignalFileImage == pattern(9));
        QVERIFY(SignalFileFaultText(status).contains(QString::number(line)));
    }

    void missingOrFolder()
    {
        QTemporaryDir dir;
        const auto image = MemoryImage;
        const SignalFileStatus missing = LoadSignalFileImage(dir.filePath("none.sig"));
        QCOMPARE(missing.fault, SignalFileFault::CannotOpen);
        const SignalFileStatus folder = LoadSignalFileImage(dir.path());
        QCOMPARE(folder.fault, SignalFileFault::CannotOpen);
        QVERIFY(MemoryImage == image);

        SignalFileImage = pattern(4);
        const SignalFileStatus save = SaveSignalFileImage(dir.path(), sheetFromImage());
        QCOMPARE(save.fault, SignalFileFault::CannotWrite);
        QVERIFY(SignalFileImage == pattern(4));
        const SignalFileStatus noFolder = SaveSignalFileImage(dir.filePath("no/such.sig"), sheetFromImage());
        QCOMPARE(noFolder.fault, SignalFileFault::CannotWrite);
        QVERIFY(SignalFileImage == pattern(4));
    }

    // A load takes the whole file into SignalFileImage and only the 5-tone
    // area into the image: neither the tables nor the decode list.
    void loadTouchesOnlyTheArea()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("d.sig");
        const SignalGrid file = pattern(6);
        QVERIFY(writeAll(path, SignalFileBytes(file)));
        auto expected = MemoryImage;
        for (int i = 0; i < 32; ++i)
            for (int c = 0; c < 16; ++c)
                expected[FirstRow + i][c] = file[64 + i][c];
        QVERIFY(LoadSignalFileImage(path).ok());
        QVERIFY(MemoryImage == expected);
        QVERIFY(SignalFileImage == file);
    }

private:
    static SignalGrid ParseBack(const QString &path)
    {
        SignalGrid file{};
        const SignalFileStatus status = ParseSignalFile(readAll(path), file);
        if (!status.ok())
            qWarning() << SignalFileFaultText(status);
        return file;
    }
};

QTEST_GUILESS_MAIN(TestFiveToneSignalFile)
#include "tst_fivetonesignalfile.moc"
