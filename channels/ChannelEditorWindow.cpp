#include "channels/ChannelEditorWindow.h"

#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>

#include "channels/ChannelGridEditor.h"
#include "channels/ChannelLink.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelRows.h"
#include "channels/ChannelTexts.h"
#include "memory/ChannelDefaults.h"
#include "memory/MemoryImage.h"
#include "platform/CommControl.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/PickList.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"

namespace {
int px(double twips) { return Screen::toPixels(twips); }

// The main window's outer size in pixels, or the screen's while there is none.
QSize mainWindowSize()
{
    if (QMdiArea *area = Windows::mdiArea())
        return area->window()->size();
    return Screen::sizePixels();
}

QPushButton *button(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}

ChannelEditorWindow::ChannelEditorWindow(QWidget *parent) : Form(parent)
{
    MSF_Chann = new FlexGrid(this);
    MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
    Text_Edit = new TextBox(this);
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
    Text_Edit->setAccessibleName(QStringLiteral("MSF_Chann cell"));
    Text_Edit->hide();
    Combo_edit = new PickList(this);
    Combo_edit->setObjectName(QStringLiteral("Combo_edit"));
    Combo_edit->hide();

    Command_read = button(this, "Command_read");
    Command_Write = button(this, "Command_Write");
    Command_Clear = button(this, "Command_Clear");
    Command_def = button(this, "Command_def");
    Command_save = button(this, "Command_save");
    Command_open = button(this, "Command_open");
    Command_close = button(this, "Command_close");

    Label_PassWord = new QLabel(this);
    Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));
    Text_PassWord = new TextBox(this);
    Text_PassWord->setObjectName(QStringLiteral("Text_PassWord"));
    Text_PassWord->setPasswordChar(QLatin1Char('*'));
    // The design text is there before the exchange binds the change handler.
    Text_PassWord->setText(QStringLiteral("468027"));
    Label_PassWord->setBuddy(Text_PassWord);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->hide();
    Label_tr_count = new QLabel(this);
    Label_tr_count->setObjectName(QStringLiteral("Label_tr_count"));

    m_controls.createPortAndTimers(this);
    m_controls.ProgressBar1 = ProgressBar1;
    m_controls.Label_tr_count = Label_tr_count;
    m_controls.Text_PassWord = Text_PassWord;
    m_controls.Command_read = Command_read;
    m_controls.Command_Write = Command_Write;
    m_session = new ChannelLinkSession(m_controls, MSF_Chann, this);
    m_editor = new ChannelGridEditor(MSF_Chann, Text_Edit, Combo_edit, this);
    connect(m_editor, &ChannelGridEditor::imageWritten, this, &ChannelEditorWindow::rememberShownImage);
    connect(m_session, &LinkSession::readCompleted, this, &ChannelEditorWindow::rememberShownImage);

    connect(Command_Clear, &QPushButton::clicked, this, &ChannelEditorWindow::Command_Clear_Click);
    connect(Command_def, &QPushButton::clicked, this, &ChannelEditorWindow::Command_def_Click);
    connect(Command_save, &QPushButton::clicked, this, &ChannelEditorWindow::Command_save_Click);
    connect(Command_open, &QPushButton::clicked, this, &ChannelEditorWindow::Command_open_Click);
    connect(Command_close, &QPushButton::clicked, this, &ChannelEditorWindow::Command_close_Click);
}

ChannelEditorWindow::~ChannelEditorWindow()
{
    delete m_session;  // ends its exchange while the controls still exist
    m_session = nullptr;
}

void ChannelEditorWindow::setCaptions()
{
    setWindowTitle(ChannelTexts::Caption);
    MSF_Chann->setFormatString(ChannelTexts::GridFormat);
    // The band heading's blanks are narrow in this font: keep the band text whole.
    const int bandWidth = MSF_Chann->fontMetrics().horizontalAdvance(ChannelGrid::BandText) + 12;
    if (MSF_Chann->colWidth(ChannelGrid::ColBand) < bandWidth)
        MSF_Chann->setColWidth(ChannelGrid::ColBand, bandWidth);
    Command_read->setText(ChannelTexts::Read);
    Command_Write->setText(ChannelTexts::Write);
    Command_Clear->setText(ChannelTexts::Clear);
    Command_def->setText(ChannelTexts::Default);
    Command_save->setText(ChannelTexts::Save);
    Command_open->setText(ChannelTexts::Open);
    Command_close->setText(ChannelTexts::Close);
    Label_PassWord->setText(ChannelTexts::PassWord);
}

void ChannelEditorWindow::layOut()
{
    // The window's size from the main window's, by the screen's size against
    // the 14500 x 9500 twips the layout was made for.
    double rx = Screen::widthTwips() / 14500.0;
    double ry = Screen::heightTwips() / 9500.0;
    if (rx == 0)
        rx = 1;
    if (ry == 0)
        ry = 1;
    const QSize main = mainWindowSize();
    const int width = int(main.width() / rx);
    const int height = int(main.height() / ry);
    const QSize client = Windows::clientSize();
    m_placement = QRect((client.width() - width) / 2, (client.height() - height) / 2, width, height);
    resize(width, height);

    const int heightTwips = Screen::toTwips(height);
    const int y = heightTwips - 1500;
    MSF_Chann->setGeometry(0, 0, int(width / 1.02), px(6615));
    ProgressBar1->setGeometry(px(120), px(y - 800), px(7935), px(495));
    Label_tr_count->setGeometry(px(8280), px(y - 800), px(3975), px(255));
    QPushButton *buttons[] = {Command_read, Command_Write, Command_Clear, Command_def,
                              Command_save, Command_open, Command_close};
    int left = 960;
    for (QPushButton *b : buttons) {
        b->setGeometry(px(left), px(y), px(855), px(495));
        left += 1440;
    }
    Label_PassWord->setGeometry(px(10920), px(7800), px(1095), px(255));
    Text_PassWord->setGeometry(px(12240), px(7800), px(855), px(285));
}

