#include "link/TransferWindow.h"

#include "link/LinkSession.h"
#include "link/PasswordCodec.h"
#include "link/WholeRadioTexts.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TransferWindow::TransferWindow(const char *startName, const QString &passwordDesign,
                               const Captions &captions, QWidget *parent)
    : Form(parent)
{
    m_start = new QPushButton(this);
    m_start->setObjectName(QString::fromLatin1(startName));
    Command_Cancel = new QPushButton(this);
    Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));
    Command_Help = new QPushButton(this);
    Command_Help->setObjectName(QStringLiteral("Command_Help"));

    Label_PassWord = new QLabel(this);
    Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));
    Text_PassWord = new TextBox(this);
    Text_PassWord->setObjectName(QStringLiteral("Text_PassWord"));
    // What the radio compares takes one byte a character: refused in words.
    Text_PassWord->setKeyFilter(PasswordRules::passwordKey);
    // The design text is there before the change handler is bound, so it
    // does not count as a change.
    Text_PassWord->setText(passwordDesign);
    Label_PassWord->setBuddy(Text_PassWord);

    Label_tr_count = new QLabel(this);
    Label_tr_count->setObjectName(QStringLiteral("Label_tr_count"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(false);  // shown once a transfer starts

    m_controls.createPortAndTimers(this);
    m_controls.ProgressBar1 = ProgressBar1;
    m_controls.Label_tr_count = Label_tr_count;
    m_controls.Text_PassWord = Text_PassWord;

    Timer4 = new VbTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(200);
    connect(Timer4, &VbTimer::timer, this, &TransferWindow::Timer4_Timer);

    auto *password = new QHBoxLayout;
    password->addWidget(Label_PassWord);
    password->addWidget(Text_PassWord, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_start);
    buttons->addWidget(Command_Cancel);
    buttons->addWidget(Command_Help);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(password);
    layout->addStretch(1);
    // The status line stands right over the bar it speaks of.
    auto *progress = new QVBoxLayout;
    progress->setSpacing(0);
    progress->addWidget(Label_tr_count);
    progress->addWidget(ProgressBar1);
    layout->addLayout(progress);
    layout->addStretch(1);
    layout->addLayout(buttons);
    // The window is as tall as what it shows when it opens: the progress
    // bar, hidden until a transfer starts, and the status line, empty until
    // then, keep their room.
    QSizePolicy policy = ProgressBar1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(policy);
    Label_tr_count->setMinimumHeight(Label_tr_count->fontMetrics().height());

    setCaptions({{"", captions.window},
                 {startName, captions.start},
                 {"Command_Cancel", captions.cancel},
                 {"Command_Help", captions.help},
                 {"Label_PassWord", captions.password}});
    connect(Command_Cancel, &QPushButton::clicked, this, &TransferWindow::Command_Cancel_Click);
    // Command_Help has no handler.
}

TransferWindow::~TransferWindow()
{
    delete m_session;  // ends its exchange while the controls still exist
    m_session = nullptr;
}

void TransferWindow::bindSession(const LinkSettings &settings)
{
    m_session = new LinkSession(m_controls, settings, this);
}

void TransferWindow::formLoad()
{
    m_closeRequest = 0;
    const QSize main = Windows::mainWindowSize();
    const int width = main.width() / 3;
    const int height = main.height() / 3;
    setPlacement(QRect((main.width() - width) / 2, (main.height() - height) / 3, width, height));
    applyCaptions();
}

void TransferWindow::formUnload()
{
    // Closing the window ends whatever its exchange was doing: timers off,
    // port closed, busy flags cleared. A read that did not complete has not
    // touched the image.
    if (m_session)
        m_session->stop();
    Timer4->setEnabled(false);
}

void TransferWindow::Command_Cancel_Click()
{
    if (m_session && m_session->transferBusy()) {
        m_session->exchangeBox(WholeRadioText::CancelBusy, PromptTitle);
        return;
    }
    if (m_controls.MSC && m_controls.MSC->portOpen())
        m_controls.MSC->setPortOpen(false);
    Windows::unload(objectName());
}

void TransferWindow::Timer4_Timer()
{
    if (m_closeRequest == -1)
        Windows::unload(objectName());
}
