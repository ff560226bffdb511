// The vocabulary of the option editor's lists: both languages hold the same
// number of items in every list, the generated lists read as the radio's
// values, and every box holds the list of its role.
#include "memory/ToneNames.h"
#include "options/OptionBlock.h"
#include "options/OptionLists.h"

#include <QtTest>

Q_DECLARE_METATYPE(OptionList)

class TstOptionLists : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { BuildToneNames(); }
    void bothLanguagesAlike();
    void items_data();
    void items();
    void noToneItemHasBlanks();
    void boxesAndOptionTableAgree();
};

void TstOptionLists::bothLanguagesAlike()
{
    static const int counts[] = {2, 261, 2, 3, 2000, 6, 4, 3, 15, 9,      // frames
                                 8, 2, 4, 4, 3, 3, 3, 2, 3, 8,            // words
                                 10, 11, 40, 31, 200, 3, 4, 21, 128, 51, 11};  // numbers
    static_assert(std::size(counts) == OptionListCount);
    for (int l = 0; l < OptionListCount; ++l) {
        const auto list = OptionList(l);
        QCOMPARE(OptionListItems(list, false).size(), counts[l]);
        QCOMPARE(OptionListItems(list, true).size(), counts[l]);
    }
}

void TstOptionLists::items_data()
{
    QTest::addColumn<OptionList>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    using L = OptionList;
    QTest::newRow("tone off") << L::ModeTone << 0 << "OFF" << "关";
    QTest::newRow("tone 1") << L::ModeTone << 1 << "67.0" << "67.0";
    QTest::newRow("tone 50") << L::ModeTone << 50 << "254.1" << "254.1";
    QTest::newRow("tone 51") << L::ModeTone << 51 << "D023N" << "D023N";
    QTest::newRow("tone 155") << L::ModeTone << 155 << "D754N" << "D754N";
    QTest::newRow("tone 156") << L::ModeTone << 156 << "D023I" << "D023I";
    QTest::newRow("tone 260") << L::ModeTone << 260 << "D754I" << "D754I";
    QTest::newRow("time-out first") << L::TimeOut << 0 << "15" << "15";
    QTest::newRow("time-out last") << L::TimeOut << 39 << "600" << "600";
    QTest::newRow("volume first") << L::Volume << 0 << "1" << "1";
    QTest::newRow("volume last") << L::Volume << 10 << "11" << "11";
    QTest::newRow("signal code first") << L::SignalCode << 0 << "1" << "1";
    QTest::newRow("alarm 0") << L::AlarmChannel << 0 << "CH-000" << "CH-000";
    QTest::newRow("alarm 9") << L::AlarmChannel << 9 << "CH-009" << "CH-009";
    QTest::newRow("alarm 10") << L::AlarmChannel << 10 << "CH-010" << "CH-010";
    QTest::newRow("alarm 99") << L::AlarmChannel << 99 << "CH-099" << "CH-099";
    QTest::newRow("alarm 199") << L::AlarmChannel << 199 << "CH-199" << "CH-199";
    QTest::newRow("fifty off") << L::OffOneToFifty << 0 << "OFF" << "关";
    QTest::newRow("fifty last") << L::OffOneToFifty << 50 << "50" << "50";
    QTest::newRow("ten off") << L::OffOneToTen << 0 << "OFF" << "关闭";
    QTest::newRow("ten last") << L::OffOneToTen << 10 << "10" << "10";
    QTest::newRow("scrambler off") << L::Scrambler << 0 << "OFF" << "关闭";
    QTest::newRow("watch M+AB") << L::WatchMode << 4 << "M+AB" << "M+AB";
    QTest::newRow("watch off") << L::WatchMode << 0 << "OFF" << "关闭";
    QTest::newRow("side tone off") << L::DtmfSideTone << 0 << "OFF All " << "关闭";
    QTest::newRow("shift off") << L::ShiftDirection << 0 << "OFF" << "关";
    QTest::newRow("bandwidth") << L::Bandwidth << 1 << "NARROR" << "窄带";
    QTest::newRow("step last") << L::Step << 5 << "25.00 KHZ" << "25.00 KHZ";
    QTest::newRow("offset 1") << L::Offset << 1 << "00.050MHZ" << "00.050MHZ";
    QTest::newRow("relay tone") << L::RelayTone << 3 << "2100Hz" << "2100Hz";
    QTest::newRow("ANI length") << L::AniLength << 0 << "3" << "3";
    QTest::newRow("colour") << L::Colour << 5 << "Indigo" << "青色";
    QTest::newRow("gain last") << L::DtmfGain << 127 << "127" << "127";
}

void TstOptionLists::items()
{
    QFETCH(OptionList, list);
    QFETCH(int, position);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    QCOMPARE(OptionListItems(list, false).at(position), english);
    QCOMPARE(OptionListItems(list, true).at(position), chinese);
}

void TstOptionLists::noToneItemHasBlanks()
{
    for (const QString &item : OptionListItems(OptionList::ModeTone, false))
        QCOMPARE(item, item.trimmed());
}

void TstOptionLists::boxesAndOptionTableAgree()
{
    // Every option box of the block is filled, and only once.
    QSet<QString> filled;
    for (const OptionListBox &box : OptionListBoxes()) {
        QVERIFY2(!filled.contains(QLatin1String(box.name)), box.name);
        filled.insert(QLatin1String(box.name));
    }
    QCOMPARE(filled.size(), 65);
    for (const OptionBox &box : OptionBoxes())
        QVERIFY2(filled.contains(QLatin1String(box.name)), box.name);
}

QTEST_GUILESS_MAIN(TstOptionLists)
#include "tst_optionlists.moc"
