// Editing the channel grid as a user does: click a cell, type or pick, leave
// the cell or press Enter; then the stored bytes, the cells and the warnings.
#include "support/ChannelEditorFixture.h"

#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"

using namespace ChannelGrid;
using namespace ChannelEditorFixture;
using Bytes = QList<int>;

namespace {
// Row 10 (channel 9, empty in the factory table) with the band picked.
constexpr int NewRow = 10;
constexpr int NewCh = 9;

void chooseBand(ChannelEditorWindow *w, int r)
{
    QVERIFY(clickCell(w, r, ColBand));
    QVERIFY(w->Combo_edit->isVisible());
    QTest::keyClick(w->Combo_edit, Qt::Key_Down);
    QCOMPARE(w->MSF_Chann->textMatrix(r, ColBand).trimmed(), QStringLiteral("VHF/UHF"));
}

// Moves the open list to item i with the cursor keys, as a user picks.
void pickItem(ChannelEditorWindow *w, int i)
{
    PickList *l = w->Combo_edit;
    for (int guard = 0; l->listIndex() != i && guard < 300; ++guard)
        QTest::keyClick(l, l->listIndex() < i ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(l->listIndex(), i);
}

void setText(ChannelEditorWindow *w, const QString &text)
{
    w->Text_Edit->selectAll();
    QTest::keyClick(w->Text_Edit, Qt::Key_Delete);
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(w->Text_Edit, text);
    else
        w->Text_Edit->insert(text);  // what an input method commits
}

Bytes freqBytes(int ch, int first) { return row(ch).mid(first, 4); }
}

class TstChannelEditing : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typedReceiveFrequencyOnNewRow_data();
    void typedReceiveFrequencyOnNewRow();
    void receiveFrequencyOnChannelInUse_data();
    void receiveFrequencyOnChannelInUse();
    void blankReceiveDeletesWhateverTheLimits();
    void transmitFrequency_data();
    void transmitFrequency();
    void enterInBlankTransmitCellGoesToNextRow_data();
    void enterInBlankTransmitCellGoesToNextRow();
    void typedTones_data();
    void typedTones();
    void tonePicks();
    void toneCellsOpenOnlyWithBandAndReceive();
    void corruptToneIsLeftAlone();
    void listPicksSetOnlyTheirBits_data();
    void listPicksSetOnlyTheirBits();
    void typingInAnOptionListChangesNothing();
    void enterInListCommitsAndMovesOn();
    void names_data();
    void names();
    void refusedNamesKeepTheStoredName_data();
    void refusedNamesKeepTheStoredName();
    void nameOnRowWithoutBand();
    void warningsInBothLanguages_data();
    void warningsInBothLanguages();
    void movingThroughCellsChangesNothing();
    void bandPick();
    void scrollingHidesTheTextBoxButKeepsTheEdit();
    void pickInListLeftOpenGoesToItsOwnCell();
    void typingOverACellReplacesIt_data();
    void typingOverACellReplacesIt();
    void escapeAbandonsTheEdit_data();
    void escapeAbandonsTheEdit();
};

void TstChannelEditing::init() { reset(); }
void TstChannelEditing::cleanup() { ChannelEditorFixture::cleanup(); }

void TstChannelEditing::typedReceiveFrequencyOnNewRow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withEnter");
    QTest::addColumn<Bytes>("freq");     // bytes 0-3, and 4-7 alike
    QTest::addColumn<QString>("warning");
    const QString none;
    const QString range = QStringLiteral("Over the range of receive frequency .");
    const Bytes f136{0x00, 0x00, 0x60, 0x13};
    QTest::newRow("145") << "145" << false << Bytes{0x00, 0x00, 0x50, 0x14} << none;
    QTest::newRow("145 Enter") << "145" << true << Bytes{0x00, 0x00, 0x50, 0x14} << none;
    QTest::newRow("tie keeps 2.5 kHz") << "145.5126" << false << Bytes{0x50, 0x12, 0x55, 0x14} << none;
    QTest::newRow("6.25 kHz raster") << "145.00625" << false << Bytes{0x25, 0x06, 0x50, 0x14} << none;
    QTest::newRow("snaps down") << "145.0074" << false << Bytes{0x25, 0x06, 0x50, 0x14} << none;
    QTest::newRow("174.99999 accepted") << "174.99999" << false << Bytes{0x50, 0x97, 0x49, 0x17} << none;
    QTest::newRow("136 accepted") << "136" << true << f136 << none;
    QTest::newRow("UHF 479.9") << "479.9" << false << Bytes{0x00, 0x00, 0x99, 0x47} << none;
    QTest::newRow("175 refused") << "175" << false << f136 << range;
    QTest::newRow("175 refused, Enter") << "175" << true << f136 << range;
    QTest::newRow("135.99 refused") << "135.99" << false << f136 << range;
    QTest::newRow("500 refused") << "500" << false << f136 << range;
    QTest::newRow("letters refused") << "abc" << false << f136 << range;
    QTest::newRow("comma as the point") << "146,5" << false << Bytes{0x00, 0x00, 0x65, 0x14} << none;
    QTest::newRow("comma as the point, Enter") << "146,5" << true << Bytes{0x00, 0x00, 0x65, 0x14} << none;
    QTest::newRow("UHF with a comma") << "440,5" << false << Bytes{0x00, 0x00, 0x05, 0x44} << none;
    QTest::newRow("a unit after the number refused") << "146.5MHz" << false << f136 << range;
    QTest::newRow("a second point refused, Enter") << "146.5.5" << true << f136 << range;
}

