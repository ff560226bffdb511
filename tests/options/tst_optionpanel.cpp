// The option editor's editing area driven as a user drives it: list picks
// against the byte each stores (nothing else changes), the frequency boxes
// (normalisation, band edges, the replacement after the warning, the
// too-long warning), offsets, tones, the code boxes with their limit and
// paste, the power-on text, and the redisplay, which stores back only what
// makes the image hold what it shows.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QtTest>

#include "options/OptionWindowFixture.h"
#include "support/ClickWhereSeen.h"

#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "memory/OptionFields.h"
#include "options/FrequencyModeFrame.h"
#include "options/OptionBlock.h"
#include "options/OptionPanel.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

using namespace OptionWindowFixture;
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
} // namespace

class TstOptionPanel : public QObject
{
    Q_OBJECT
    QWidget *host = nullptr;
    OptionPanel *panel = nullptr;

    PickList *list(const char *name) { return panel->findChild<PickList *>(QLatin1String(name)); }
    TextBox *box(const char *name) { return panel->findChild<TextBox *>(QLatin1String(name)); }
    void load();
    // Clicks into a text box where it is seen, replaces its text by typing,
    // and leaves it with Tab. False, with a warning, when the box cannot be
    // clicked or takes no focus.
    [[nodiscard]] bool typeAndLeave(TextBox *b, const QString &keys);

private slots:
    void init();
    void cleanup();
    void listPickStoresItsByteOnly_data();
    void listPickStoresItsByteOnly();
    void arrowKeysPickLettersDoNot();
    void listsWithoutByteStayAtTheirFactorySetting();
    void showStoresOnlyWhatItNormalises();
    void erasedAreaShowsLastEntriesAndStoresThem();
    void redisplayRule_data();
    void redisplayRule();
    void codeBoxesRepackedByRedisplay_data();
    void codeBoxesRepackedByRedisplay();
    void frequencyCommit_data();
    void frequencyCommit();
    void outOfBandWarnsOnceAndStoresTheReplacement_data();
    void outOfBandWarnsOnceAndStoresTheReplacement();
    void tooLongFrequencyIsRefused();
    void commitRefusedWhileAWarningIsOpen();
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
    resetProgramState();
}

void TstOptionPanel::load()
{
    // The area as the window builds it, within the test screen (1280 x 800).
    const PanelHost loaded = loadPanel();
    host = loaded.host;
    panel = loaded.panel;
    host->show();
    QApplication::setActiveWindow(host);
    QVERIFY(QTest::qWaitForWindowActive(host));
}

void TstOptionPanel::cleanup()
{
    delete host;
    host = nullptr;
    panel = nullptr;
    cleanupProgramState();
}

bool TstOptionPanel::typeAndLeave(TextBox *b, const QString &keys)
{
    if (!clickWhereSeen(b))
        return false;
    if (!QTest::qWaitFor([b] { return b->hasFocus(); })) {
        qWarning("%s takes no focus", qPrintable(b->objectName()));
        return false;
    }
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    QTest::keyClicks(b, keys);
    QTest::keyClick(b, Qt::Key_Tab);
    return true;
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
    QVERIFY(pickByKeys(list(name.toLatin1()), item));
    QCOMPARE(int(MemoryImage[row][col]), item);
    MemoryImage[row][col] = before[row][col];
    QCOMPARE(changedCells(before), QStringList());
}

void TstOptionPanel::arrowKeysPickLettersDoNot()
{
    load();
    PickList *sql = list("Combo_Sql");
    QVERIFY(clickWhereSeen(panel->Text_ANI));
    sql->setFocus();
    QTest::keyClicks(sql, QStringLiteral("7a"));
    QCOMPARE(MemoryImage[224][2], qint16(5));
    QCOMPARE(sql->listIndex(), 5);
    QTest::keyClick(sql, Qt::Key_Down);
    QCOMPARE(MemoryImage[224][2], qint16(6));
    QCOMPARE(OptionValues[2], qint16(6));
}

