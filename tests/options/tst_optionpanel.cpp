// The option editor's editing area driven as a user drives it: list picks
// against the byte each stores (nothing else changes), the frequency boxes
// (normalisation, band edges, the replacement after the warning, the
// too-long warning), offsets, tones, the code boxes with their limit and
// paste, the power-on text, and the redisplay that writes nothing.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QtTest>

#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "options/FrequencyModeFrame.h"
#include "options/OptionBlock.h"
#include "options/OptionPanel.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

using Bytes = QList<int>;
using Image = CellGrid<ImageRows, ImageCols>;

namespace {
Bytes row(int r)
{
    Bytes out;
    for (int c = 0; c < 16; ++c)
        out << MemoryImage[r][c];
    return out;
}

Bytes padded(Bytes head, int fill)
{
    while (head.size() < 16)
        head << fill;
    return head;
}

// The cells that differ from `before`, as "row:col".
QStringList changedCells(const Image &before)
{
    QStringList out;
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            if (MemoryImage[r][c] != before[r][c])
                out << QStringLiteral("%1:%2").arg(r).arg(c);
    return out;
}

QStringList boxTexts()
{
    QStringList out;
    for (const MsgRecord &m : MsgBoxRecorder::boxes())
        out << m.text;
    return out;
}

// A user's pick with the keyboard: the list takes the focus, Home or End,
// then the cursor keys to the item; every step is a pick.
void pick(PickList *list, int index)
{
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    if (index == list->listCount() - 1)
        QTest::keyClick(list, Qt::Key_End);
    else if (list->listIndex() < 0 || index == 0)
        QTest::keyClick(list, Qt::Key_Home);
    for (int guard = 0; list->listIndex() != index && guard < 300; ++guard)
        QTest::keyClick(list, list->listIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(list->listIndex(), index);
}
} // namespace

class TstOptionPanel : public QObject
{
    Q_OBJECT
    QWidget *host = nullptr;
    OptionPanel *panel = nullptr;

    PickList *list(const char *name) { return panel->findChild<PickList *>(QLatin1String(name)); }
    TextBox *box(const char *name) { return panel->findChild<TextBox *>(QLatin1String(name)); }
    void load();
    // Clicks into a text box, replaces its text by typing, and leaves it
    // with Tab.
    void typeAndLeave(TextBox *b, const QString &keys);

private slots:
    void init();
    void cleanup();
    void listPickStoresItsByteOnly_data();
    void listPickStoresItsByteOnly();
    void arrowKeysPickLettersDoNot();
    void listsWithoutByteStoreNothing();
    void showWritesNothing();
    void corruptBytesShowNoSelection();
    void frequencyCommit_data();
    void frequencyCommit();
    void outOfBandWarnsOnceAndStoresTheReplacement();
    void tooLongFrequencyIsRefused();
    void passingThroughAFrequencyBoxStoresNothing();
    void offsetAndTonePicks();
    void codeBoxes_data();
    void codeBoxes();
    void codeBoxLimitAndPaste();
    void aniCheckOnLeaving();
    void powerOnText();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
};

void TstOptionPanel::init()
{
    resetMemoryState();
    BuildSharedTables();
    SetStartupBandLimits();
    BuildFactoryImage();
    LanguageFlag = 0;
    MsgBoxRecorder::install();
    MsgBoxRecorder::clear();
}

void TstOptionPanel::load()
{
    host = new QWidget;
    host->resize(1000, 700);
    panel = new OptionPanel(host);
    panel->resize(host->size());
    panel->setCaptions();
    panel->FillOptionLists();
    panel->ShowOptions();
    host->show();
    QApplication::setActiveWindow(host);
    QVERIFY(QTest::qWaitForWindowActive(host));
}

void TstOptionPanel::cleanup()
{
    delete host;
    host = nullptr;
    panel = nullptr;
    MsgBoxRecorder::uninstall();
    LanguageFlag = 0;
}

void TstOptionPanel::typeAndLeave(TextBox *b, const QString &keys)
{
    QTest::mouseClick(b, Qt::LeftButton);
    QTRY_VERIFY(b->hasFocus());
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    QTest::keyClicks(b, keys);
    QTest::keyClick(b, Qt::Key_Tab);
}

void TstOptionPanel::listPickStoresItsByteOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("TMR") << "Combo_Tdr" << 7 << 224 << 0;
    QTest::newRow("squelch") << "Combo_Sql" << 9 << 224 << 2;
    QTest::newRow("TOT first") << "Combo_tot" << 0 << 224 << 5;
    QTest::newRow("alarm channel") << "Combo_Emc_Ch" << 150 << 225 << 8;
    QTest::newRow("VOX") << "Combo_vox" << 10 << 225 << 14;
    QTest::newRow("colour") << "Combo_rx_fc" << 7 << 226 << 7;
    QTest::newRow("ANI length") << "Combo_ANI_L" << 0 << 226 << 13;
    QTest::newRow("DTMF gain") << "Combo_Dtmf_Gain" << 127 << 227 << 4;
    QTest::newRow("A step") << "Combo_step_a" << 5 << 241 << 11;
    QTest::newRow("A power") << "Combo_txp_a" << 1 << 241 << 9;
    QTest::newRow("B signal code") << "Combo_S_info_b" << 14 << 243 << 4;
    QTest::newRow("B scrambler") << "Combo_Scr_b" << 8 << 243 << 7;
    QTest::newRow("B shift") << "Combo_sft_d_b" << 2 << 243 << 10;
}

