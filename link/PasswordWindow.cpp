#include "link/PasswordWindow.h"

#include "link/LinkState.h"
#include "link/PasswordCodec.h"
#include "link/PasswordSession.h"
#include "link/PasswordTexts.h"
#include "platform/CommControl.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
// Layout as designed, in twips: left, top, width, height.
QRect designRect(int left, int top, int width, int height)
{
    return QRect(Screen::toPixels(left), Screen::toPixels(top), Screen::toPixels(width),
                 Screen::toPixels(height));
}

constexpr int RaiseAboveCentreTwips = 500;
constexpr int CloseDelayMs = 500;
}

PasswordWindow::PasswordWindow(QWidget *parent) : Form(parent)
{
    auto label = [this](const char *name, QRect at) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(at);
        return l;
    };
    auto box = [this](const char *name, QRect at) {
        auto *t = new TextBox(this);
        t->setObjectName(QLatin1String(name));
        t->setGeometry(at);
        // At most six characters, however they come, each with a one-byte code.
        t->setMaxLength(PasswordRules::Length);
        t->setKeyFilter(PasswordRules::passwordKey);
        return t;
    };
    auto button = [this](const char *name, QRect at) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(at);
        return b;
    };
    Label_old_PassWord = label("Label_old_PassWord", designRect(120, 480, 1935, 255));
    Text_Old_PassWord = box("Text_Old_PassWord", designRect(2160, 480, 1215, 285));
    Label_New_Password_1 = label("Label_New_Password_1", designRect(240, 960, 1815, 255));
    Text_New_Password_1 = box("Text_New_Password_1", designRect(2160, 960, 1215, 285));
    Label_New_PassWord_2 = label("Label_New_PassWord_2", designRect(120, 1440, 1935, 255));
    Text_New_PassWord_2 = box("Text_New_PassWord_2", designRect(2160, 1440, 1215, 285));
    Command_Write = button("Command_Write", designRect(1200, 2040, 975, 375));
    Command_Cancel = button("Command_Cancel", designRect(2880, 2040, 975, 375));
    Label_old_PassWord->setBuddy(Text_Old_PassWord);
    Label_New_Password_1->setBuddy(Text_New_Password_1);
    Label_New_PassWord_2->setBuddy(Text_New_PassWord_2);
    setTabOrder(Text_Old_PassWord, Text_New_Password_1);
    setTabOrder(Text_New_Password_1, Text_New_PassWord_2);
    setTabOrder(Text_New_PassWord_2, Command_Write);
    setTabOrder(Command_Write, Command_Cancel);
    namespace T = PasswordText;
    setCaptions({{"", T::Caption},
                 {"Label_old_PassWord", T::OldPassWord},
                 {"Label_New_Password_1", T::NewPassWord},
                 {"Label_New_PassWord_2", T::ConfirmPassWord},
                 {"Command_Write", T::Modify},
                 {"Command_Cancel", T::Close}});

    m_controls.createPortAndTimers(this);
    m_session = new PasswordSession(m_controls, this);
    connect(m_session, &PasswordSession::answered, this, &PasswordWindow::answered);

    Timer4 = new VbTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(CloseDelayMs);
    Timer4->setEnabled(false);
    connect(Timer4, &VbTimer::timer, this, &PasswordWindow::Timer4_Timer);

    connect(Text_Old_PassWord, &QLineEdit::textChanged, this,
            &PasswordWindow::Text_Old_PassWord_Change);
    connect(Command_Write, &QPushButton::clicked, this, &PasswordWindow::Command_Write_Click);
    connect(Command_Cancel, &QPushButton::clicked, this, &PasswordWindow::Command_Cancel_Click);
}

PasswordWindow::~PasswordWindow()
{
    delete m_session;  // ends its exchange while the controls still exist
    m_session = nullptr;
}

void PasswordWindow::formLoad()
{
    ExchangeEnded = 0;
    applyCaptions();
    const QSize client = Windows::clientSize();
    const int width = client.width() / 4;
    const int height = client.height() / 3;
    setPlacement(QRect((client.width() - width) / 2,
                       (client.height() - height) / 2 - Screen::toPixels(RaiseAboveCentreTwips),
                       width, height));
    Text_Old_PassWord->clear();
    Text_New_Password_1->clear();
    Text_New_PassWord_2->clear();
}

void PasswordWindow::formUnload()
{
    // Closing the window ends its exchange at once, whatever it was doing.
    m_session->stop();
    Timer4->setEnabled(false);
}

void PasswordWindow::Text_Old_PassWord_Change()
{
    PasswordRules::setPasswordCodes(OldPassword, Text_Old_PassWord->text());
}

void PasswordWindow::Command_Write_Click()
{
    const QString a = Text_New_Password_1->text().trimmed();
    const QString b = Text_New_PassWord_2->text().trimmed();
    if (b != a) {
        m_session->exchangeBox(PasswordText::NotConsistent, PromptTitle);
        return;
    }
    // An empty new password leaves six blanks: the write removes the password.
    PasswordRules::setPasswordCodes(NewPassword, a);
    m_session->StartPasswordSession();
}

void PasswordWindow::Command_Cancel_Click()
{
    if (m_session->transferBusy()) {
        m_session->exchangeBox(PasswordText::CloseBusy, PromptTitle);
        return;
    }
    if (m_controls.MSC && m_controls.MSC->portOpen())
        m_controls.MSC->setPortOpen(false);
    Windows::unload(objectName());
}

void PasswordWindow::answered(bool accepted)
{
    ExchangeEnded = -1;
    if (accepted) {
        for (int i = 0; i < PasswordRules::Length; ++i) {
            OldPassword[i] = PasswordRules::Blank;
            NewPassword[i] = PasswordRules::Blank;
        }
        Text_Old_PassWord->clear();
        Text_New_Password_1->clear();
        Text_New_PassWord_2->clear();
    }
    // The box has been closed: the window goes at the next tick.
    Timer4->setEnabled(true);
}

void PasswordWindow::Timer4_Timer()
{
    if (ExchangeEnded == -1)
        Windows::unload(objectName());
}