void TstOptionPanel::listsWithoutByteStayAtTheirFactorySetting()
{
    // Byte 0 belongs to the watch mode alone: no other list shows or
    // stores it.
    MemoryImage[224][0] = 6;
    load();
    const Image before = MemoryImage;
    QCOMPARE(list("Combo_Tdr")->text(), QStringLiteral("M+BC"));
    QCOMPARE((QStringList{list("Combo_Vol")->text(), list("Combo_Abr")->text(), list("Combo_MDF_A")->text(),
                          list("Combo_MDF_B")->text(), list("Combo_save")->text()}),
             (QStringList{"11", "20", "Channel+Frequency", "Channel+Frequency", "OFF"}));
    // A click where the list is seen opens nothing; Tab passes it by.
    for (const char *name : {"Combo_Vol", "Combo_Abr", "Combo_MDF_A", "Combo_MDF_B", "Combo_save"}) {
        PickList *l = list(name);
        QVERIFY(!l->isEnabled());
        QVERIFY(clickWhereSeen(l));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QVERIFY(!l->hasFocus());
    }
    PickList *sql = list("Combo_Sql");
    sql->setFocus();
    QTRY_VERIFY(sql->hasFocus());
    QTest::keyClick(sql, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list("Combo_tot"));  // not the volume between them
    panel->ShowOptions();
    QCOMPARE(changedCells(before), QStringList());
    QCOMPARE(list("Combo_Tdr")->listIndex(), 6);
    QCOMPARE(list("Combo_Vol")->listIndex(), 10);
}

void TstOptionPanel::showStoresOnlyWhatItNormalises()
{
    // The image after start-up, power-on byte 15 still 0xFF, shown twice.
    QCOMPARE(MemoryImage[254][15], qint16(0xFF));
    const Image before = MemoryImage;
    load();
    panel->ShowOptions();
    // Every option byte and code is shown as it stands; only the factory
    // offsets off the 50 kHz steps take the item they show: A 10.655 MHz
    // shows 10.650, B 1.625 MHz shows 1.600 (a half goes to the even item).
    QCOMPARE(changedCells(before), (QStringList{"240:13", "242:12", "242:13"}));
    QCOMPARE(row(240).mid(8, 6), (Bytes{0, 1, 0, 6, 5, 0}));
    QCOMPARE(row(242).mid(8, 6), (Bytes{0, 0, 1, 6, 0, 0}));
    QCOMPARE(list("Combo_Offset_A")->text(), QStringLiteral("10.650MHZ"));
    QCOMPARE(list("Combo_offset_b")->text(), QStringLiteral("01.600MHZ"));
    QCOMPARE(panel->Text_ANI->text(), QStringLiteral("12345"));
    QCOMPARE(panel->Text_Model_Disp->text(), QStringLiteral("Model-ZQ7350"));
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(panel->Frame_B->Text_Freq->text(), QStringLiteral("145.62500"));
    QCOMPARE(list("Combo_tot")->text(), QStringLiteral("60"));
}