void TstOptionPanel::listPickStoresItsByteOnly()
{
    QFETCH(QString, name);
    QFETCH(int, item);
    QFETCH(int, row);
    QFETCH(int, col);
    load();
    const Image before = MemoryImage;
    pick(list(name.toLatin1()), item);
    QCOMPARE(int(MemoryImage[row][col]), item);
    MemoryImage[row][col] = before[row][col];
    QCOMPARE(changedCells(before), QStringList());
}

void TstOptionPanel::arrowKeysPickLettersDoNot()
{
    load();
    PickList *sql = list("Combo_Sql");
    QTest::mouseClick(panel->Text_ANI, Qt::LeftButton);
    sql->setFocus();
    QTest::keyClicks(sql, QStringLiteral("7a"));
    QCOMPARE(MemoryImage[224][2], qint16(5));
    QCOMPARE(sql->listIndex(), 5);
    QTest::keyClick(sql, Qt::Key_Down);
    QCOMPARE(MemoryImage[224][2], qint16(6));
    QCOMPARE(OptionValues[2], qint16(6));
}

void TstOptionPanel::listsWithoutByteStoreNothing()
{
    load();
    const Image before = MemoryImage;
    for (const char *name : {"Combo_Vol", "Combo_Abr", "Combo_MDF_A", "Combo_MDF_B", "Combo_save"})
        pick(list(name), 1);
    QCOMPARE(changedCells(before), QStringList());
    QCOMPARE(list("Combo_Tdr")->listIndex(), 0);
}

void TstOptionPanel::showWritesNothing()
{
    // The image after start-up, power-on byte 15 still 0xFF, shown twice.
    QCOMPARE(MemoryImage[254][15], qint16(0xFF));
    const Image before = MemoryImage;
    load();
    panel->ShowOptions();
    QCOMPARE(changedCells(before), QStringList());
    QCOMPARE(panel->Text_ANI->text(), QStringLiteral("12345"));
    QCOMPARE(panel->Text_Model_Disp->text(), QStringLiteral("Model-ZQ7350"));
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(panel->Frame_B->Text_Freq->text(), QStringLiteral("145.62500"));
    QCOMPARE(list("Combo_tot")->text(), QStringLiteral("60"));
}

void TstOptionPanel::corruptBytesShowNoSelection()
{
    for (int r = 224; r < 256; ++r)
        MemoryImage[r].fill(0xFF);
    MemoryImage[243][0] = 0xED;  // B receive tone 100.5 Hz: no entry
    MemoryImage[243][1] = 0x03;
    MemoryImage[243][2] = 0xD3;  // B transmit tone: a DCS number beyond the list
    MemoryImage[243][3] = 0x00;
    const Image before = MemoryImage;
    load();
    QCOMPARE(changedCells(before), QStringList());
    for (const char *name : {"Combo_Tdr", "Combo_Sql", "Combo_Emc_Ch", "Combo_step_a", "Combo_S_info_b",
                             "Combo_t_ctdcs_b", "Combo_r_ctdcs_b"})
        QCOMPARE(list(name)->listIndex(), -1);
    QCOMPARE(list("Combo_r_ctdcs_b")->placeholderText(), QStringLiteral("100.5"));
    QCOMPARE(list("Combo_r_ctdcs_a")->listIndex(), 0);     // 0xFF tone: none
    QCOMPARE(list("Combo_Offset_A")->listIndex(), 1999);   // clamped, not stored
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("."));
    QCOMPARE(panel->Text_ANI->text(), QString());
    QCOMPARE(panel->Text_Model_Disp->text(), QString());
}

