// DTMF, hexadecimal and password character codes.
#include "memory/CharacterCodec.h"
#include "memory/MemoryImage.h"

#include <QtTest>

using Codes = QList<int>;

class TestCharacterCodec : public QObject {
    Q_OBJECT
private slots:
    void dtmfCharToCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("9") << "9" << 9;
        QTest::newRow("0") << "0" << 10;
        QTest::newRow("*") << "*" << 11;
        QTest::newRow("#") << "#" << 12;
        QTest::newRow("A") << "A" << 13;
        QTest::newRow("b") << "b" << 14;
        QTest::newRow("C") << "C" << 15;
        QTest::newRow("D") << "D" << 0;
        QTest::newRow("d") << "d" << 0;
        QTest::newRow("E") << "E" << 255;
        QTest::newRow("empty") << "" << 255;
        QTest::newRow("two digits") << "12" << 255;
        QTest::newRow("blank") << " " << 255;
        QTest::newRow("non-Latin") << "中" << 255;
    }
    void dtmfCharToCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(DtmfCharToCode(text), code);
    }

    void dtmfCodeToChar_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "D";
        QTest::newRow("5") << 5 << "5";
        QTest::newRow("10") << 10 << "0";
        QTest::newRow("11") << 11 << "*";
        QTest::newRow("12") << 12 << "#";
        QTest::newRow("15") << 15 << "C";
        QTest::newRow("16") << 16 << "";
        QTest::newRow("255") << 255 << "";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("above a byte") << 300 << "";
    }
    void dtmfCodeToChar()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(DtmfCodeToChar(code), text);
    }

    void everyDtmfCodeRoundTrips()
    {
        for (int code = 0; code < 16; ++code)
            QCOMPARE(DtmfCharToCode(DtmfCodeToChar(code)), code);
    }

    void codeStrings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Codes>("codes");
        QTest::addColumn<QString>("shown");
        const Codes ff(12, 0xFF);
        QTest::newRow("digits and signs") << "12*#" << Codes{1, 2, 11, 12} + ff << "12*#";
        QTest::newRow("trimmed, lower case") << "  a0d " << Codes{13, 10, 0} + Codes(13, 0xFF) << "A0D";
        QTest::newRow("character without code")
            << "1X2" << Codes{1, 255, 2} + Codes(13, 0xFF) << "12";
        QTest::newRow("empty") << "" << Codes(16, 0xFF) << "";
        QTest::newRow("longer than 16")
            << "12345678901234567890"
            << Codes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6} << "1234567890123456";
    }
    void codeStrings()
    {
        QFETCH(QString, text);
        QFETCH(Codes, codes);
        QFETCH(QString, shown);
        resetMemoryState();
        StoreDtmfCodeString(text, 670);
        Codes stored;
        for (int c = 0; c < 16; ++c)
            stored << MemoryImage[670][c];
        QCOMPARE(stored, codes);
        QCOMPARE(DtmfCodeStringAt(670), shown);
        QCOMPARE(MemoryImage[670][16], qint16(0));
    }

    void hexCharToValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("9") << "9" << 9;
        QTest::newRow("A") << "A" << 10;
        QTest::newRow("f") << "f" << 15;
        QTest::newRow("G") << "G" << 255;
        QTest::newRow("empty") << "" << 255;
        QTest::newRow("two characters") << "1A" << 255;
    }
    void hexCharToValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(HexCharToValue(text), value);
    }

    void charToCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("digit") << "5" << 53;
        QTest::newRow("capital") << "Q" << 81;
        QTest::newRow("small z") << "z" << 90;
        QTest::newRow("plus") << "+" << 43;
        QTest::newRow("minus") << "-" << 45;
        QTest::newRow("blank") << " " << 32;
        QTest::newRow("question mark") << "?" << 11;
        QTest::newRow("empty") << "" << 11;
        QTest::newRow("two characters") << "ab" << 11;
        QTest::newRow("accented") << "é" << 11;
    }
    void charToCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(CharToCode(text), code);
    }

    void codeToChar_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("90") << 90 << "Z";
        QTest::newRow("48") << 48 << "0";
        QTest::newRow("32") << 32 << " ";
        QTest::newRow("43") << 43 << "+";
        QTest::newRow("11") << 11 << "";
        QTest::newRow("97") << 97 << "";
        QTest::newRow("255") << 255 << "";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("above a byte") << 90 + 256 << "";
    }
    void codeToChar()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(CodeToChar(code), text);
    }

    void trimSpacesOnlyBlanks()
    {
        QCOMPARE(TrimSpaces(QStringLiteral("  EIA ")), QStringLiteral("EIA"));
        QCOMPARE(TrimSpaces(QStringLiteral("\tEIA\t")), QStringLiteral("\tEIA\t"));
        QCOMPARE(TrimSpaces(QStringLiteral("   ")), QString());
    }
};

QTEST_MAIN(TestCharacterCodec)
#include "tst_charactercodec.moc"