void TstChannelEditing::typedReceiveFrequencyOnNewRow()
{
    QFETCH(QString, typed);
    QFETCH(bool, withEnter);
    QFETCH(Bytes, freq);
    QFETCH(QString, warning);
    ChannelEditorWindow *w = load();
    chooseBand(w, NewRow);
    QVERIFY(clickCell(w, NewRow, ColRxFreq));
    QVERIFY(w->Text_Edit->isVisible());
    type(w, typed);
    if (withEnter) {
        enter(w);
        // The transmit cell's text box is open now.
        QVERIFY(w->Text_Edit->isVisible());
        QCOMPARE(w->MSF_Chann->col(), int(ColTxFreq));
        QCOMPARE(w->editor()->editCol(), int(ColTxFreq));
    }
    QVERIFY(leave(w));
    QCOMPARE(freqBytes(NewCh, 0), freq);
    QCOMPARE(freqBytes(NewCh, 4), freq);
    // The new-channel options and no name.
    QCOMPARE(row(NewCh).mid(8), Bytes({0, 0, 0, 0, 0, 0, 0, 4}));
    QCOMPARE(row(256 + NewCh), Bytes(16, 0xFF));
    QCOMPARE(boxTexts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    const FlexGrid *g = w->MSF_Chann;
    QCOMPARE(g->textMatrix(NewRow, ColRxFreq), g->textMatrix(NewRow, ColTxFreq));
    QCOMPARE(g->textMatrix(NewRow, ColRxTone).trimmed(), QStringLiteral("OFF"));
    QCOMPARE(g->textMatrix(NewRow, ColScanAdd), QStringLiteral("ON"));
}

void TstChannelEditing::receiveFrequencyOnChannelInUse_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withEnter");
    QTest::addColumn<Bytes>("rx");
    QTest::addColumn<Bytes>("tx");
    const Bytes f146{0x00, 0x00, 0x60, 0x14};
    const Bytes f136{0x00, 0x00, 0x60, 0x13};
    const Bytes f155{0x00, 0x25, 0x50, 0x15};  // the factory 155.02500
    QTest::newRow("new receive sets the transmit too") << "146" << false << f146 << f146;
    QTest::newRow("out of range, left with a click") << "500" << false << f136 << f155;
    // Enter hands the substitute to the commit, which sets both.
    QTest::newRow("out of range, Enter") << "500" << true << f136 << f136;
}

void TstChannelEditing::receiveFrequencyOnChannelInUse()
{
    QFETCH(QString, typed);
    QFETCH(bool, withEnter);
    QFETCH(Bytes, rx);
    QFETCH(Bytes, tx);
    const Bytes options = row(0).mid(8);
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, 1, ColRxFreq));
    QCOMPARE(w->Text_Edit->text(), QStringLiteral("155.02500"));
    setText(w, typed);
    if (withEnter)
        enter(w);
    QVERIFY(leave(w));
    QCOMPARE(freqBytes(0, 0), rx);
    QCOMPARE(freqBytes(0, 4), tx);
    QCOMPARE(row(0).mid(8), options);
}