void TstOptionPanel::frequencyCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Bytes>("digits");
    QTest::newRow("136.025") << "136.025" << "136.02500" << Bytes{1, 3, 6, 0, 2, 5, 0, 0};
    QTest::newRow("136") << "136" << "136.00000" << Bytes{1, 3, 6, 0, 0, 0, 0, 0};
    QTest::newRow("136.0099") << "136.0099" << "136.00975" << Bytes{1, 3, 6, 0, 0, 9, 7, 5};
    QTest::newRow("136.00625") << "136.00625" << "136.00625" << Bytes{1, 3, 6, 0, 0, 6, 2, 5};
    QTest::newRow("top of VHF plus 1 MHz") << "174.99999" << "174.99975" << Bytes{1, 7, 4, 9, 9, 9, 7, 5};
    QTest::newRow("UHF upper edge") << "480.99" << "480.99000" << Bytes{4, 8, 0, 9, 9, 0, 0, 0};
    QTest::newRow("UHF lower edge") << "400" << "400.00000" << Bytes{4, 0, 0, 0, 0, 0, 0, 0};
}

void TstOptionPanel::frequencyCommit()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(Bytes, digits);
    load();
    const Image before = MemoryImage;
    typeAndLeave(panel->Frame_A->Text_Freq, typed);
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(panel->Frame_A->Text_Freq->text(), shown);
    QCOMPARE(row(240).mid(0, 8), digits);
    for (int c = 0; c < 8; ++c)
        MemoryImage[240][c] = before[240][c];
    QCOMPARE(changedCells(before), QStringList());
}

void TstOptionPanel::outOfBandWarnsOnceAndStoresTheReplacement()
{
    load();
    struct Case {
        const char *typed;
        Bytes digits;
    };
    // Record B holds 145.625: its band's lower limit gives the replacement.
    for (const Case &c : {Case{"135.99999", {1, 3, 6, 0, 2, 5, 0, 0}},
                          Case{"175", {1, 3, 6, 0, 2, 5, 0, 0}},
                          Case{"481", {1, 3, 6, 0, 2, 5, 0, 0}}}) {
        MsgBoxRecorder::clear();
        TextBox *freq = panel->Frame_B->Text_Freq;
        typeAndLeave(freq, QString::fromLatin1(c.typed));
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("当前工作频率超出范围 ！")});
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("操作提示"));
        QCOMPARE(row(242).mid(0, 8), c.digits);
        QCOMPARE(freq->text(), QStringLiteral("136.02500"));
        QTRY_VERIFY(freq->hasFocus());
        // Leaving again brings no second warning.
        QTest::keyClick(freq, Qt::Key_Tab);
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    }
    // A UHF record gets a UHF replacement.
    for (int c = 0; c < 8; ++c)
        MemoryImage[240][c] = Bytes{4, 5, 0, 0, 0, 0, 0, 0}[c];
    panel->ShowOptions();
    typeAndLeave(panel->Frame_A->Text_Freq, QStringLiteral("500"));
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("400.02500"));
    QCOMPARE(row(240).mid(0, 8), (Bytes{4, 0, 0, 0, 2, 5, 0, 0}));
}

