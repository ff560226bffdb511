// What the grid shows is what is saved and sent: an edit still open in the
// channel editor (typed, its cell not left) goes into a ".dat" saved from
// the toolbar and into the whole-radio write, and is dropped when a file
// replaces the image. An edit that may be neither stored nor dropped (a
// 5-tone frame of the wrong length) stops the save and the write, with the
// text and the focus kept in its box. Closing the editor commits its open
// edit the same way, by its close box, its Close button or a toolbar button
// that closes it first; a close that commit refuses leaves the window open
// with the edit. Buttons are clicked where a person sees them.
#include "app/Application.h"
#include "channels/ChannelEditorWindow.h"
#include "channels/ChannelRecord.h"
#include "link/LinkSession.h"
#include "link/WriteWindow.h"
#include "memory/MemoryImage.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"
#include "shell/FileDialog.h"
#include "shell/ImageFile.h"
#include "shell/MainWindow.h"
#include "signalling/FiveToneWindow.h"
#include "support/ClickWhereSeen.h"
#include "support/FakeCommControl.h"
#include "support/FrameCloseBox.h"
#include "support/GridClick.h"
#include "support/OnScreenMessageBox.h"
#include "support/ProgramState.h"
#include "support/SimRadio.h"
#include "support/TabClick.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

namespace {
bool runUntil(const std::function<bool()> &done, qint64 limitMs)
{
    const qint64 end = TestClock::now() + limitMs;
    while (!done() && TestClock::now() < end)
        if (!TestClock::step())
            break;
    return done();
}

QByteArray nameBytes(int ch)
{
    QByteArray b;
    for (int k = 0; k < 8; ++k)
        b += char(quint8(MemoryImage[256 + ch][k]));
    return b;
}
}

class TestOpenEdits : public QObject
{
    Q_OBJECT
    SimRadio *radio = nullptr;
    MainWindow *main = nullptr;
    ChannelEditorWindow *editor = nullptr;
    QTemporaryDir dir;

    // The 5-tone editor with code 1's second frame (row 1, column 2) clicked
    // where it is seen and typed over with "12", a frame of the wrong
    // length, the edit left open; nothing when a step fails.
    FiveToneWindow *fiveToneWithShortFrame()
    {
        auto *five = qobject_cast<FiveToneWindow *>(Windows::show(QStringLiteral("frm_5tone")));
        if (!five || !clickTabWhereSeen(five->TabStrip1, 1)
            || !clickGridCellWhereSeen(five->Frame_Encode->MSF_Encode, 1, 2))
            return nullptr;
        TextBox *code = five->Frame_Encode->Text_Encode;
        if (!code->isVisible() || !QTest::qWaitFor([code] { return QApplication::focusWidget() == code; }))
            return nullptr;
        QTest::keyClicks(code, QStringLiteral("12"));
        return five;
    }

    // Channel 0's name cell opened and typed into, not left.
    void typeName(const QString &text)
    {
        FlexGrid *g = editor->MSF_Chann;
        g->setCurrentCell(1, 15);
        editor->editor()->open();
        QVERIFY(editor->Text_Edit->isVisible());
        editor->Text_Edit->selectAll();
        QTest::keyClicks(editor->Text_Edit, text);
    }
    // The main window's toolbar button `key`, as it is shown.
    QWidget *toolbarButton(const QString &key)
    {
        auto *bar = main->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        for (QAction *a : bar ? bar->actions() : QList<QAction *>())
            if (a->data().toString() == key)
                return bar->widgetForAction(a);
        return nullptr;
    }
    void saveAs(const QString &name)
    {
        main->Toolbar1_ButtonClick(QStringLiteral("save"));
        auto *d = Windows::get<FileDialog>(QStringLiteral("Form_save_chann"));
        QVERIFY(d);
        QVERIFY(d->showFolder(dir.path()));
        d->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(name);
        QVERIFY(clickWhereSeen(d->findChild<QPushButton *>(QStringLiteral("Command_enter"))));
    }

private slots:
    void init()
    {
        TestClock::install();
        resetProgramState(false);
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        radio = new SimRadio;
        FakeCommControl::plug(7, radio);
        defineWindows();
        main = qobject_cast<MainWindow *>(Windows::load(QStringLiteral("MDImain")));
        QVERIFY(runUntil([] { return !LinkSession::anyExchangeRunning(); }, 60000));
        editor = Windows::get<ChannelEditorWindow>(QStringLiteral("frm_chann"));
        QVERIFY(editor);
        // Channel 0 in use, so its name is kept.
        const QByteArray channel0 = QByteArray::fromHex("00005514000055140000000000000004");
        for (int i = 0; i < 16; ++i)
            MemoryImage[0][i] = qint16(quint8(channel0[i]));
        editor->ShowChannels();
    }
    void cleanup()
    {
        cleanupProgramState();
        FakeCommControl::unplugAll();
        delete radio;
        setCommControlFactory({});
        TestClock::uninstall();
    }