void TstChannelEditing::blankReceiveDeletesWhateverTheLimits()
{
    // Limits that take 0 MHz: a blank cell still deletes the channel.
    BandLimits[0] = {0, 999};
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, 1, ColRxFreq));
    setText(w, QStringLiteral("   "));
    QVERIFY(leave(w));
    QCOMPARE(row(0), Bytes(16, 0xFF));
    QCOMPARE(row(256), Bytes(16, 0xFF));
    for (int c = ColBand; c <= ColName; ++c)
        QCOMPARE(w->MSF_Chann->textMatrix(1, c), QString());
    QVERIFY(MsgBoxRecorder::boxes().isEmpty());
}

void TstChannelEditing::transmitFrequency_data()
{
    QTest::addColumn<int>("r");  // 1: channel 0 in use (67.0); NewRow: band only
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withEnter");
    QTest::addColumn<Bytes>("b4to11");
    QTest::addColumn<QString>("txToneCell");
    QTest::addColumn<QString>("warning");
    const QString txRange = QStringLiteral("Over the range of transmit frequency .");
    const Bytes tone{0x9E, 0x02};
    QTest::newRow("accepted") << 1 << "150" << false << Bytes{0x00, 0x00, 0x00, 0x15, 0x9E, 0x02, 0x9E, 0x02}
                              << "67.0" << QString();
    QTest::newRow("emptied: transmitter off") << 1 << "" << false
        << Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x9E, 0x02, 0xFF, 0xFF} << "" << QString();
    QTest::newRow("out of range: tone off") << 1 << "181" << false
        << Bytes{0x00, 0x00, 0x60, 0x13, 0x9E, 0x02, 0xFF, 0xFF} << "OFF" << txRange;
    QTest::newRow("out of range, Enter: tone kept") << 1 << "181" << true
        << Bytes{0x00, 0x00, 0x60, 0x13, 0x9E, 0x02, 0x9E, 0x02} << "67.0" << txRange;
    QTest::newRow("comma as the point") << 1 << "150,5" << false
        << Bytes{0x00, 0x00, 0x05, 0x15, 0x9E, 0x02, 0x9E, 0x02} << "67.0" << QString();
    QTest::newRow("a letter after the number: tone off") << 1 << "150x" << false
        << Bytes{0x00, 0x00, 0x60, 0x13, 0x9E, 0x02, 0xFF, 0xFF} << "OFF" << txRange;
    QTest::newRow("no receive frequency yet") << NewRow << "150" << false << Bytes(8, 0xFF) << ""
        << QStringLiteral("Please input the receive frequency in advance.");
}

void TstChannelEditing::transmitFrequency()
{
    QFETCH(int, r);
    QFETCH(QString, typed);
    QFETCH(bool, withEnter);
    QFETCH(Bytes, b4to11);
    QFETCH(QString, txToneCell);
    QFETCH(QString, warning);
    ChannelEditorWindow *w = load();
    if (r == NewRow)
        chooseBand(w, r);
    QVERIFY(clickCell(w, r, ColTxFreq));
    setText(w, typed);
    if (withEnter)
        enter(w);
    QVERIFY(leave(w));
    QCOMPARE(row(r - 1).mid(4, 8), b4to11);
    QCOMPARE(w->MSF_Chann->textMatrix(r, ColTxTone), txToneCell);
    QCOMPARE(boxTexts(), warning.isEmpty() ? QStringList() : QStringList{warning});
}

void TstChannelEditing::enterInBlankTransmitCellGoesToNextRow_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("next");
    QTest::newRow("middle row") << 50 << 51;
    QTest::newRow("last row stays") << 200 << 200;
}

void TstChannelEditing::enterInBlankTransmitCellGoesToNextRow()
{
    QFETCH(int, r);
    QFETCH(int, next);
    // Row 200 holds a factory channel; empty it first.
    for (int k = 0; k < 16; ++k)
        MemoryImage[r - 1][k] = 0xFF;
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, r, ColTxFreq));
    enter(w);
    QCOMPARE(w->MSF_Chann->row(), next);
    QCOMPARE(w->MSF_Chann->col(), int(ColBand));
    QVERIFY(w->Combo_edit->isVisible());
    QCOMPARE(w->editor()->editRow(), next);
}

