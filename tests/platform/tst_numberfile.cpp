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
};

QTEST_MAIN(TestNumberFile)
#include "tst_numberfile.moc"