void TstOptionPanel::erasedAreaShowsLastEntriesAndStoresThem()
{
    // An erased radio: the whole option area 0xFF, but for a record B whose
    // tones have no entry (100.5 Hz, a DCS number beyond the list).
    for (int r = 224; r < 256; ++r)
        MemoryImage[r].fill(0xFF);
    MemoryImage[243][0] = 0xED;
    MemoryImage[243][1] = 0x03;
    MemoryImage[243][2] = 0xD3;
    MemoryImage[243][3] = 0x00;
    load();
    // Every list with a byte shows its last entry, and its byte holds it.
    const auto boxes = OptionBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        const int b = OptionFieldByte(boxes[i].field);
        if (b < 0)
            continue;
        PickList *l = panel->optionLists[i];
        QCOMPARE(l->listIndex(), l->listCount() - 1);
        QCOMPARE(int(MemoryImage[224 + b / 16][b % 16]), l->listCount() - 1);
    }
    QCOMPARE(list("Combo_Sql")->text(), QStringLiteral("9"));
    QCOMPARE(list("Combo_Tdr")->text(), QStringLiteral("M+ABC"));
    QCOMPARE(MemoryImage[224][1], qint16(0xFF));   // no list: carried along
    QCOMPARE(MemoryImage[227][7], qint16(0xFF));
    QCOMPARE(row(237), Bytes(16, 0xFF));           // empty codes stay empty
    QCOMPARE(panel->Text_ANI->text(), QString());
    // Record A, 32 bytes 0xFF: a lone point, the frequency untouched; the
    // last offset item, tones off, every setting its last item.
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("."));
    QCOMPARE(list("Combo_Offset_A")->text(), QStringLiteral("99.950MHZ"));
    QCOMPARE(row(240), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 9, 9, 9, 5, 0, 0xFF, 0xFF}));
    QCOMPARE(row(241), (Bytes{0, 0, 0, 0, 14, 2, 3, 8, 1, 1, 2, 5, 0xFF, 0xFF, 0xFF, 0xFF}));
    QCOMPARE(list("Combo_r_ctdcs_a")->listIndex(), 0);
    QCOMPARE(list("Combo_S_info_a")->text(), QStringLiteral("15"));
    QCOMPARE(list("Combo_step_a")->text(), QStringLiteral("25.00 KHZ"));
    // Tones without an entry are shown as they are and kept.
    QCOMPARE(row(243).mid(0, 4), (Bytes{0xED, 0x03, 0xD3, 0x00}));
    QCOMPARE(list("Combo_r_ctdcs_b")->listIndex(), -1);
    QCOMPARE(list("Combo_r_ctdcs_b")->unlistedText(), QStringLiteral("100.5"));
    QCOMPARE(list("Combo_t_ctdcs_b")->listIndex(), -1);
    // Records C and D are not shown: untouched. So is the power-on text.
    for (int r : {244, 245, 246, 247, 254})
        QCOMPARE(row(r), Bytes(16, 0xFF));
    QCOMPARE(panel->Text_Model_Disp->text(), QString());
    // A second redisplay leaves the image as the first left it.
    const Image once = MemoryImage;
    panel->ShowOptions();
    QCOMPARE(changedCells(once), QStringList());
}

