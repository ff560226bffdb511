#include "shell/PortSetupWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/LinkState.h"
#include "link/StartupIdentify.h"
#include "platform/Language.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"
#include "shell/ChildFrameFlags.h"

namespace {
constexpr BiText WindowCaption{"Communication Port Setup", "通讯端口设置"};
constexpr BiText FrameCaption{"Port Setup", "端口设置"};
constexpr BiText OkCaption{"Confirm", "确 定"};
constexpr BiText CancelCaption{"Cancel", "取 消"};
}

PortSetupWindow::PortSetupWindow(QWidget *parent) : Form(parent)
{
    Frame1 = new QGroupBox(QStringLiteral("端口设置"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(Frame1);
    for (int n = 1; n <= 12; ++n) {
        auto *b = new QRadioButton(QStringLiteral("COM%1").arg(n), Frame1);
        b->setObjectName(QStringLiteral("Option%1").arg(n));
        grid->addWidget(b, (n - 1) / 6, (n - 1) % 6);
        Option[n - 1] = b;
    }
    Command_ok = new QPushButton(QStringLiteral("确 定"), this);
    Command_ok->setObjectName(QStringLiteral("Command_ok"));
    Command1 = new QPushButton(QStringLiteral("取 消"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command_ok);
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    setCaptions({{"", WindowCaption},
                 {"Frame1", FrameCaption},
                 {"Command_ok", OkCaption},
                 {"Command1", CancelCaption}});
    connect(Command_ok, &QPushButton::clicked, this, &PortSetupWindow::Command_ok_Click);
    connect(Command1, &QPushButton::clicked, this, &PortSetupWindow::Command1_Click);
}

void PortSetupWindow::formLoad()
{
    applyCaptions();

    // Width 1/1.9 and height 1/2 of the client area, centred, 500 twips up.
    const QSize client = Windows::clientSize();
    const double width = client.width() / 1.9;
    const double height = client.height() / 2.0;
    const double left = (client.width() - width) / 2;
    const double top = (client.height() - height) / 2 - 500.0 / Screen::TwipsPerPixel;
    setPlacement(QRect(int(left), int(top), int(width), int(height)));

    for (QRadioButton *b : Option) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    if (CommPortNumber >= 1 && CommPortNumber <= 12)
        Option[CommPortNumber - 1]->setChecked(true);
}

bool PortSetupWindow::event(QEvent *e)
{
    // A sizable frame with its close box, without minimise and maximise buttons.
    if (e->type() == QEvent::ParentChange)
        if (QMdiSubWindow *frame = Windows::frameOf(this))
            frame->setWindowFlags(DialogChildFrameFlags());
    return Form::event(e);
}

void PortSetupWindow::Command_ok_Click()
{
    for (int n = 1; n <= 12; ++n)
        if (Option[n - 1]->isChecked())
            CommPortNumber = qint16(n);
    for (int panel : {2, 4, 6, 8, 10})
        SetMainPanel(panel, QString());
    StartupIdentify *link = MainLink();
    if (!link)
        return;
    link->OpenCommPort();
    if (PortErrorFlag == 0) {
        link->RestartIdentify();
        Windows::unload(objectName());
    }
}

void PortSetupWindow::Command1_Click()
{
    Windows::unload(objectName());
}