void TstOptionPanel::tooLongFrequencyIsRefused()
{
    load();
    TextBox *freq = panel->Frame_A->Text_Freq;
    const Image before = MemoryImage;
    QTest::mouseClick(freq, Qt::LeftButton);
    freq->selectAll();
    QTest::keyClick(freq, Qt::Key_Delete);
    QTest::keyClicks(freq, QStringLiteral(".136"));  // a leading point is dropped
    QCOMPARE(freq->text(), QStringLiteral("136"));
    QTest::keyClicks(freq, QStringLiteral(".02500"));
    QCOMPARE(freq->text(), QStringLiteral("136.02500"));
    QTest::keyClicks(freq, QStringLiteral("9"));  // a tenth digit is dropped
    QCOMPARE(freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(boxTexts(), QStringList());
    QTest::keyClicks(freq, QStringLiteral("."));  // a tenth character by a point
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Over the range of  frequency .")});
    QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate prompt"));
    QCOMPARE(freq->text(), QString());
    QVERIFY(freq->hasFocus());
    QTest::keyClick(freq, Qt::Key_Tab);
    QCOMPARE(freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(changedCells(before), QStringList());
    QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
}

void TstOptionPanel::passingThroughAFrequencyBoxStoresNothing()
{
    // An erased record B and a record A whose digits are off the 250 Hz steps.
    for (int c = 0; c < 8; ++c) {
        MemoryImage[242][c] = 0xFF;
        MemoryImage[240][c] = Bytes{1, 3, 6, 0, 0, 9, 9, 0}[c];
    }
    const Image before = MemoryImage;
    load();
    for (TextBox *freq : {panel->Frame_A->Text_Freq, panel->Frame_B->Text_Freq}) {
        QTest::mouseClick(freq, Qt::LeftButton);
        QTRY_VERIFY(freq->hasFocus());
        QTest::keyClick(freq, Qt::Key_Tab);
    }
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(changedCells(before), QStringList());
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("136.00990"));
}

void TstOptionPanel::offsetAndTonePicks()
{
    load();
    const Image before = MemoryImage;
    pick(list("Combo_Offset_A"), 1);
    QCOMPARE(row(240).mid(8, 6), (Bytes{0, 0, 0, 0, 5, 0}));
    pick(list("Combo_offset_b"), 1999);
    QCOMPARE(row(242).mid(8, 6), (Bytes{0, 9, 9, 9, 5, 0}));
    pick(list("Combo_r_ctdcs_a"), 50);   // 254.1
    QCOMPARE(row(241).mid(0, 2), (Bytes{0xED, 0x09}));
    pick(list("Combo_t_ctdcs_b"), 260);  // D754I
    QCOMPARE(row(243).mid(2, 2), (Bytes{0xD2, 0x00}));
    panel->ShowOptions();
    QCOMPARE(list("Combo_Offset_A")->listIndex(), 1);
    QCOMPARE(list("Combo_r_ctdcs_a")->text(), QStringLiteral("254.1"));
    QCOMPARE(list("Combo_t_ctdcs_b")->text(), QStringLiteral("D754I"));
    QCOMPARE(changedCells(before), (QStringList{"240:9", "240:11", "240:13", "241:0", "241:1", "242:9",
                                                "242:10", "242:11", "242:12", "242:13", "243:2"}));
}

void TstOptionPanel::codeBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<Bytes>("stored");
    QTest::newRow("ANI 123") << "Text_ANI" << "123" << 237 << padded({1, 2, 3}, 0xFF);
    QTest::newRow("begin signs") << "Text_PttId_Begin" << "*0#D" << 238 << padded({11, 10, 12, 0}, 0xFF);
    QTest::newRow("end a1") << "Text_PttId_End" << "a1" << 239 << padded({13, 1}, 0xFF);
    QTest::newRow("inner blank") << "Text_PttId_End" << "1 2" << 239 << padded({1, 0xFF, 2}, 0xFF);
    QTest::newRow("emptied") << "Text_PttId_Begin" << "" << 238 << Bytes(16, 0xFF);
}

void TstOptionPanel::codeBoxes()
{
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(int, row);
    QFETCH(Bytes, stored);
    load();
    const Image before = MemoryImage;
    typeAndLeave(box(name.toLatin1()), keys);
    QCOMPARE(::row(row), stored);
    for (int c = 0; c < 16; ++c)
        QCOMPARE(int(OptionValues[(row - 224) * 16 + c]), stored[c]);
    // The next pick in any list keeps the code.
    pick(list("Combo_Beep"), 0);
    QCOMPARE(::row(row), stored);
    MemoryImage[224][9] = before[224][9];
    for (int c = 0; c < 16; ++c)
        MemoryImage[row][c] = before[row][c];
    QCOMPARE(changedCells(before), QStringList());
}

void TstOptionPanel::codeBoxLimitAndPaste()
{
    load();
    TextBox *end = panel->Text_PttId_End;
    QTest::mouseClick(end, Qt::LeftButton);
    end->selectAll();
    QTest::keyClick(end, Qt::Key_Delete);
    QTest::keyClicks(end, QStringLiteral("1234567890*#ABCD99"));
    QCOMPARE(end->text(), QStringLiteral("1234567890*#ABCD"));
    QCOMPARE(row(239), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
    // Backspace still shortens a full box.
    QTest::keyClick(end, Qt::Key_Backspace);
    QCOMPARE(row(239), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0xFF}));
    // A long paste keeps sixteen characters and writes nothing past the row.
    const Bytes nextRow = row(240);
    end->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("98765432109876543210"));
    QTest::keyClick(end, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(end->text(), QStringLiteral("9876543210987654"));
    QCOMPARE(row(239), (Bytes{9, 8, 7, 6, 5, 4, 3, 2, 1, 10, 9, 8, 7, 6, 5, 4}));
    QCOMPARE(row(240), nextRow);
}

