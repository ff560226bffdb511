// The option area pinned byte by byte, from the radio's data format: every
// option list with its byte (or none), its factory setting and its entries
// in English and in Chinese, as one table; every list of a frequency-mode
// frame with its entries and what a pick stores in the record. The lists are
// driven with real keys on shown windows, in both languages.
#include "options/OptionWindowFixture.h"
#include "support/ClickWhereSeen.h"

#include <QApplication>
#include <QtTest>

#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "memory/OptionFields.h"
#include "options/OptionBlock.h"
#include "options/OptionPanel.h"
#include "platform/Language.h"
#include "platform/PickList.h"

using namespace OptionWindowFixture;
using Bytes = QList<int>;
using Image = CellGrid<ImageRows, ImageCols>;

// A pick at a list position and the record bytes it leaves from the list's
// first byte on.
struct FramePick {
    int position;
    Bytes bytes;
};
using FramePicks = QList<FramePick>;
Q_DECLARE_METATYPE(FramePicks)

namespace {

QStringList numbers(int first, int last, int step = 1)
{
    QStringList out;
    for (int n = first; n <= last; n += step)
        out << QString::number(n);
    return out;
}

QStringList utf8(std::initializer_list<const char *> words)
{
    QStringList out;
    for (const char *w : words)
        out << QString::fromUtf8(w);
    return out;
}

// The radio's tone names: off, the 50 CTCSS tones, the 105 DCS codes
// normal then inverted.
QStringList toneItems(const char *off)
{
    static const char *const ctcss[] = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
        "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
        "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    static const char *const dcs[] = {
        "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072",
        "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155",
        "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246",
        "251", "252", "255", "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331",
        "332", "343", "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432",
        "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
        "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662", "664", "703",
        "712", "723", "731", "732", "734", "743", "754"};
    static_assert(std::size(ctcss) == 50 && std::size(dcs) == 105);
    QStringList out{QString::fromUtf8(off)};
    for (const char *t : ctcss)
        out << QString::fromLatin1(t);
    for (const char *polarity : {"N", "I"})
        for (const char *d : dcs)
            out << QStringLiteral("D%1%2").arg(QLatin1String(d), QLatin1String(polarity));
    return out;
}

// "00.000MHZ" to "99.950MHZ" in steps of 50 kHz.
QStringList offsetItems()
{
    QStringList out;
    for (int khz = 0; khz <= 99950; khz += 50)
        out << QStringLiteral("%1.%2MHZ").arg(khz / 1000, 2, 10, QLatin1Char('0'))
                   .arg(khz % 1000, 3, 10, QLatin1Char('0'));
    return out;
}

QStringList alarmChannels()
{
    QStringList out;
    for (int n = 0; n < 200; ++n)
        out << QStringLiteral("CH-%1").arg(n, 3, 10, QLatin1Char('0'));
    return out;
}

const QStringList OffOnEn{"OFF", "ON"};
const QStringList OffOnZh = utf8({"关闭", "开启"});
const QStringList ColourEn{"White", "Red", "Blue", "Green", "Yellow", "Indigo", "Purple", "Gray"};
const QStringList ColourZh = utf8({"白色", "红色", "蓝色", "绿色", "黄色", "青色", "紫色", "灰色"});
const QStringList DisplayEn{"Channel+Frequency", "Channel", "Channel+Name"};
const QStringList DisplayZh = utf8({"频率+信道号", "信道号", "信道名称+信道号"});

QStringList items(const PickList *list)
{
    QStringList out;
    for (int i = 0; i < list->listCount(); ++i)
        out << list->listItem(i);
    return out;
}

} // namespace

class TstOptionBytes : public QObject
{
    Q_OBJECT
    // One editing area per language, loaded as the window loads it.
    PanelHost english, chinese;