void TstChannelEditing::typedTones_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Bytes>("b8to11");
    QTest::addColumn<QString>("cell");
    const Bytes factory{0x9E, 0x02, 0x9E, 0x02};  // channel 0: 67.0 both ways
    QTest::newRow("67") << 4 << "67" << Bytes{0x9E, 0x02, 0x9E, 0x02} << "67.0";
    QTest::newRow("100.25 half to even") << 4 << "100.25" << Bytes{0xEA, 0x03, 0xEA, 0x03} << "100.2";
    QTest::newRow("100.75 half to even") << 4 << "100.75" << Bytes{0xF0, 0x03, 0xF0, 0x03} << "100.8";
    QTest::newRow("60 lowest") << 4 << "60" << Bytes{0x58, 0x02, 0x58, 0x02} << "60.0";
    QTest::newRow("259.9 highest") << 4 << "259.9" << Bytes{0x27, 0x0A, 0x27, 0x0A} << "259.9";
    QTest::newRow("59.9 dropped") << 4 << "59.9" << factory << "67.0";
    QTest::newRow("259.95 dropped") << 4 << "259.95" << factory << "67.0";
    QTest::newRow("D023 without N dropped") << 4 << "D023" << factory << "67.0";
    QTest::newRow("d023n lower case") << 4 << "d023n" << Bytes{0x01, 0x00, 0x01, 0x00} << "D023N";
    QTest::newRow("D754I") << 4 << "D754I" << Bytes{210, 0x00, 210, 0x00} << "D754I";
    QTest::newRow("transmit only: d023n") << 5 << "d023n" << Bytes{0x9E, 0x02, 0x01, 0x00} << "D023N";
    QTest::newRow("transmit only: 88.5") << 5 << "88.5" << Bytes{0x9E, 0x02, 0x75, 0x03} << "88.5";
    QTest::newRow("letters other than D N I refused") << 4 << "Ox-1" << factory << "67.0";
}

void TstChannelEditing::typedTones()
{
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(Bytes, b8to11);
    QFETCH(QString, cell);
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, 1, col));
    QVERIFY(w->Combo_edit->isVisible());
    QCOMPARE(w->Combo_edit->text(), QString());  // a tone list opens blank
    QCOMPARE(w->Combo_edit->listCount(), 261);
    type(w, typed);
    QVERIFY(leave(w));
    QCOMPARE(row(0).mid(8, 4), b8to11);
    QCOMPARE(w->MSF_Chann->textMatrix(1, col), cell);
    QVERIFY(MsgBoxRecorder::boxes().isEmpty());
}

void TstChannelEditing::tonePicks()
{
    ChannelEditorWindow *w = load();
    // Receive tone: D023N (item 51) also becomes the transmit tone; the row redraws.
    QVERIFY(clickCell(w, 2, ColRxTone));
    pickItem(w, 51);
    QCOMPARE(row(1).mid(8, 4), Bytes({0x01, 0x00, 0x01, 0x00}));
    QCOMPARE(w->MSF_Chann->textMatrix(2, ColTxTone), QStringLiteral("D023N"));
    QVERIFY(leave(w));
    // Transmit tone: 67.0 (item 1) in bytes 10-11 only.
    QVERIFY(clickCell(w, 2, ColTxTone));
    pickItem(w, 1);
    QCOMPARE(row(1).mid(8, 4), Bytes({0x01, 0x00, 0x9E, 0x02}));
    QVERIFY(leave(w));
    QCOMPARE(w->MSF_Chann->textMatrix(2, ColTxTone), QStringLiteral("67.0"));
}

void TstChannelEditing::toneCellsOpenOnlyWithBandAndReceive()
{
    ChannelEditorWindow *w = load();
    // No band: no list.
    QVERIFY(clickCell(w, NewRow, ColRxTone));
    QVERIFY(!w->Combo_edit->isVisible());
    QVERIFY(!w->Text_Edit->isVisible());
    // Band but no receive frequency: the receive tone opens, the transmit tone not.
    chooseBand(w, NewRow);
    QVERIFY(clickCell(w, NewRow, ColRxTone));
    QVERIFY(w->Combo_edit->isVisible());
    QCOMPARE(w->Combo_edit->listItem(0), QStringLiteral("OFF"));
    QVERIFY(clickCell(w, NewRow, ColTxTone));
    QVERIFY(!w->Combo_edit->isVisible());
    // A pick there finds the channel empty: the redraw blanks the row.
    QVERIFY(clickCell(w, NewRow, ColRxTone));
    pickItem(w, 1);
    QCOMPARE(w->MSF_Chann->textMatrix(NewRow, ColBand), QString());
    QCOMPARE(row(NewCh), Bytes(16, 0xFF));
}