void TstOptionPanel::redisplayRule_data()
{
    // Cells put into the factory image, the list that shows them, what it
    // shows (its text, or "-" for no selection) and the cells afterwards.
    QTest::addColumn<Bytes>("cells");  // row, column, value, ...
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Bytes>("after");  // row, column, value, ...
    QTest::newRow("squelch erased") << Bytes{224, 2, 0xFF} << "Combo_Sql" << "9" << Bytes{224, 2, 9};
    QTest::newRow("squelch in range") << Bytes{224, 2, 7} << "Combo_Sql" << "7" << Bytes{224, 2, 7};
    QTest::newRow("watch 12") << Bytes{224, 0, 12} << "Combo_Tdr" << "M+ABC" << Bytes{224, 0, 7};
    QTest::newRow("watch at its last") << Bytes{224, 0, 7} << "Combo_Tdr" << "M+ABC" << Bytes{224, 0, 7};
    QTest::newRow("alarm channel 200") << Bytes{225, 8, 200} << "Combo_Emc_Ch" << "CH-199" << Bytes{225, 8, 199};
    QTest::newRow("menu language 2") << Bytes{224, 8, 2} << "Combo_Language" << "Chinese" << Bytes{224, 8, 1};
    QTest::newRow("DTMF gain 128") << Bytes{227, 4, 128} << "Combo_Dtmf_Gain" << "127" << Bytes{227, 4, 127};
    QTest::newRow("A signal code 20") << Bytes{241, 4, 20} << "Combo_S_info_a" << "15" << Bytes{241, 4, 14};
    QTest::newRow("A step 6") << Bytes{241, 11, 6} << "Combo_step_a" << "25.00 KHZ" << Bytes{241, 11, 5};
    QTest::newRow("B scrambler 9") << Bytes{243, 7, 9} << "Combo_Scr_b" << "8" << Bytes{243, 7, 8};
    QTest::newRow("B power 2") << Bytes{243, 9, 2} << "Combo_txp_b" << "LOW" << Bytes{243, 9, 1};
    QTest::newRow("offset 25 kHz")
        << Bytes{240, 8, 0, 240, 9, 0, 240, 10, 0, 240, 11, 0, 240, 12, 2, 240, 13, 5} << "Combo_Offset_A"
        << "00.000MHZ" << Bytes{240, 12, 0, 240, 13, 0};
    QTest::newRow("offset 75 kHz")
        << Bytes{240, 8, 0, 240, 9, 0, 240, 10, 0, 240, 11, 0, 240, 12, 7, 240, 13, 5} << "Combo_Offset_A"
        << "00.100MHZ" << Bytes{240, 11, 1, 240, 12, 0, 240, 13, 0};
    QTest::newRow("offset hundreds byte") << Bytes{242, 8, 3} << "Combo_offset_b" << "99.950MHZ"
                                          << Bytes{242, 8, 0, 242, 9, 9, 242, 10, 9, 242, 11, 9, 242, 12, 5, 242, 13, 0};
    QTest::newRow("tone high byte erased") << Bytes{241, 0, 0x00, 241, 1, 0xFF} << "Combo_r_ctdcs_a" << "OFF"
                                           << Bytes{241, 0, 0, 241, 1, 0};
    QTest::newRow("tone low byte erased") << Bytes{243, 2, 0xFF, 243, 3, 0x00} << "Combo_t_ctdcs_b" << "OFF"
                                          << Bytes{243, 2, 0, 243, 3, 0};
    QTest::newRow("tone 67.0 kept") << Bytes{241, 2, 0x9E, 241, 3, 0x02} << "Combo_t_ctdcs_a" << "67.0"
                                    << Bytes{241, 2, 0x9E, 241, 3, 0x02};
    QTest::newRow("tone D023I kept") << Bytes{241, 0, 0x6A, 241, 1, 0x00} << "Combo_r_ctdcs_a" << "D023I"
                                     << Bytes{241, 0, 0x6A, 241, 1, 0x00};
    QTest::newRow("unlisted tone kept") << Bytes{241, 0, 0xED, 241, 1, 0x03} << "Combo_r_ctdcs_a" << "-"
                                        << Bytes{241, 0, 0xED, 241, 1, 0x03};
    QTest::newRow("DCS beyond the list kept") << Bytes{241, 0, 0xD3, 241, 1, 0x00} << "Combo_r_ctdcs_a" << "-"
                                              << Bytes{241, 0, 0xD3, 241, 1, 0x00};
}

void TstOptionPanel::redisplayRule()
{
    QFETCH(Bytes, cells);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(Bytes, after);
    // The factory offsets normalised first, so that only the case's cells
    // can differ.
    load();
    for (int k = 0; k + 2 < cells.size(); k += 3)
        MemoryImage[cells[k]][cells[k + 1]] = qint16(cells[k + 2]);
    Image expected = MemoryImage;
    for (int k = 0; k + 2 < after.size(); k += 3)
        expected[after[k]][after[k + 1]] = qint16(after[k + 2]);
    panel->ShowOptions();
    PickList *l = list(name.toLatin1());
    QCOMPARE(l->listIndex() < 0 ? QStringLiteral("-") : l->text(), shown);
    QCOMPARE(changedCells(expected), QStringList());
    // What is shown is what is stored: a second show changes nothing.
    panel->ShowOptions();
    QCOMPARE(changedCells(expected), QStringList());
}