void TstOptionPanel::aniCheckOnLeaving()
{
    load();
    struct Case {
        const char *keys;
        const char *message;
    };
    for (const Case &c : {Case{"12", "ANI ID code length is 3 to 5 digit."},
                          Case{"123456", "ANI ID code length is 3 to 5 digit."},
                          Case{"", "ANI ID code length is 3 to 5 digit."},
                          Case{"A12", " Available ANI ID code from 00000 to 99999. "},
                          Case{"#12", " Available ANI ID code from 00000 to 99999. "},
                          Case{"1234", nullptr}, Case{"99999", nullptr}, Case{"1*2", nullptr}}) {
        MsgBoxRecorder::clear();
        typeAndLeave(panel->Text_ANI, QString::fromLatin1(c.keys));
        if (c.message) {
            QCOMPARE(boxTexts(), QStringList{QString::fromLatin1(c.message)});
            QCOMPARE(MsgBoxRecorder::boxes()[0].title, QStringLiteral("Operate Prompt"));
            QTRY_VERIFY(panel->Text_ANI->hasFocus());
        } else {
            QCOMPARE(boxTexts(), QStringList());
            QTRY_VERIFY(!panel->Text_ANI->hasFocus());
        }
    }
    // The code typed last stays, checked or not.
    QCOMPARE(row(237), padded({1, 11, 2}, 0xFF));
}

void TstOptionPanel::powerOnText()
{
    load();
    TextBox *pon = panel->Text_Model_Disp;
    typeAndLeave(pon, QStringLiteral("HELLO"));
    QCOMPARE(row(254), padded({0x48, 0x45, 0x4C, 0x4C, 0x4F}, 0x20));
    typeAndLeave(pon, QStringLiteral("AB EF"));
    QCOMPARE(row(254), padded({0x41, 0x42, 0x20, 0x45, 0x46}, 0x20));
    panel->ShowOptions();
    QCOMPARE(pon->text(), QStringLiteral("ABEF"));
    QCOMPARE(row(254), padded({0x41, 0x42, 0x20, 0x45, 0x46}, 0x20));  // shown, not rewritten
    typeAndLeave(pon, QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    QCOMPARE(pon->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
    QCOMPARE(row(254), padded({65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79}, 0x20));
}

void TstOptionPanel::captionsFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("English") << 0
        << QStringList{"TMR", "Time Out Timer(TOT)[S]", "Relay Signal ", "A Frequency model parameters",
                       "B Frequency model parameters", "Frequency", "RX QT/DQT", "Power-On Message",
                       "Models", "Press PTT to Send", "Release PTT to Send", "C 区信道显示方式"}
        << QStringList{"OFF", "OFF All ", "NARROR", "OFF"};
    QTest::newRow("Chinese") << -1
        << QStringList{"多频守侯", "发射超时定时器（秒）", "中继激活信令", "A 区频率模式参数",
                       "B 区频率模式参数", "当前频率", "接收哑音", "开机显示字符", "机型", "按下发码",
                       "松开发码", "C 区信道显示方式"}
        << QStringList{"关闭", "关闭", "窄带", "关"};
}

void TstOptionPanel::captionsFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, items);
    LanguageFlag = qint16(language);
    load();
    auto label = [&](const char *name) {
        return panel->findChild<QLabel *>(QLatin1String(name))->text();
    };
    QCOMPARE((QStringList{label("Label_Tdr"), label("Label_Tot"), label("Label_REP_S"),
                          panel->Frame_A->title(), panel->Frame_B->title(), label("Label_Freq_b"),
                          label("Label_r_ctdcs_a"), panel->Frame_Pon_Msg->title(),
                          label("Label_Model_Disp"), label("Label_Send_Begin"), label("Label_Send_End"),
                          label("Label_MDF_C")}),
             captions);
    QCOMPARE((QStringList{list("Combo_Tdr")->listItem(0), list("Combo_Dtmfst")->listItem(0),
                          list("Combo_wn_b")->listItem(1), list("Combo_TDR_AB")->listItem(0)}),
             items);
    // Every label stands beside its control for the screen reader.
    for (QLabel *l : panel->findChildren<QLabel *>())
        if (l->objectName().startsWith(QLatin1String("Label_")) && !l->objectName().startsWith(QLatin1String("Label_Mhz")))
            QVERIFY2(l->buddy(), qPrintable(l->objectName()));
}

QTEST_MAIN(TstOptionPanel)
#include "tst_optionpanel.moc"