void TstChannelEditing::corruptToneIsLeftAlone()
{
    MemoryImage[0][8] = 211;  // beyond the 210 DCS codes
    MemoryImage[0][9] = 0;
    ChannelEditorWindow *w = load();
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColRxTone), QString());
    QVERIFY(clickCell(w, 1, ColRxTone));
    QVERIFY(leave(w));
    QCOMPARE(int(MemoryImage[0][8]), 211);
    QCOMPARE(int(MemoryImage[0][9]), 0);
}

void TstChannelEditing::listPicksSetOnlyTheirBits_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("item");
    QTest::addColumn<Bytes>("before");  // bytes 12-15
    QTest::addColumn<Bytes>("after");
    QTest::addColumn<QString>("cell");
    QTest::newRow("power LOW") << 6 << 1 << Bytes{0, 0, 0xFC, 0} << Bytes{0, 0, 0xFD, 0} << "LOW";
    // Bits 0-2 = 5 show HIGH although bit 0 is set; LOW is 1 in bits 0-2.
    QTest::newRow("power HIGH") << 6 << 0 << Bytes{0, 0, 0xF1, 0} << Bytes{0, 0, 0xF0, 0} << "HIGH";
    QTest::newRow("bandwidth N") << 7 << 1 << Bytes{0, 0, 0, 0xB3} << Bytes{0, 0, 0, 0xF3} << "N";
    QTest::newRow("bandwidth W") << 7 << 0 << Bytes{0, 0, 0, 0xFF} << Bytes{0, 0, 0, 0xBF} << "W";
    QTest::newRow("PTT-ID EOT") << 8 << 2 << Bytes{0, 0, 0, 0xFC} << Bytes{0, 0, 0, 0xFE} << "EOT";
    QTest::newRow("PTT-ID OFF") << 8 << 0 << Bytes{0, 0, 0, 0xFF} << Bytes{0, 0, 0, 0xFC} << "OFF";
    QTest::newRow("busy lock ON") << 9 << 1 << Bytes{0, 0, 0, 0xF7} << Bytes{0, 0, 0, 0xFF} << "ON";
    QTest::newRow("busy lock OFF") << 9 << 0 << Bytes{0, 0, 0, 0xFF} << Bytes{0, 0, 0, 0xF7} << "OFF";
    QTest::newRow("scan add ON") << 10 << 1 << Bytes{0, 0, 0, 0xFB} << Bytes{0, 0, 0, 0xFF} << "ON";
    QTest::newRow("scan add OFF") << 10 << 0 << Bytes{0, 0, 0, 0xFF} << Bytes{0, 0, 0, 0xFB} << "OFF";
    QTest::newRow("signalling code 5") << 11 << 4 << Bytes{0xF0, 0, 0, 0} << Bytes{0xF4, 0, 0, 0} << "5";
    QTest::newRow("signalling code 15") << 11 << 14 << Bytes{0xA0, 0, 0, 0} << Bytes{0xAE, 0, 0, 0} << "15";
    QTest::newRow("optional 5TONE") << 12 << 3 << Bytes{0, 0xF0, 0, 0} << Bytes{0, 0xF3, 0, 0} << "5TONE";
    QTest::newRow("mute OR") << 13 << 2 << Bytes{0, 0x0F, 0, 0} << Bytes{0, 0x2F, 0, 0} << "OR";
    QTest::newRow("scrambler ON") << 14 << 1 << Bytes{0, 0, 0x0F, 0} << Bytes{0, 0, 0x1F, 0} << "ON";
}

void TstChannelEditing::listPicksSetOnlyTheirBits()
{
    QFETCH(int, col);
    QFETCH(int, item);
    QFETCH(Bytes, before);
    QFETCH(Bytes, after);
    QFETCH(QString, cell);
    for (int k = 0; k < 4; ++k)
        MemoryImage[0][12 + k] = qint16(before.at(k));
    const Bytes rest = row(0).mid(0, 12);
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, 1, col));
    QVERIFY(w->Combo_edit->isVisible());
    pickItem(w, item);
    QVERIFY(leave(w));
    QCOMPARE(row(0).mid(12), after);
    QCOMPARE(row(0).mid(0, 12), rest);
    QCOMPARE(w->MSF_Chann->textMatrix(1, col), cell);
}

void TstChannelEditing::typingInAnOptionListChangesNothing()
{
    ChannelEditorWindow *w = load();
    const Bytes before = row(0);
    QVERIFY(clickCell(w, 1, ColPower));
    QTest::keyClicks(w->Combo_edit, QStringLiteral("LOW"));
    QCOMPARE(w->Combo_edit->text(), QStringLiteral("HIGH"));
    QVERIFY(leave(w));
    QCOMPARE(row(0), before);
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColPower), QStringLiteral("HIGH"));
}