void TstOptionPanel::codeBoxesRepackedByRedisplay_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Bytes>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Bytes>("after");
    QTest::newRow("ANI gap") << 237 << padded({1, 0xFF, 2}, 0xFF) << "12" << padded({1, 2}, 0xFF);
    QTest::newRow("begin not codes") << 238 << padded({16, 3, 200}, 0xFF) << "3" << padded({3}, 0xFF);
    QTest::newRow("end signs kept") << 239 << padded({10, 11, 12, 0}, 0xFF) << "0*#D"
                                    << padded({10, 11, 12, 0}, 0xFF);
    QTest::newRow("erased kept") << 237 << Bytes(16, 0xFF) << "" << Bytes(16, 0xFF);
    QTest::newRow("sixteen kept") << 238 << Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}
                                  << "1234567890*#ABCD" << Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0};
}

void TstOptionPanel::codeBoxesRepackedByRedisplay()
{
    QFETCH(int, row);
    QFETCH(Bytes, stored);
    QFETCH(QString, shown);
    QFETCH(Bytes, after);
    load();
    for (int c = 0; c < 16; ++c)
        MemoryImage[row][c] = qint16(stored[c]);
    const Image before = MemoryImage;
    panel->ShowOptions();
    TextBox *b = row == 237 ? panel->Text_ANI : row == 238 ? panel->Text_PttId_Begin : panel->Text_PttId_End;
    QCOMPARE(b->text(), shown);
    QCOMPARE(::row(row), after);
    for (int c = 0; c < 16; ++c)
        QCOMPARE(int(OptionValues[(row - 224) * 16 + c]), after[c]);
    for (int c = 0; c < 16; ++c)
        MemoryImage[row][c] = before[row][c];
    QCOMPARE(changedCells(before), QStringList());
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
    QVERIFY(typeAndLeave(panel->Frame_A->Text_Freq, typed));
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(panel->Frame_A->Text_Freq->text(), shown);
    QCOMPARE(row(240).mid(0, 8), digits);
    for (int c = 0; c < 8; ++c)
        MemoryImage[240][c] = before[240][c];
    QCOMPARE(changedCells(before), QStringList());
}

void TstOptionPanel::outOfBandWarnsOnceAndStoresTheReplacement_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << 0 << "The working frequency is out of range." << "Operate prompt";
    QTest::newRow("Chinese") << -1 << "当前工作频率超出范围 ！" << "操作提示";
}

void TstOptionPanel::outOfBandWarnsOnceAndStoresTheReplacement()
{
    QFETCH(int, language);
    QFETCH(QString, warning);
    QFETCH(QString, title);
    LanguageFlag = qint16(language);
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
        QVERIFY(typeAndLeave(freq, QString::fromLatin1(c.typed)));
        QCOMPARE(boxTexts(), QStringList{warning});
        QCOMPARE(MsgBoxRecorder::boxes()[0].title, title);
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
    QVERIFY(typeAndLeave(panel->Frame_A->Text_Freq, QStringLiteral("500")));
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("400.02500"));
    QCOMPARE(row(240).mid(0, 8), (Bytes{4, 0, 0, 0, 2, 5, 0, 0}));
}