    void showOnly(const PanelHost &l);
    PickList *list(const PanelHost &l, const QString &name)
    {
        return l.panel->findChild<PickList *>(name);
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void optionBlock_data();
    void optionBlock();
    void frequencyModeLists_data();
    void frequencyModeLists();
};

void TstOptionBytes::initTestCase()
{
    resetProgramState();
    english = loadPanel();
    LanguageFlag = -1;
    chinese = loadPanel();
    LanguageFlag = 0;
    // The option block's table below has a row for each of these lists.
    QCOMPARE(int(OptionBoxes().size()), 43);
}

void TstOptionBytes::showOnly(const PanelHost &l)
{
    // One window at a time, so that a click at a point reaches its window.
    for (const PanelHost *other : {&english, &chinese})
        if (other->host != l.host)
            other->host->hide();
    l.host->show();
    QApplication::setActiveWindow(l.host);
    QVERIFY(QTest::qWaitForWindowActive(l.host));
}

void TstOptionBytes::cleanupTestCase()
{
    delete english.host;
    delete chinese.host;
    cleanupProgramState();
}

void TstOptionBytes::init()
{
    // The factory image, shown by both.
    resetProgramState();
    english.panel->ShowOptions();
    chinese.panel->ShowOptions();
}

void TstOptionBytes::optionBlock_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("byte");     // -1: the block has no byte for it
    QTest::addColumn<int>("factory");  // the index shown after the factory defaults
    QTest::addColumn<QStringList>("english");
    QTest::addColumn<QStringList>("chinese");
    const QStringList tenEn = QStringList{"OFF"} + numbers(1, 10);
    const QStringList tenZh = utf8({"关闭"}) + numbers(1, 10);
    const QStringList fiftyEn = QStringList{"OFF"} + numbers(1, 50);
    const QStringList fiftyZh = utf8({"关"}) + numbers(1, 50);
    const QStringList watch{"M+A", "M+B", "M+C", "M+AB", "M+AC", "M+BC", "M+ABC"};
    auto row = [](const char *name, int byte, int factory, const QStringList &en, const QStringList &zh) {
        QTest::newRow(name) << QString::fromLatin1(name) << byte << factory << en << zh;
    };
    row("Combo_Tdr", 0, 0, QStringList{"OFF"} + watch, utf8({"关闭"}) + watch);
    row("Combo_Sql", 2, 5, numbers(0, 9), numbers(0, 9));
    row("Combo_tot", 5, 3, numbers(15, 600, 15), numbers(15, 600, 15));
    row("Combo_Autolk", 7, 0, OffOnEn, OffOnZh);
    row("Combo_Language", 8, 0, {"English", "Chinese"}, utf8({"英文", "中文"}));
    row("Combo_Beep", 9, 1, OffOnEn, OffOnZh);
    row("Combo_Dtmfst", 14, 3,
        {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"},
        utf8({"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"}));
    row("Combo_Bcl", 15, 0, OffOnEn, OffOnZh);
    row("Combo_Sc_Add", 16, 1, OffOnEn, OffOnZh);
    row("Combo_Sc_rev", 17, 0, {"TO", "CO", "SE"}, utf8({"时间", "载波", "搜索"}));
    row("Combo_Ptt_id", 20, 0, {"OFF", "BOT", "EOT", "BOTH"}, utf8({"关", "按下发码", "松开发码", "两者均发"}));
    row("Combo_Ptt_lt", 21, 5, numbers(0, 30), numbers(0, 30));
    row("Combo_Emc_Tp", 23, 2, {"Alarm", "Transpond", "Both"}, utf8({"现场", "远程", "现场+远程"}));
    row("Combo_Emc_Ch", 24, 0, alarmChannels(), alarmChannels());
    row("Combo_optsig_bp", 25, 1, OffOnEn, OffOnZh);
    row("Combo_vox", 30, 0, tenEn, tenZh);
    row("Combo_vox_t", 31, 5, numbers(0, 20), numbers(0, 20));
    row("Combo_stat_fc", 32, 5, ColourEn, ColourZh);
    row("Combo_sfa_fc", 33, 0, ColourEn, ColourZh);
    row("Combo_sfb_fc", 34, 2, ColourEn, ColourZh);
    row("Combo_batt_fc", 35, 4, ColourEn, ColourZh);
    row("Combo_sig_fc", 36, 5, ColourEn, ColourZh);
    row("Combo_menu_fc", 37, 4, ColourEn, ColourZh);
    row("Combo_tx_fc", 38, 6, ColourEn, ColourZh);
    row("Combo_rx_fc", 39, 3, ColourEn, ColourZh);
    row("Combo_ANI_L", 45, 2, {"3", "4", "5"}, {"3", "4", "5"});
    row("Combo_REP_S", 46, 2, {"1000Hz", "1450Hz", "1750Hz", "2100Hz"}, {"1000Hz", "1450Hz", "1750Hz", "2100Hz"});
    row("Combo_TDR_AB", 48, 10, fiftyEn, fiftyZh);
    row("Combo_STE", 49, 1, OffOnEn, OffOnZh);
    row("Combo_RP_STE", 50, 5, tenEn, tenZh);
    row("Combo_RPT_DL", 51, 0, tenEn, tenZh);
    row("Combo_Dtmf_Gain", 52, 20, numbers(0, 127), numbers(0, 127));
    // No byte of their own: the factory setting, fixed.
    row("Combo_Vol", -1, 10, numbers(1, 11), numbers(1, 11));
    row("Combo_save", -1, 0, OffOnEn, OffOnZh);
    row("Combo_Abr", -1, 20, fiftyEn, fiftyZh);
    row("Combo_MDF_A", -1, 0, DisplayEn, DisplayZh);
    row("Combo_MDF_B", -1, 0, DisplayEn, DisplayZh);
    row("Combo_MDF_C", -1, 0, DisplayEn, DisplayZh);
    row("Combo_Disp_Sub", -1, 0, OffOnEn, OffOnZh);
    row("Combo_mf_fc", -1, 0, ColourEn, ColourZh);
    row("Combo_sfc_fc", -1, 1, ColourEn, ColourZh);
    row("Combo_sub_fc", -1, 4, ColourEn, ColourZh);
    row("Combo_voice", -1, 0, {"OFF", "English", "Chinese"}, utf8({"关闭", "英文", "中文"}));
}

void TstOptionBytes::optionBlock()
{
    QFETCH(QString, name);
    QFETCH(int, byte);
    QFETCH(int, factory);
    QFETCH(QStringList, english);
    QFETCH(QStringList, chinese);
    for (const PanelHost *l : {&this->english, &this->chinese}) {
        showOnly(*l);
        PickList *list = this->list(*l, name);
        QVERIFY(list);
        QCOMPARE(items(list), l == &this->english ? english : chinese);
        QCOMPARE(list->listIndex(), factory);
        const Image before = MemoryImage;
        if (byte < 0) {
            // Shown at its factory setting and closed to picks.
            QVERIFY(!list->isEnabled());
            if (list->isVisible()) {
                QVERIFY(clickWhereSeen(list));
                QCOMPARE(QApplication::activePopupWidget(), nullptr);
            }
            QCOMPARE(list->listIndex(), factory);
            QCOMPARE(changedCells(before), QStringList());
            continue;
        }
        QVERIFY(list->isEnabled());
        QCOMPARE(int(MemoryImage[224 + byte / 16][byte % 16]), factory);
        for (int position : {int(english.size()) - 1, 0}) {
            QVERIFY(pickByKeys(list, position));
            QCOMPARE(int(MemoryImage[224 + byte / 16][byte % 16]), position);
            QCOMPARE(int(OptionValues[byte]), position);
        }
        // Nothing but the list's own byte changed.
        MemoryImage[224 + byte / 16][byte % 16] = before[224 + byte / 16][byte % 16];
        QCOMPARE(changedCells(before), QStringList());
    }
}

void TstOptionBytes::frequencyModeLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("firstRow");  // the record the frame shows: A 240, B 242
    QTest::addColumn<QStringList>("english");
    QTest::addColumn<QStringList>("chinese");
    QTest::addColumn<int>("at");  // the record byte the list's bytes start at
    QTest::addColumn<FramePicks>("picks");
    const FramePicks tonePicks{{50, {0xED, 0x09}}, {260, {0xD2, 0x00}}, {51, {0x01, 0x00}},
                               {1, {0x9E, 0x02}},  {13, {0xE8, 0x03}},  {0, {0x00, 0x00}}};
    // The offset: byte 8 is always written 0, bytes 9-13 the digits.
    const FramePicks offsetPicks{{25, {0, 0, 1, 2, 5, 0}},
                                 {1999, {0, 9, 9, 9, 5, 0}},
                                 {1, {0, 0, 0, 0, 5, 0}},
                                 {0, {0, 0, 0, 0, 0, 0}}};
    struct Frame {
        const char *suffix;
        int firstRow;
    };
    for (const Frame &f : {Frame{"_a", 240}, Frame{"_b", 242}}) {
        const bool left = f.firstRow == 240;
        auto row = [&](const char *leftName, const char *rightName, const QStringList &en,
                       const QStringList &zh, int at, const FramePicks &picks) {
            const char *name = left ? leftName : rightName;
            QTest::newRow(name) << QString::fromLatin1(name) << f.firstRow << en << zh << at << picks;
        };
        // A setting's one byte: its last item, then its first.
        auto settingPicks = [](int last) { return FramePicks{{last, {last}}, {0, {0}}}; };
        row("Combo_txp_a", "Combo_txp_b", {"HIGH", "LOW"}, utf8({"高功率", "低功率"}), 25, settingPicks(1));
        row("Combo_r_ctdcs_a", "Combo_r_ctdcs_b", toneItems("OFF"), toneItems("关"), 16, tonePicks);
        row("Combo_t_ctdcs_a", "Combo_t_ctdcs_b", toneItems("OFF"), toneItems("关"), 18, tonePicks);
        row("Combo_wn_a", "Combo_wn_b", {"WIDE", "NARROR"}, utf8({"宽带", "窄带"}), 24, settingPicks(1));
        row("Combo_sft_d_a", "Combo_sft_d_b", {"OFF", "+", "-"}, utf8({"关", "加频", "减频"}), 26,
            settingPicks(2));
        row("Combo_Offset_A", "Combo_offset_b", offsetItems(), offsetItems(), 8, offsetPicks);
        const QStringList steps{"2.50 KHZ", "5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"};
        row("Combo_step_a", "Combo_step_b", steps, steps, 27, settingPicks(5));
        row("Combo_Optsig_a", "Combo_OptSig_b", {"OFF", "DTMF", "2TONE", "5TONE"},
            utf8({"关", "DTMF", "2TONE", "5TONE"}), 22, settingPicks(3));
        row("Combo_Spmute_a", "Combo_Spmute_b", {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"},
            utf8({"哑音", "哑音与可选信令", "哑音或可选信令"}), 21, settingPicks(2));
        row("Combo_S_info_a", "Combo_S_info_b", numbers(1, 15), numbers(1, 15), 20, settingPicks(14));
        row("Combo_Scr_a", "Combo_Scr_b", QStringList{"OFF"} + numbers(1, 8), utf8({"关闭"}) + numbers(1, 8),
            23, settingPicks(8));
    }
}

void TstOptionBytes::frequencyModeLists()
{
    QFETCH(QString, name);
    QFETCH(int, firstRow);
    QFETCH(QStringList, english);
    QFETCH(QStringList, chinese);
    QFETCH(int, at);
    QFETCH(FramePicks, picks);
    for (const PanelHost *l : {&this->english, &this->chinese}) {
        showOnly(*l);
        PickList *list = this->list(*l, name);
        QVERIFY(list);
        QCOMPARE(items(list), l == &this->english ? english : chinese);
        for (const FramePick &p : picks) {
            // The bytes the pick writes hold something else before it.
            auto cell = [&](int k) -> qint16 & {
                return MemoryImage[firstRow + (at + k) / 16][(at + k) % 16];
            };
            for (int k = 0; k < p.bytes.size(); ++k)
                cell(k) = 0x77;
            const Image before = MemoryImage;
            QVERIFY(pickByKeys(list, p.position));
            Bytes stored;
            for (int k = 0; k < p.bytes.size(); ++k)
                stored << cell(k);
            QCOMPARE(stored, p.bytes);
            for (int k = 0; k < p.bytes.size(); ++k)
                cell(k) = before[firstRow + (at + k) / 16][(at + k) % 16];
            QCOMPARE(changedCells(before), QStringList());
        }
    }
}

QTEST_MAIN(TstOptionBytes)
#include "tst_optionbytes.moc"