    void savedFileHoldsTheOpenEdit()
    {
        typeName(QStringLiteral("kept"));
        saveAs(QStringLiteral("open.dat"));
        QCOMPARE(nameBytes(0), QByteArray("KEPT\xFF\xFF\xFF\xFF", 8));
        for (auto &row : MemoryImage)
            row.fill(0);
        QVERIFY(ReadImageFile(dir.path(), QStringLiteral("open.dat")));
        QCOMPARE(nameBytes(0), QByteArray("KEPT\xFF\xFF\xFF\xFF", 8));
    }

    void wholeWriteSendsTheOpenEdit()
    {
        typeName(QStringLiteral("sent"));
        main->Toolbar1_ButtonClick(QStringLiteral("write"));
        auto *write = Windows::get<WriteWindow>(QStringLiteral("Form_Comm_Write"));
        QVERIFY(write);
        QVERIFY(clickWhereSeen(write->Command_Write));
        QVERIFY(runUntil([] { return !LinkSession::anyExchangeRunning(); }, 900000));
        QCOMPARE(radio->bytes(0x1000, 5), QByteArray("SENT\xFF", 5));
    }

    void wrongLengthFrameStopsSaveAndWrite_data()
    {
        QTest::addColumn<bool>("write");
        QTest::newRow("Save As") << false;
        QTest::newRow("whole-radio Write") << true;
    }
    void wrongLengthFrameStopsSaveAndWrite()
    {
        QFETCH(bool, write);
        FiveToneWindow *five = fiveToneWithShortFrame();
        QVERIFY(five);
        const auto before = MemoryImage;
        const QByteArray radioBefore = radio->bytes(0, 0x2000);
        // The warning shown and closed with Return as a user closes it; the
        // plain recorder again afterwards, as the other tests expect.
        MsgBoxRecorder::install(answerOnScreen);
        const auto plainRecorder = qScopeGuard([] { MsgBoxRecorder::install(); });
        if (write) {
            main->Toolbar1_ButtonClick(QStringLiteral("write"));
            auto *w = Windows::get<WriteWindow>(QStringLiteral("Form_Comm_Write"));
            QVERIFY(w);
            QVERIFY(clickWhereSeen(w->Command_Write));
            QVERIFY(!LinkSession::anyExchangeRunning());
            runUntil([] { return false; }, 5000);  // time for a frame to go out, were one sent
            QCOMPARE(radio->bytes(0, 0x2000), radioBefore);
        } else {
            saveAs(QStringLiteral("kept.dat"));
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("kept.dat"))));
        }
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes().first().text, QStringLiteral("Encode Digit is 5 Bits."));
        QVERIFY(MemoryImage == before);
        QVERIFY(five->Frame_Encode->Text_Encode->isVisible());
        QCOMPARE(five->Frame_Encode->Text_Encode->text(), QStringLiteral("12"));
        // The window comes forward with the box, for the user to finish it.
        QTRY_COMPARE(QApplication::focusWidget(), five->Frame_Encode->Text_Encode);
    }

    void loadedFileDropsTheOpenEdit()
    {
        QVERIFY(WriteImageFile(dir.path(), QStringLiteral("before.dat")));
        typeName(QStringLiteral("dropped"));
        main->Toolbar1_ButtonClick(QStringLiteral("open"));
        auto *d = Windows::get<FileDialog>(QStringLiteral("Form_open_chann"));
        QVERIFY(d);
        QVERIFY(d->showFolder(dir.path()));
        d->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("before.dat"));
        QVERIFY(clickWhereSeen(d->findChild<QPushButton *>(QStringLiteral("Command_enter"))));
        QVERIFY(!editor->editor()->isOpen());
        editor->MSF_Chann->setCurrentCell(3, 12);
        QCOMPARE(nameBytes(0), QByteArray(8, char(0xFF)));
    }

    // Closing the channel editor with an edit open in it (typed, its cell
    // not left) commits the edit as leaving the cell would.
    void closingCommitsTheOpenEdit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the frame's close box") << "close box";
        QTest::newRow("its Close button") << "Close";
        QTest::newRow("the toolbar's Option") << "edit_option";
        QTest::newRow("the toolbar's DTMF") << "edit_dtmf";
    }
    void closingCommitsTheOpenEdit()
    {
        QFETCH(QString, how);
        using ChannelGrid::ColRxFreq;
        QCOMPARE(MemoryImage[10][0], qint16(0xFF));  // channel 10 is empty
        QVERIFY(clickGridCellWhereSeen(editor->MSF_Chann, 11, ColRxFreq));
        QTRY_COMPARE(QApplication::focusWidget(), editor->Text_Edit);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("146.5"));
        if (how == "close box")
            QVERIFY(clickFrameCloseBox(Windows::frameOf(editor)));
        else if (how == "Close")
            QVERIFY(clickWhereSeen(editor->Command_close));
        else
            QVERIFY(clickWhereSeen(toolbarButton(how)));
        editor = nullptr;
        QVERIFY(!Windows::isLoaded(QStringLiteral("frm_chann")));
        if (how == "edit_option")
            QVERIFY(Windows::isLoaded(QStringLiteral("frm_option")));
        else if (how == "edit_dtmf")
            QVERIFY(Windows::isLoaded(QStringLiteral("frm_dtmf")));
        QVERIFY(MsgBoxRecorder::boxes().isEmpty());
        QList<int> rx;
        for (int k = 0; k < 4; ++k)
            rx << MemoryImage[10][k];
        QCOMPARE(rx, (QList<int>{0x00, 0x00, 0x65, 0x14}));
        auto *again = qobject_cast<ChannelEditorWindow *>(Windows::show(QStringLiteral("frm_chann")));
        QVERIFY(again);
        QCOMPARE(again->MSF_Chann->textMatrix(11, ColRxFreq), QStringLiteral("146.50000"));
    }

    // A close whose commit is refused with its warning (a 5-tone frame of
    // the wrong length) leaves the window open with the edit in it.
    void closeRefusedByTheCommitKeepsTheEdit_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("the frame's close box") << true;
        QTest::newRow("its Close button") << false;
    }
    void closeRefusedByTheCommitKeepsTheEdit()
    {
        QFETCH(bool, closeBox);
        FiveToneWindow *five = fiveToneWithShortFrame();
        QVERIFY(five);
        const auto before = MemoryImage;
        MsgBoxRecorder::install(answerOnScreen);
        const auto plainRecorder = qScopeGuard([] { MsgBoxRecorder::install(); });
        if (closeBox)
            QVERIFY(clickFrameCloseBox(Windows::frameOf(five)));
        else
            QVERIFY(clickWhereSeen(five->Command_close));
        QVERIFY(Windows::isLoaded(QStringLiteral("frm_5tone")));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes().first().text, QStringLiteral("Encode Digit is 5 Bits."));
        QVERIFY(MemoryImage == before);
        QVERIFY(five->Frame_Encode->Text_Encode->isVisible());
        QCOMPARE(five->Frame_Encode->Text_Encode->text(), QStringLiteral("12"));
        QTRY_COMPARE(QApplication::focusWidget(), five->Frame_Encode->Text_Encode);
    }
};

QTEST_MAIN(TestOpenEdits)
#include "tst_openedits.moc"