void TstChannelEditing::enterInListCommitsAndMovesOn()
{
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, 1, ColScrambler));
    pickItem(w, 1);
    enter(w);
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColScrambler), QStringLiteral("ON"));
    QCOMPARE(w->MSF_Chann->col(), int(ColName));
    QVERIFY(w->Text_Edit->isVisible());
    QVERIFY(!w->Combo_edit->isVisible());
    // Enter in the band list does nothing.
    QVERIFY(leave(w));
    QVERIFY(clickCell(w, 1, ColBand));
    enter(w);
    QCOMPARE(w->MSF_Chann->col(), int(ColBand));
}

void TstChannelEditing::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<Bytes>("bytes");  // 0-7
    QTest::addColumn<bool>("warned");
    QTest::newRow("cut to 8 after the warning") << "ab d12345xyz" << "AB D1234"
        << Bytes{0x41, 0x42, 0xFF, 0x44, 0x31, 0x32, 0x33, 0x34} << true;
    QTest::newRow("lower case") << "ch 1" << "CH 1"
        << Bytes{0x43, 0x48, 0xFF, 0x31, 0xFF, 0xFF, 0xFF, 0xFF} << false;
    QTest::newRow("eight") << "12345678" << "12345678"
        << Bytes{0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38} << false;
    QTest::newRow("nine") << "123456789" << "12345678"
        << Bytes{0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38} << true;
    QTest::newRow("blanks around") << "  abc  " << "ABC"
        << Bytes{0x41, 0x42, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF} << false;
    QTest::newRow("emptied") << "" << "" << Bytes(8, 0xFF) << false;
}

void TstChannelEditing::names()
{
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(Bytes, bytes);
    QFETCH(bool, warned);
    for (int k = 8; k < 16; ++k)
        MemoryImage[256][k] = 0x11;  // bytes 8-15 are not touched
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, 1, ColName));
    QVERIFY(w->Text_Edit->isVisible());
    setText(w, typed);
    QVERIFY(leave(w));
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), cell);
    QCOMPARE(row(256).mid(0, 8), bytes);
    QCOMPARE(row(256).mid(8), Bytes(8, 0x11));
    QCOMPARE(boxTexts(), warned ? QStringList{QStringLiteral("The channel name holds 8 single-byte characters at most .")}
                                : QStringList());
}

void TstChannelEditing::refusedNamesKeepTheStoredName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a leading sign") << "-abc";
    QTest::newRow("an accented letter") << QStringLiteral("café");
    QTest::newRow("Chinese characters") << QStringLiteral("一二三四五六七八九");
    QTest::newRow("too long with a sign") << "abcdefgh+";
}

void TstChannelEditing::refusedNamesKeepTheStoredName()
{
    QFETCH(QString, typed);
    const Bytes stored{0x4F, 0x4C, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int k = 0; k < 16; ++k)
        MemoryImage[256][k] = qint16(stored[k]);
    ChannelEditorWindow *w = load();
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("OLD"));
    QVERIFY(clickCell(w, 1, ColName));
    // Typed, such a character is refused at its key (tst_namecells); a name
    // that holds one all the same is refused whole when its cell is left.
    w->Text_Edit->selectAll();
    w->Text_Edit->insert(typed);
    QVERIFY(leave(w));
    QCOMPARE(row(256), stored);
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("OLD"));
    QCOMPARE(boxTexts(),
             QStringList{QStringLiteral("The channel name takes only the characters 0-9, A-Z and blank .")});
    // What the radio is sent is what the grid shows after a redraw.
    FillChannelRow(*w->MSF_Chann, 1);
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("OLD"));
}

void TstChannelEditing::nameOnRowWithoutBand()
{
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, NewRow, ColName));
    type(w, QStringLiteral("ABC"));
    QVERIFY(leave(w));
    QCOMPARE(w->MSF_Chann->textMatrix(NewRow, ColName), QString());
    QCOMPARE(row(256 + NewCh).mid(0, 8), Bytes(8, 0xFF));
}

