// The single-byte character code of stored texts.
#include "platform/ByteCodec.h"

#include <QtTest>

class TestByteCodec : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        for (int b = 0; b < 256; ++b) {
            const auto back = charToByte(byteToChar(quint8(b)));
            QVERIFY(back.has_value());
            QCOMPARE(int(*back), b);
        }
    }

    void charactersWithoutByte_data()
    {
        QTest::addColumn<QChar>("ch");
        QTest::newRow("Chinese") << QChar(u'中');
        QTest::newRow("euro sign") << QChar(u'€');
        QTest::newRow("first above Latin-1") << QChar(char16_t(0x100));
    }
    void charactersWithoutByte()
    {
        QFETCH(QChar, ch);
        QVERIFY(!charToByte(ch).has_value());
    }

    void asciiKeepsItsCode()
    {
        QCOMPARE(int(*charToByte(QLatin1Char('A'))), 65);
        QCOMPARE(int(*charToByte(QLatin1Char(' '))), 32);
        QCOMPARE(byteToChar(0xE9), QChar(u'é'));
    }
};

QTEST_MAIN(TestByteCodec)
#include "tst_bytecodec.moc"