void TstOptionPanel::tooLongFrequencyIsRefused()
{
    load();
    TextBox *freq = panel->Frame_A->Text_Freq;
    const Image before = MemoryImage;
    QVERIFY(clickWhereSeen(freq));
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
    // A redraw leaves the emptied box to the user; a save's commit shows
    // the stored frequency again, as leaving the box does.
    panel->ShowOptions();
    QCOMPARE(freq->text(), QString());
    QVERIFY(panel->commitOpenEdit());
    QCOMPARE(freq->text(), QStringLiteral("136.02500"));
    QTest::keyClicks(freq, QStringLiteral("."));
    QCOMPARE(MsgBoxRecorder::boxes().size(), 2);
    QCOMPARE(freq->text(), QString());
    QTest::keyClick(freq, Qt::Key_Tab);
    QCOMPARE(freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(changedCells(before), QStringList());
    QCOMPARE(MsgBoxRecorder::boxes().size(), 2);
}

void TstOptionPanel::commitRefusedWhileAWarningIsOpen()
{
    // A save asked for while the out-of-band warning is open (the box's
    // answer asks for the commit): nothing is committed then, and the
    // frequency is stored once, when the box is closed.
    load();
    int answered = 0;
    bool committed = true;
    MsgBoxRecorder::install([&](const MsgRecord &) {
        ++answered;
        committed = panel->commitOpenEdit();
        return MsgResult::Ok;
    });
    QVERIFY(typeAndLeave(panel->Frame_A->Text_Freq, QStringLiteral("500")));
    QCOMPARE(answered, 1);
    QVERIFY(!committed);
    QCOMPARE(panel->Frame_A->Text_Freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(row(240).mid(0, 8), (Bytes{1, 3, 6, 0, 2, 5, 0, 0}));
    QVERIFY(panel->commitOpenEdit());
}

void TstOptionPanel::passingThroughAFrequencyBoxStoresNothing()
{
    // An erased record B and a record A whose digits are off the 250 Hz steps.
    for (int c = 0; c < 8; ++c) {
        MemoryImage[242][c] = 0xFF;
        MemoryImage[240][c] = Bytes{1, 3, 6, 0, 0, 9, 9, 0}[c];
    }
    load();
    const Image before = MemoryImage;
    for (TextBox *freq : {panel->Frame_A->Text_Freq, panel->Frame_B->Text_Freq}) {
        QVERIFY(clickWhereSeen(freq));
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
    QVERIFY(pickByKeys(list("Combo_Offset_A"), 1));
    QCOMPARE(row(240).mid(8, 6), (Bytes{0, 0, 0, 0, 5, 0}));
    QVERIFY(pickByKeys(list("Combo_offset_b"), 1999));
    QCOMPARE(row(242).mid(8, 6), (Bytes{0, 9, 9, 9, 5, 0}));
    QVERIFY(pickByKeys(list("Combo_r_ctdcs_a"), 50));   // 254.1
    QCOMPARE(row(241).mid(0, 2), (Bytes{0xED, 0x09}));
    QVERIFY(pickByKeys(list("Combo_t_ctdcs_b"), 260));  // D754I
    QCOMPARE(row(243).mid(2, 2), (Bytes{0xD2, 0x00}));
    panel->ShowOptions();
    QCOMPARE(list("Combo_Offset_A")->listIndex(), 1);
    QCOMPARE(list("Combo_r_ctdcs_a")->text(), QStringLiteral("254.1"));
    QCOMPARE(list("Combo_t_ctdcs_b")->text(), QStringLiteral("D754I"));
    QCOMPARE(changedCells(before), (QStringList{"240:9", "240:11", "241:0", "241:1", "242:9", "242:10",
                                                "242:11", "242:12", "243:2"}));
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
    QVERIFY(typeAndLeave(box(name.toLatin1()), keys));
    QCOMPARE(::row(row), stored);
    for (int c = 0; c < 16; ++c)
        QCOMPARE(int(OptionValues[(row - 224) * 16 + c]), stored[c]);
    // The next pick in any list keeps the code.
    QVERIFY(pickByKeys(list("Combo_Beep"), 0));
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
    QVERIFY(clickWhereSeen(end));
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
        QVERIFY(typeAndLeave(panel->Text_ANI, QString::fromLatin1(c.keys)));
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
    QVERIFY(typeAndLeave(pon, QStringLiteral("HELLO")));
    QCOMPARE(row(254), padded({0x48, 0x45, 0x4C, 0x4C, 0x4F}, 0x20));
    QVERIFY(typeAndLeave(pon, QStringLiteral("AB EF")));
    QCOMPARE(row(254), padded({0x41, 0x42, 0x20, 0x45, 0x46}, 0x20));
    panel->ShowOptions();
    QCOMPARE(pon->text(), QStringLiteral("AB EF"));  // the inner blank shown
    QCOMPARE(row(254), padded({0x41, 0x42, 0x20, 0x45, 0x46}, 0x20));  // shown, not rewritten
    QVERIFY(typeAndLeave(pon, QStringLiteral("ABCDEFGHIJKLMNOPQ")));
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
