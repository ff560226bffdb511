// The 5-tone area as the editor shows and stores it: the tone-digit codecs,
// the fixed lists and the positions shown for stored bytes, the texts of the
// standards and encode entries, and the edits written into the image.
#include "FiveToneFixture.h"
#include "memory/FiveToneDefaults.h"
#include "memory/ListByte.h"
#include "memory/MemoryImage.h"
#include "platform/TextBox.h"
#include "signalling/FiveToneArea.h"

#include <QtTest>

using namespace FiveToneArea;

namespace {
QList<int> encodeBytes(int n, int first, int count)
{
    QList<int> bytes;
    for (int i = 0; i < count; ++i)
        bytes << MemoryImage[encodeRow(n)][first + i];
    return bytes;
}
}

class TestFiveToneArea : public QObject
{
    Q_OBJECT
private slots:
    void init() { FiveToneFixture::resetArea(); }

    void toneCodeToHex_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("9") << 9 << "9";
        QTest::newRow("10 is A") << 10 << "A";
        QTest::newRow("15 is F") << 15 << "F";
        QTest::newRow("16 a blank") << 16 << " ";
        QTest::newRow("0xFF a blank") << 255 << " ";
        QTest::newRow("negative empty") << -1 << "";
    }
    void toneCodeToHex()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(ToneCodeToHex(code), text);
    }

    void hexToToneCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("9") << "9" << 9;
        QTest::newRow("A") << "A" << 10;
        QTest::newRow("F") << "F" << 15;
        QTest::newRow("lower case refused") << "a" << 255;
        QTest::newRow("G") << "G" << 255;
        QTest::newRow("blank") << " " << 255;
        QTest::newRow("empty") << "" << 255;
        QTest::newRow("after 9 by code") << "9x" << 255;
        QTest::newRow("beyond a byte") << "5000" << 255;
    }
    void hexToToneCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(HexToToneCode(text), code);
    }

    void lists()
    {
        const QStringList period = FiveTonePeriodList();
        QCOMPARE(period.size(), 19);
        QCOMPARE(period.first(), "20");
        QCOMPARE(period.at(5), "70");
        QCOMPARE(period.last(), "200");
        const QStringList delay = FiveToneDelayList();
        QCOMPARE(delay.size(), 101);
        QCOMPARE(delay.at(20), "200");
        QCOMPARE(delay.last(), "1000");
        const QStringList reset = FiveToneResetList();
        QCOMPARE(reset.size(), 80);
        QCOMPARE(reset.at(59), "6000");
        QCOMPARE(reset.last(), "8000");
        QCOMPARE(FiveToneDigitList().join(QString()), "0123456789ABCDEF");
        QCOMPARE(FiveToneStandardList().size(), 15);
        QCOMPARE(FiveToneStandardList().at(14), "MODAT");
    }

    // A byte beyond its list shows (and so stores) the list's last entry.
    void listPosition_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("shown");
        QTest::newRow("delay in range") << FiveToneDelayList() << 20 << "200";
        QTest::newRow("delay last") << FiveToneDelayList() << 100 << "1000";
        QTest::newRow("delay 0xFF") << FiveToneDelayList() << 255 << "1000";
        QTest::newRow("standard 0xFF is MODAT") << FiveToneStandardList() << 255 << "MODAT";
        QTest::newRow("reset 80") << FiveToneResetList() << 80 << "8000";
    }
    void listPosition()
    {
        QFETCH(QStringList, list);
        QFETCH(int, byte);
        QFETCH(QString, shown);
        qint16 cell = qint16(byte);
        const int position = StoreListByteInRange(cell, int(list.size()));
        QCOMPARE(list.value(position), shown);
        QCOMPARE(int(cell), position);
    }

    void periodText()
    {
        QCOMPARE(FiveTonePeriodText(5), "70");
        QCOMPARE(FiveTonePeriodText(8), "100");
        QCOMPARE(FiveTonePeriodText(0xFF), "2570");
    }

    void encodeTextsAfterDefault()
    {
        QCOMPARE(FiveToneFrameText(1, 1), "12345");
        QCOMPARE(FiveToneFrameText(1, 3), "56789");
        QCOMPARE(FiveToneFrameText(15, 3), "67890");
        QCOMPARE(FiveToneFrameText(2, 1), "     ");
        QCOMPARE(FiveToneEncodeStandardText(1), "CCIR1");
        QCOMPARE(FiveToneEncodeStandardText(15), "MODAT");
        QCOMPARE(FiveToneEncodeStandardText(2), "");
    }

    // The frame editor's text reaches the image at every change.
    void storeFrame_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("bytes");
        QTest::newRow("two digits") << 1 << "12" << QList<int>{1, 2, 255, 255, 255};
        QTest::newRow("lower case as capitals") << 3 << "abcde" << QList<int>{10, 11, 12, 13, 14};
        QTest::newRow("1, a, 2") << 2 << "1a2" << QList<int>{1, 10, 2, 255, 255};
        QTest::newRow("leading blank dropped") << 1 << " 2345" << QList<int>{2, 3, 4, 5, 255};
        QTest::newRow("sixth not stored") << 1 << "123456" << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("no digit") << 2 << "x" << QList<int>{255, 255, 255, 255, 255};
        QTest::newRow("empty") << 3 << "" << QList<int>{255, 255, 255, 255, 255};
    }
    void storeFrame()
    {
        QFETCH(int, frame);
        QFETCH(QString, text);
        QFETCH(QList<int>, bytes);
        const auto before = MemoryImage;
        StoreFiveToneFrame(3, frame, text);
        QCOMPARE(encodeBytes(3, frameByte(frame), 5), bytes);
        // Nothing but the frame's five bytes changes.
        auto expected = before;
        for (int i = 0; i < 5; ++i)
            expected[encodeRow(3)][frameByte(frame) + i] = qint16(bytes[i]);
        QVERIFY(MemoryImage == expected);
    }

    void frameBits()
    {
        MemoryImage[SettingsRow][CallFramesByte] = 0xFF;
        SetFiveToneFrameBit(CallFramesByte, 1, false);
        QCOMPARE(MemoryImage[SettingsRow][CallFramesByte], 0xFD);
        SetFiveToneFrameBit(CallFramesByte, 1, true);
        QCOMPARE(MemoryImage[SettingsRow][CallFramesByte], 0xFF);
        MemoryImage[SettingsRow][DisplayFramesByte] = 1;
        SetFiveToneFrameBit(DisplayFramesByte, 2, true);
        QCOMPARE(MemoryImage[SettingsRow][DisplayFramesByte], 5);
        SetFiveToneFrameBit(DisplayFramesByte, 0, false);
        QCOMPARE(MemoryImage[SettingsRow][DisplayFramesByte], 4);
    }

    void frameKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("passes");
        QTest::newRow("digit") << int('7') << "12" << true;
        QTest::newRow("lower case") << int('f') << "" << true;
        QTest::newRow("sixth character") << int('1') << "12345" << true;
        QTest::newRow("seventh refused") << int('1') << "123456" << false;
        QTest::newRow("blanks do not count") << int('1') << " 12345 " << true;
        QTest::newRow("backspace on a long text") << int(TextBox::KeyBackspace) << "1234567" << true;
        QTest::newRow("enter") << int(TextBox::KeyEnter) << "123" << true;
        QTest::newRow("g refused") << int('g') << "" << false;
        QTest::newRow("blank refused") << int(' ') << "" << false;
    }
    void frameKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, before);
        QFETCH(bool, passes);
        QCOMPARE(FiveToneFrameKey(key, before), passes ? key : 0);
    }
};

QTEST_GUILESS_MAIN(TestFiveToneArea)
#include "tst_fivetonearea.moc"