void ChannelEditorWindow::formLoad()
{
    setCaptions();
    layOut();
    Text_Edit->hide();
    MSF_Chann->setRows(ChannelCount + 1);
    for (int r = 1; r <= ChannelCount; ++r)
        MSF_Chann->setTextMatrix(r, ChannelGrid::ColNumber, QString::number(r - 1));
    m_session->clearForLoad();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    ProgressBar1->hide();
    for (int r = 1; r <= ChannelCount; ++r)
        FillChannelRow(*MSF_Chann, r);
    rememberShownImage();
}

void ChannelEditorWindow::showEvent(QShowEvent *event)
{
    if (QMdiSubWindow *frame = Windows::frameOf(this))
        frame->setGeometry(m_placement);
    Form::showEvent(event);
}

void ChannelEditorWindow::ShowChannels()
{
    if (m_redrawing)
        return;
    m_redrawing = true;
    // An edit begun on an image that has since been replaced is dropped;
    // otherwise leaving the edited cell below commits it, as any move does.
    if (shownImageHash() != m_shownHash)
        m_editor->discardOpenEditor();
    MSF_Chann->setRows(ChannelCount + 1);
    MSF_Chann->setCol(0);  // leaving an edited cell commits it first
    for (int r = 1; r <= ChannelCount; ++r) {
        MSF_Chann->setRow(r);
        MSF_Chann->setText(QString::number(r - 1));
        FillChannelRow(*MSF_Chann, r);
    }
    m_redrawing = false;
    rememberShownImage();
}

void ChannelEditorWindow::formActivate()
{
    if (m_editor->busy())
        return;
    ShowChannels();
}

bool ChannelEditorWindow::event(QEvent *e)
{
    // The focus coming back from a top-level window (a dialog that may have
    // loaded a file) reaches a child of the main window as an activation of
    // the main window, not of its frame: redraw when the image changed.
    if (e->type() == QEvent::WindowActivate) {
        QMdiSubWindow *frame = Windows::frameOf(this);
        QMdiArea *area = Windows::mdiArea();
        if (frame && area && area->activeSubWindow() == frame && !m_editor->busy()
            && shownImageHash() != m_shownHash)
            ShowChannels();
    }
    return Form::event(e);
}

quint64 ChannelEditorWindow::shownImageHash() const
{
    quint64 h = 1469598103934665603ull;
    auto mix = [&h](int row) {
        for (int c = 0; c < 16; ++c) {
            h ^= quint64(quint16(MemoryImage[row][c]));
            h *= 1099511628211ull;
        }
    };
    for (int ch = 0; ch < ChannelCount && ch < 256; ++ch) {
        mix(ChannelRecordRow(ch + 1));
        mix(ChannelNameRow(ch + 1));
    }
    return h;
}

void ChannelEditorWindow::rememberShownImage() { m_shownHash = shownImageHash(); }

void ChannelEditorWindow::busyBox(const BiText &text)
{
    if (m_session)
        m_session->exchangeBox(text, PromptTitle);
    else
        MsgBox(text, MsgIcon::Exclamation, PromptTitle);
}

bool ChannelEditorWindow::transferRunning() const
{
    return m_session && (m_session->WriteBusy == -1 || m_session->ReadBusy == -1);
}

void ChannelEditorWindow::Command_def_Click()
{
    // Refused while a transfer runs: a write would send the radio a mix of
    // the old and the factory table.
    if (transferRunning()) {
        busyBox(ChannelTexts::Busy);
        return;
    }
    BuildChannelDefaults();
    ShowChannels();
}

void ChannelEditorWindow::Command_Clear_Click()
{
    if (transferRunning()) {
        busyBox(ChannelTexts::ClearBusy);
        return;
    }
    m_editor->discardOpenEditor();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    ProgressBar1->hide();
    for (int r = 1; r <= ChannelCount; ++r) {
        MSF_Chann->setTextMatrix(r, ChannelGrid::ColRxFreq, QString());
        MSF_Chann->setTextMatrix(r, ChannelGrid::ColTxFreq, QString());
        ClearChannelOptions(*MSF_Chann, r);
    }
    rememberShownImage();
}

void ChannelEditorWindow::Command_open_Click()
{
    if (transferRunning()) {
        busyBox(ChannelTexts::Busy);
        return;
    }
    Windows::show(QStringLiteral("Form_open_chann"));
}

void ChannelEditorWindow::Command_save_Click()
{
    if (transferRunning()) {
        busyBox(ChannelTexts::Busy);
        return;
    }
    Windows::show(QStringLiteral("Form_save_chann"));
}

void ChannelEditorWindow::Command_close_Click()
{
    if (transferRunning()) {
        busyBox(ChannelTexts::CloseBusy);
        return;
    }
    if (m_controls.MSC && m_controls.MSC->portOpen())
        m_controls.MSC->setPortOpen(false);
    if (!Windows::unload(objectName()))
        return;
    Windows::unload(QStringLiteral("Form_open_chann"));
    Windows::unload(QStringLiteral("Form_save_chann"));
}

bool ChannelEditorWindow::queryUnload()
{
    if (transferRunning()) {
        busyBox(ChannelTexts::UnloadBusy);
        return false;
    }
    return true;
}

void ChannelEditorWindow::formUnload()
{
    // Closes the port and ends a pending retry pause.
    m_session->stop();
}