void TstChannelEditing::warningsInBothLanguages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    const QString en = QStringLiteral("Operate prompt");
    const QString zh = QStringLiteral("操作提示");
    QTest::newRow("rx en") << 0 << 1 << 2 << "9" << "Over the range of receive frequency ." << en;
    QTest::newRow("rx zh") << -1 << 1 << 2 << "9" << QStringLiteral("接收频率超出范围 ！") << zh;
    QTest::newRow("tx en") << 0 << 1 << 3 << "9" << "Over the range of transmit frequency ." << en;
    QTest::newRow("tx zh") << -1 << 1 << 3 << "9" << QStringLiteral("发射频率超出范围 ！") << zh;
    QTest::newRow("rx first en") << 0 << 20 << 3 << "150" << "Please input the receive frequency in advance." << en;
    QTest::newRow("rx first zh") << -1 << 20 << 3 << "150" << QStringLiteral("请先输入接收频率 ！") << zh;
    QTest::newRow("name en") << 0 << 1 << 15 << "ABCDEFGHI"
        << "The channel name holds 8 single-byte characters at most ." << QStringLiteral("Operate Prompt");
    QTest::newRow("name zh") << -1 << 1 << 15 << "ABCDEFGHI" << QStringLiteral("信道名称的字符个数最大为 8 位 ！") << zh;
    QTest::newRow("name characters en") << 0 << 1 << 15 << "A-B"
        << "The channel name takes only the characters 0-9, A-Z and blank ." << QStringLiteral("Operate Prompt");
    QTest::newRow("name characters zh") << -1 << 1 << 15 << "A-B"
        << QStringLiteral("信道名称只能使用字符 0-9、A-Z 和空格 ！") << zh;
}

void TstChannelEditing::warningsInBothLanguages()
{
    QFETCH(int, language);
    QFETCH(int, r);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, title);
    ChannelEditorWindow *w = load();
    LanguageFlag = qint16(language);  // chosen when the box shows
    QVERIFY(clickCell(w, r, col));
    setText(w, typed);
    QVERIFY(leave(w));
    QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
    const MsgRecord box = MsgBoxRecorder::boxes().first();
    QCOMPARE(box.text, text);
    QCOMPARE(box.title, title);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(box.buttons, MsgButtons::OkOnly);
}

void TstChannelEditing::movingThroughCellsChangesNothing()
{
    ChannelEditorWindow *w = load();
    QList<Bytes> before;
    for (int ch = 0; ch < 8; ++ch)
        before << row(ch) << row(256 + ch);
    // A click on a cell that opens no editor, then the cursor keys across
    // the band column of channels in use.
    QVERIFY(clickCell(w, 9, ColRxTone));
    QVERIFY(!w->Combo_edit->isVisible());
    w->MSF_Chann->setFocus();
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up,
                      Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Right})
        QTest::keyClick(w->MSF_Chann, k);
    QVERIFY(w->MSF_Chann->row() < 9);
    QList<Bytes> after;
    for (int ch = 0; ch < 8; ++ch)
        after << row(ch) << row(256 + ch);
    QCOMPARE(after, before);
    QCOMPARE(w->MSF_Chann->textMatrix(7, ColBand), QStringLiteral("VHF/UHF "));
}

void TstChannelEditing::bandPick()
{
    ChannelEditorWindow *w = load();
    // On a row that shows the band, picking it again changes nothing.
    const Bytes before = row(0);
    QVERIFY(clickCell(w, 1, ColBand));
    QCOMPARE(w->Combo_edit->listIndex(), 0);
    w->Combo_edit->setListIndex(0);
    QVERIFY(leave(w));
    QCOMPARE(row(0), before);
    // On a blank row it empties the channel and sets the band cell.
    MemoryImage[NewCh][0] = 0xFF;
    chooseBand(w, NewRow);
    QCOMPARE(row(NewCh), Bytes(16, 0xFF));
    QCOMPARE(w->MSF_Chann->textMatrix(NewRow, ColRxFreq), QString());
}

void TstChannelEditing::scrollingHidesTheTextBoxButKeepsTheEdit()
{
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, 1, ColName));
    type(w, QStringLiteral("xy"));
    w->MSF_Chann->showRow(200);
    QVERIFY(!w->Text_Edit->isVisible());
    QCOMPARE(w->editor()->openKind(), CellEditorChoice::Text);
    QVERIFY(leave(w));
    QCOMPARE(row(256).mid(0, 3), Bytes({'X', 'Y', 0xFF}));
    QCOMPARE(w->MSF_Chann->textMatrix(1, ColName), QStringLiteral("XY"));
}

