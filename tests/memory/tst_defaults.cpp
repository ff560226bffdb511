// The factory-default routines as the editors' Default buttons run them: each
// rewrites its own block only and keeps what it does not own; and the stores
// they are built on (FM names, 2-tone pairs and decode tones).
#include "memory/AdjustDefaults.h"
#include "memory/ChannelDefaults.h"
#include "memory/DtmfDefaults.h"
#include "memory/FactoryImage.h"
#include "memory/FiveToneDefaults.h"
#include "memory/FmDefaults.h"
#include "memory/MemoryImage.h"
#include "memory/OptionDefaults.h"
#include "memory/OptionFields.h"
#include "memory/TwoToneDefaults.h"

#include <QtTest>

using Routine = void (*)();
Q_DECLARE_METATYPE(Routine)

namespace {
const qint16 Marker = 0x42;

void markImage()
{
    for (auto &row : MemoryImage)
        row.fill(Marker);
}

// What ShowOptions does: the option values reloaded from the image.
void reloadOptionValues()
{
    for (int i = 0; i < 256; ++i)
        OptionValues[i] = MemoryImage[224 + i / 16][i % 16];
}
} // namespace

class TestDefaults : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        resetMemoryState();
        BuildSharedTables();
    }

    // A routine writes nothing outside its block's rows.
    void routineStaysInItsRows_data()
    {
        QTest::addColumn<Routine>("routine");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("channels") << Routine(BuildChannelDefaults) << 0 << 199;
        QTest::newRow("options") << Routine(BuildOptionDefaults) << 224 << 254;
        QTest::newRow("5-tone") << Routine(BuildFiveToneDefaults) << 512 << 607;
        QTest::newRow("DTMF") << Routine(BuildDtmfDefaults) << 656 << 687;
        QTest::newRow("2-tone") << Routine(BuildTwoToneDefaults) << 720 << 767;
        QTest::newRow("FM") << Routine(BuildFmDefaults) << 768 << 783;
        QTest::newRow("alignment") << Routine(BuildAdjustDefaults) << ImageRows << ImageRows;
    }
    void routineStaysInItsRows()
    {
        QFETCH(Routine, routine);
        QFETCH(int, first);
        QFETCH(int, last);
        markImage();
        AdjustImage[0].fill(Marker);
        routine();
        for (int r = 0; r < ImageRows; ++r) {
            if (r >= first && r <= last)
                continue;
            for (int c = 0; c < ImageCols; ++c)
                QVERIFY2(MemoryImage[r][c] == Marker,
                         qPrintable(QStringLiteral("row %1 col %2").arg(r).arg(c)));
        }
        // Only the copy at start-up or the alignment Default button moves
        // the alignment defaults into AdjustImage.
        QCOMPARE(AdjustImage[0][0], Marker);
    }

    // A second press of a Default button after edits restores the block.
    void defaultButtonRestoresBlock_data()
    {
        QTest::addColumn<Routine>("routine");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("channels") << Routine(BuildChannelDefaults) << 0 << 199;
        QTest::newRow("DTMF") << Routine(BuildDtmfDefaults) << 656 << 687;
        QTest::newRow("2-tone") << Routine(BuildTwoToneDefaults) << 720 << 767;
        QTest::newRow("FM") << Routine(BuildFmDefaults) << 768 << 783;
        QTest::newRow("5-tone encode list") << Routine(BuildFiveToneDefaults) << 592 << 607;
    }
    void defaultButtonRestoresBlock()
    {
        QFETCH(Routine, routine);
        QFETCH(int, first);
        QFETCH(int, last);
        BuildFactoryImage();
        const auto factory = MemoryImage;
        for (int r = first; r <= last; ++r)
            for (int c = 0; c < 16; ++c)
                MemoryImage[r][c] = 7;
        routine();
        for (int r = first; r <= last; ++r)
            QCOMPARE(MemoryImage[r], factory[r]);
    }

    void channelDefaultsKeepNames()
    {
        BuildFactoryImage();
        for (int c = 0; c < 8; ++c)
            MemoryImage[256 + 3][c] = 'A' + c;
        MemoryImage[10][0] = 0x00; // an edited channel
        BuildChannelDefaults();
        QCOMPARE(MemoryImage[259][0], qint16('A'));
        QCOMPARE(MemoryImage[259][7], qint16('H'));
        QCOMPARE(MemoryImage[10][0], qint16(0xFF));
    }

    // Bytes without a default keep the values last shown (read from the radio).
    void optionDefaultsKeepUnownedBytes()
    {
        BuildFactoryImage();
        for (int i : {27, 28, 47, 53, 55, 100, 131, 134, 207})
            MemoryImage[224 + i / 16][i % 16] = qint16(i);
        MemoryImage[254][15] = 0x41;
        MemoryImage[241][12] = 0x43;
        MemoryImage[224][0] = 7; // Combo_Tdr, which has a default
        reloadOptionValues();
        BuildOptionDefaults();
        for (int i : {27, 28, 47, 53, 55, 100, 131, 134, 207})
            QCOMPARE(MemoryImage[224 + i / 16][i % 16], qint16(i));
        QCOMPARE(MemoryImage[224][0], qint16(0));
        QCOMPARE(MemoryImage[254][15], qint16(0x41));
        QCOMPARE(MemoryImage[241][12], qint16(0x43));
    }

    // Lists without a byte of their own place nothing: Combo_Tdr alone owns
    // byte 0, and it is 0 after the start-up.
    void unplacedListsOwnNoByte()
    {
        for (OptionField f : {OptionField::Combo_Vol, OptionField::Combo_save, OptionField::Combo_Abr,
                              OptionField::Combo_Disp_Sub, OptionField::Combo_MDF_A,
                              OptionField::Combo_MDF_B, OptionField::Combo_MDF_C,
                              OptionField::Combo_mf_fc, OptionField::Combo_sfc_fc,
                              OptionField::Combo_sub_fc, OptionField::Combo_voice})
            QCOMPARE(OptionFieldByte(f), -1);
        BuildFactoryImage();
        QCOMPARE(OptionValues[0], qint16(0));
        QCOMPARE(MemoryImage[224][0], qint16(0));
    }

    // One table holds every option list's factory setting, each list once:
    // the defaults write it into the list's byte, and a list without a byte
    // (shown at it, fixed) writes nothing.
    void optionFactoryTableHasEveryListOnce()
    {
        QSet<int> listed;
        for (const OptionFactorySetting &s : OptionFactorySettings()) {
            QVERIFY2(!listed.contains(int(s.field)), qPrintable(QString::number(int(s.field))));
            listed.insert(int(s.field));
            QCOMPARE(OptionFactoryIndex(s.field), int(s.index));
        }
        for (OptionField code : {OptionField::Text_ANI, OptionField::Text_PttId_Begin, OptionField::Text_PttId_End}) {
            QVERIFY(!listed.contains(int(code)));
            QCOMPARE(OptionFactoryIndex(code), -1);
        }
        QCOMPARE(listed.size(), OptionFieldCount - 3);
        markImage();
        reloadOptionValues();
        BuildOptionDefaults();
        for (const OptionFactorySetting &s : OptionFactorySettings())
            if (const int b = OptionFieldByte(s.field); b >= 0)
                QCOMPARE(MemoryImage[224 + b / 16][b % 16], s.index);
        QCOMPARE(OptionFactoryIndex(OptionField::Combo_Vol), 10);  // "11", on no byte
        QCOMPARE(MemoryImage[224][0], qint16(0));                  // Combo_Tdr's alone
    }

    // Every placed field has a byte of its own.
    void placedFieldsHaveDistinctBytes()
    {
        QSet<int> bytes;
        for (int f = 0; f < OptionFieldCount; ++f) {
            const int byte = OptionFieldOffsets[f];
            if (byte == NoOptionByte)
                continue;
            QVERIFY(byte >= 0 && byte < 256);
            QVERIFY2(!bytes.contains(byte), qPrintable(QString::number(byte)));
            bytes.insert(byte);
        }
        QCOMPARE(bytes.size(), 35);
        QCOMPARE(OptionFieldByte(OptionField::Text_ANI), 208);
        QCOMPARE(OptionFieldByte(OptionField::Text_PttId_End), 240);
    }

    void fmName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("trimmed");
        QTest::addColumn<QByteArray>("bytes"); // bytes 8..15 of the record
        QTest::newRow("trimmed") << "  ABC " << true << "ABC" << QByteArray("ABC\xFF\xFF\xFF\xFF\xFF");
        QTest::newRow("eight characters") << "ABCDEFGH" << true << "ABCDEFGH" << QByteArray("ABCDEFGH");
        QTest::newRow("longer cut to eight") << "ABCDEFGHIJK" << true << "ABCDEFGHIJK"
                                             << QByteArray("ABCDEFGH");
        QTest::newRow("no single-byte code") << "FM中" << false << "FM中"
                                             << QByteArray(8, '\xFF');
    }
    void fmName()
    {
        QFETCH(QString, name);
        QFETCH(bool, stored);
        QFETCH(QString, trimmed);
        QFETCH(QByteArray, bytes);
        for (auto &row : MemoryImage)
            for (int c = 0; c < 16; ++c)
                row[c] = 0xFF;
        QCOMPARE(StoreFmName(name, 2), stored);
        QCOMPARE(name, trimmed);
        for (int c = 0; c < 8; ++c)
            QCOMPARE(MemoryImage[770][8 + c], qint16(quint8(bytes[c])));
        QCOMPARE(MemoryImage[770][16], qint16(0));
        QCOMPARE(MemoryImage[771][0], qint16(0xFF));
    }

    void fmNameOutsideArea()
    {
        QString name = QStringLiteral("ABC");
        QVERIFY(!StoreFmName(name, 16));
        QVERIFY(!StoreFmName(name, -1));
        QCOMPARE(MemoryImage[784][8], qint16(0));
    }

    void twoTonePairRow()
    {
        int index = 11;
        QCOMPARE(StoreTwoTonePair(45, index, 2200, 970.4), 731);
        QCOMPARE(index, 731);
        QCOMPARE(MemoryImage[731][0], qint16(0x98));
        QCOMPARE(MemoryImage[731][1], qint16(0x08));
        QCOMPARE(MemoryImage[731][8], qint16(0xCA));
        QCOMPARE(MemoryImage[731][9], qint16(0x03));
        QCOMPARE(MemoryImage[731][2], qint16(0));
    }

    void twoToneDecode_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("tone");
        QTest::addColumn<int>("count");
        QTest::newRow("1981") << 1981.0 << 1981 << 5068;
        QTest::newRow("1197 rounds up") << 1197.0 << 1197 << 8388;
        QTest::newRow("300, largest count") << 300.0 << 300 << 33467;
        QTest::newRow("3000") << 3000.0 << 3000 << 3347;
    }
    void twoToneDecode()
    {
        QFETCH(double, hz);
        QFETCH(int, tone);
        QFETCH(int, count);
        QVERIFY(StoreTwoToneDecode(47, 0, 2, hz));
        QCOMPARE(MemoryImage[752][4] + 256 * MemoryImage[752][5], tone);
        QCOMPARE(MemoryImage[752][12] + 256 * MemoryImage[752][13], count);
        QVERIFY(MemoryImage[752][13] <= 255);
    }

    void twoToneDecodeRefuses_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("c");
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("below 300") << 299.0 << 0;
        QTest::newRow("above 3000") << 3001.0 << 0;
        QTest::newRow("negative") << -1000.0 << 0;
        QTest::newRow("tone E") << 1000.0 << 4;
        QTest::newRow("tone before A") << 1000.0 << -1;
    }
    void twoToneDecodeRefuses()
    {
        QFETCH(double, hz);
        QFETCH(int, c);
        markImage();
        QVERIFY(!StoreTwoToneDecode(47, 0, c, hz));
        for (int col = 0; col < ImageCols; ++col)
            QCOMPARE(MemoryImage[752][col], Marker);
        QVERIFY(!StoreTwoToneDecode(64, 1, 0, 1000)); // beyond the image
    }

    void alignmentCopyOnlyRadioCells()
    {
        BuildAdjustDefaults();
        AdjustImage[32].fill(Marker);
        for (auto &row : AdjustImage)
            row[16] = Marker;
        CopyAdjustDefaultsToImage();
        QCOMPARE(AdjustImage[0][0], qint16(60));
        QCOMPARE(AdjustImage[32][0], Marker);
        QCOMPARE(AdjustImage[0][16], Marker);
    }
};

QTEST_MAIN(TestDefaults)
#include "tst_defaults.moc"
