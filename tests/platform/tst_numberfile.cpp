// The number form of the sequential text files: writer and reader.
#include "platform/NumberFile.h"

#include <QBuffer>
#include <QtTest>

class TestNumberFile : public QObject {
    Q_OBJECT
private slots:
    void writerForm()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        NumberFileWriter writer(&buffer);
        writer.writeNumber(255);
        writer.writeNumber(0);
        writer.writeNumber(-3);
        writer.endLine();
        writer.writeNumber(12);
        writer.endLine();
        QVERIFY(writer.ok());
        QCOMPARE(buffer.data(), QByteArray(" 255  0 -3 \r\n 12 \r\n"));
    }

    void writerReportsFailedDevice()
    {
        QBuffer buffer; // never opened
        NumberFileWriter writer(&buffer);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        writer.writeNumber(1);
        QVERIFY(!writer.ok());
    }

    void roundTripThroughWriterAndReader()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        NumberFileWriter writer(&buffer);
        for (int row = 0; row < 3; ++row) {
            for (int c = 0; c < 19; ++c)
                writer.writeNumber(row * 100 + c - 5);
            writer.endLine();
        }
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        NumberFileReader reader(&buffer);
        for (int row = 0; row < 3; ++row)
            for (int c = 0; c < 19; ++c)
                QCOMPARE(reader.nextInteger(), std::optional<qint64>(row * 100 + c - 5));
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.error(), NumberFileReader::Error::None);
    }

    // Numbers are read in sequence whatever separates them.
    void separators_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("blanks") << QByteArray(" 1  2 3 4 ");
        QTest::newRow("commas") << QByteArray("1,2,3,4");
        QTest::newRow("LF only") << QByteArray("1\n2\n3\n4\n");
        QTest::newRow("CR LF, odd breaks") << QByteArray("1 2\r\n3\r\n\r\n4 \r\n");
        QTest::newRow("mixed with tabs") << QByteArray("1,\t2 ,3\r4");
    }
    void separators()
    {
        QFETCH(QByteArray, contents);
        NumberFileReader reader(contents);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(reader.next(), std::optional<double>(k));
        QVERIFY(reader.atEnd());
    }

    void fractionsAndSigns()
    {
        NumberFileReader reader(QByteArray("-1.5 +2 .25 1e3"));
        QCOMPARE(reader.next(), std::optional<double>(-1.5));
        QCOMPARE(reader.next(), std::optional<double>(2));
        QCOMPARE(reader.next(), std::optional<double>(0.25));
        QCOMPARE(reader.next(), std::optional<double>(1000));
    }

    // Malformed files are refused with a clear reason.
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("goodBefore");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        QTest::newRow("letter inside") << QByteArray(" 1  2a3  4 ") << 1
                                       << int(NumberFileReader::Error::NotANumber) << "\"2a3\"";
        QTest::newRow("word") << QByteArray(" 1 \r\n x \r\n") << 1
                              << int(NumberFileReader::Error::NotANumber) << "line 2";
        QTest::newRow("lone sign") << QByteArray("- 1") << 0
                                   << int(NumberFileReader::Error::NotANumber) << "\"-\"";
        QTest::newRow("truncated") << QByteArray(" 1  2 ") << 2
                                   << int(NumberFileReader::Error::EndOfFile) << "ends after 2";
        QTest::newRow("empty") << QByteArray() << 0
                               << int(NumberFileReader::Error::EndOfFile) << "ends after 0";
        QTest::newRow("fraction where whole expected") << QByteArray("1 2.5") << 1
                                   << int(NumberFileReader::Error::NotAnInteger) << "2.5";
    }
    void malformed()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, goodBefore);
        QFETCH(int, error);
        QFETCH(QString, message);
        NumberFileReader reader(contents);
        for (int k = 0; k < goodBefore; ++k)
            QVERIFY(reader.nextInteger().has_value());
        QVERIFY(!reader.nextInteger().has_value());
        QCOMPARE(int(reader.error()), error);
        QVERIFY2(reader.errorString().contains(message), qPrintable(reader.errorString()));
        QCOMPARE(reader.count(), goodBefore);
        // Once failed, the reader stays failed.
        QVERIFY(!reader.next().has_value());
    }

    // What may follow the last number a file should hold: blanks and line
    // breaks (and the comma that ends the last number) are the file's end;
    // anything else is refused on the line where it stands.
    void endOfContent_data()
    {
        QTest::addColumn<QByteArray>("tail");  // after " 1  2 "
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("line");         // of the refusal
        QTest::newRow("nothing") << QByteArray() << true << 0;
        QTest::newRow("CR LF") << QByteArray("\r\n") << true << 0;
        QTest::newRow("blank lines, blanks, tabs") << QByteArray("\r\n\r\n   \t\r\n\n  ") << true << 0;
        QTest::newRow("the comma ending the last number") << QByteArray(",\r\n") << true << 0;
        QTest::newRow("a further number") << QByteArray(" 3 \r\n") << false << 1;
        QTest::newRow("a line of garbage") << QByteArray("\r\n\r\ngarbage 999 x\r\n") << false << 3;
        QTest::newRow("a second comma") << QByteArray(",,") << false << 1;
        QTest::newRow("a lone letter after blank lines") << QByteArray("\n\n\n x") << false << 4;
        QTest::newRow("an end-of-file mark") << QByteArray("\r\n\x1a") << false << 2;
        QTest::newRow("garbage after lines ended by CR alone") << QByteArray("\r\r \r\tx") << false << 4;
        QTest::newRow("garbage after mixed line ends") << QByteArray("\r\n\n\r\r\nx") << false << 5;
        QTest::newRow("a NUL byte") << QByteArray("\r\n\0", 3) << false << 2;
    }
    void endOfContent()
    {
        QFETCH(QByteArray, tail);
        QFETCH(bool, accepted);
        QFETCH(int, line);
        NumberFileReader reader(QByteArray(" 1  2 ") + tail);
        QCOMPARE(reader.nextInteger(), std::optional<qint64>(1));
        QCOMPARE(reader.nextInteger(), std::optional<qint64>(2));
        QCOMPARE(reader.finish(), accepted);
        QCOMPARE(reader.error(), accepted ? NumberFileReader::Error::None : NumberFileReader::Error::TrailingContent);
        if (!accepted) {
            QCOMPARE(reader.line(), line);
            QVERIFY2(reader.errorString().startsWith(QStringLiteral("line %1:").arg(line)),
                     qPrintable(reader.errorString()));
        }
    }

    // A device is read a piece at a time: numbers that straddle two pieces
    // read whole, and a file with a huge tail is read no further than the
    // first character of that tail.
    void readsADeviceOnlyAsFarAsNeeded()
    {
        QByteArray contents;
        int count = 0;
        for (; contents.size() < 300 * 1024; ++count)
            contents += QByteArray::number(count % 1000) + (count % 16 == 15 ? "\r\n" : "  ");
        const qsizetype content = contents.size();
        contents += "\r\n";
        contents += QByteArray(" 1 ").repeated(3 * 1024 * 1024);  // 9 MB of numbers more
        QBuffer buffer(&contents);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        NumberFileReader reader(&buffer);
        for (int i = 0; i < count; ++i)
            QCOMPARE(reader.nextInteger(), std::optional<qint64>(i % 1000));
        QVERIFY(!reader.finish());
        QCOMPARE(reader.error(), NumberFileReader::Error::TrailingContent);
        QCOMPARE(reader.line(), int(contents.left(content).count('\n')) + 2);
        QVERIFY2(buffer.pos() < content + 128 * 1024, qPrintable(QString::number(buffer.pos())));
    }

    // A token far longer than any number is refused without reading it all.
    void overlongTokenIsNoNumber()
    {
        QByteArray contents = " 7 " + QByteArray(4 * 1024 * 1024, '1');
        QBuffer buffer(&contents);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        NumberFileReader reader(&buffer);
        QCOMPARE(reader.nextInteger(), std::optional<qint64>(7));
        QVERIFY(!reader.nextInteger().has_value());
        QCOMPARE(reader.error(), NumberFileReader::Error::NotANumber);
        QVERIFY(buffer.pos() < 128 * 1024);
    }
};

QTEST_MAIN(TestNumberFile)
#include "tst_numberfile.moc"