void TstChannelEditing::pickInListLeftOpenGoesToItsOwnCell()
{
    ChannelEditorWindow *w = load();
    QVERIFY(clickCell(w, NewRow, ColBand));
    // A cell that opens no editor: the band list closes with the cell it
    // was opened on, and keys go to the grid, never to another row's list.
    QVERIFY(clickCell(w, 150, ColRxTone));
    QVERIFY(!w->Combo_edit->isVisible());
    QCOMPARE(w->editor()->editRow(), 150);
    QCOMPARE(w->focusWidget(), w->MSF_Chann);
    QTest::keyClick(w->MSF_Chann, Qt::Key_Down);
    QCOMPARE(w->MSF_Chann->textMatrix(NewRow, ColBand), QString());
    QCOMPARE(w->MSF_Chann->textMatrix(150, ColBand), QString());
    QCOMPARE(row(149), Bytes(16, 0xFF));
}

// A frequency typed over a cell replaces what it showed, left with a click
// on another row or with Return from receive to transmit.
void TstChannelEditing::typingOverACellReplacesIt_data()
{
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("receive, then a click on another row") << false;
    QTest::newRow("receive, Return, transmit, Return") << true;
}

void TstChannelEditing::typingOverACellReplacesIt()
{
    QFETCH(bool, byKeys);
    // Channel 2 in use on 173.95000.
    const Bytes f17395{0x00, 0x50, 0x39, 0x17};
    for (int c = 0; c < 16; ++c)
        MemoryImage[2][c] = MemoryImage[0][c];
    for (int k = 0; k < 4; ++k)
        MemoryImage[2][k] = MemoryImage[2][4 + k] = qint16(f17395[k]);
    ChannelEditorWindow *w = load();
    QCOMPARE(w->MSF_Chann->textMatrix(3, ColRxFreq), QStringLiteral("173.95000"));
    QVERIFY(clickCell(w, 3, ColRxFreq));
    QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
    QCOMPARE(w->Text_Edit->selectedText(), QStringLiteral("173.95000"));
    if (!byKeys) {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("174.5"));
        QVERIFY(clickCell(w, 6, ColRxFreq));
        QCOMPARE(freqBytes(2, 0), Bytes({0x00, 0x00, 0x45, 0x17}));
        QCOMPARE(w->MSF_Chann->textMatrix(3, ColRxFreq), QStringLiteral("174.50000"));
    } else {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("146.8"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w->editor()->editCol(), int(ColTxFreq));
        QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
        QCOMPARE(w->Text_Edit->selectedText(), w->MSF_Chann->textMatrix(3, ColTxFreq));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("146.9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(freqBytes(2, 0), Bytes({0x00, 0x00, 0x68, 0x14}));
        QCOMPARE(freqBytes(2, 4), Bytes({0x00, 0x00, 0x69, 0x14}));
        QCOMPARE(w->MSF_Chann->textMatrix(3, ColRxFreq), QStringLiteral("146.80000"));
        QCOMPARE(w->MSF_Chann->textMatrix(3, ColTxFreq), QStringLiteral("146.90000"));
    }
    QVERIFY(boxTexts().isEmpty());
}

// Escape abandons a typed cell: no warning, no byte and no cell changed,
// also after the next click.
void TstChannelEditing::escapeAbandonsTheEdit_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::newRow("transmit, out of range") << int(ColTxFreq) << "500";
    QTest::newRow("receive, out of range") << int(ColRxFreq) << "500";
    QTest::newRow("name") << int(ColName) << "abc";
}

void TstChannelEditing::escapeAbandonsTheEdit()
{
    QFETCH(int, col);
    QFETCH(QString, typed);
    ChannelEditorWindow *w = load();
    const Bytes record = row(0);
    const Bytes name = row(256);
    auto cells = [w] {
        QStringList t;
        for (int c = 0; c < w->MSF_Chann->cols(); ++c)
            t << w->MSF_Chann->textMatrix(1, c);
        return t;
    };
    const QStringList shown = cells();
    QVERIFY(clickCell(w, 1, col));
    QTRY_COMPARE(QApplication::focusWidget(), w->Text_Edit);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!w->Text_Edit->isVisible());
    QCOMPARE(QApplication::focusWidget(), w->MSF_Chann);
    QVERIFY(leave(w));
    QCOMPARE(row(0), record);
    QCOMPARE(row(256), name);
    QCOMPARE(cells(), shown);
    QVERIFY(boxTexts().isEmpty());
}

QTEST_MAIN(TstChannelEditing)
#include "tst_channelediting.moc"
