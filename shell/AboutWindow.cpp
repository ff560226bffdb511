#include "shell/AboutWindow.h"

#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "platform/Screen.h"
#include "shell/ChildFrameFlags.h"
#include "shell/LanguageTexts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QProcess>
#include <QPushButton>

namespace {
const char *const NotAvailableText = "此时系统信息不可用";

AboutWindow::ProgramStarter starter;

bool startProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (starter)
        return starter(path);
    return QProcess::startDetached(path, {});
}

// The etched separator: a mid-grey line over a white line two pixels wide.
class EtchedLine : public QWidget
{
public:
    explicit EtchedLine(QWidget *parent) : QWidget(parent) { setFixedHeight(3); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(0, 0, width(), 1, QColor(128, 128, 128));
        p.fillRect(0, 1, width(), 2, Qt::white);
    }
};

// The program's picture: a small two-band mobile radio.
QPixmap radioPicture()
{
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(36, 4, 36, 16);  // antenna
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(4, 16, 40, 24, 4, 4);
    p.setBrush(QColor(150, 220, 150));
    p.setPen(Qt::NoPen);
    p.drawRect(9, 21, 18, 8);  // display
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QPointF(35, 28), 4, 4);  // knob
    for (int i = 0; i < 3; ++i)
        p.drawRect(9 + 7 * i, 32, 4, 3);  // keys
    return pm;
}
}

void AboutWindow::setProgramStarter(ProgramStarter s) { starter = std::move(s); }

AboutWindow::AboutWindow(QWidget *parent) : Form(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString());
    setFixedSize(Screen::toPixels(DesignWidth), Screen::toPixels(DesignHeight));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(radioPicture());
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto makeLabel = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        return label;
    };
    lblTitle = makeLabel("lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel("lblVersion");
    lblDescription = makeLabel("lblDescription");
    lblDisclaimer = makeLabel("lblDisclaimer");

    Line1 = new EtchedLine(this);
    Line1->setObjectName(QStringLiteral("Line1"));

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(lblVersion, 1, 1, 1, 2);
    grid->addWidget(lblDescription, 2, 1, 1, 2);
    grid->addWidget(Line1, 3, 0, 1, 3);
    grid->addWidget(lblDisclaimer, 4, 0, 3, 2);
    grid->addWidget(cmdOK, 4, 2);
    grid->addWidget(cmdSysInfo, 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutWindow::cmdSysInfo_Click);
}

void AboutWindow::formLoad()
{
    LoadLanguageTexts();

    const QSize client = Windows::clientSize();
    const double clientWidth = Screen::toTwips(client.width());
    const double clientHeight = Screen::toTwips(client.height());
    const double top = (clientHeight - DesignHeight) / 2 - 500;
    const double left = (clientWidth - DesignWidth) / 2;
    m_placement = QPoint(Screen::toPixels(left), Screen::toPixels(top));
    move(m_placement);

    QLabel *const labels[] = {lblTitle, lblVersion, lblDescription, lblDisclaimer};
    for (int i = 0; i < 4; ++i)
        labels[i]->setText(AboutTexts.value(i));
    cmdOK->setText(AboutTexts.value(4));
    cmdSysInfo->setText(AboutTexts.value(5));
}

bool AboutWindow::event(QEvent *e)
{
    // Once the main window has taken it in, its frame gets the fixed dialog
    // border and its close box, without minimise and maximise buttons.
    if (e->type() == QEvent::ParentChange)
        if (QMdiSubWindow *frame = Windows::frameOf(this))
            frame->setWindowFlags(DialogChildFrameFlags() | Qt::MSWindowsFixedSizeDialogHint);
    return Form::event(e);
}

void AboutWindow::showEvent(QShowEvent *e)
{
    if (QMdiSubWindow *frame = Windows::frameOf(this))
        frame->move(m_placement);
    Form::showEvent(e);
}

void AboutWindow::cmdOK_Click() { Windows::unload(objectName()); }

void AboutWindow::cmdSysInfo_Click() { StartSysInfo(); }

void StartSysInfo()
{
    QString path;
    bool found = GetKeyValue(Registry::LocalMachine, QString::fromLatin1(SysInfoKey),
                             QString::fromLatin1(SysInfoValue), path);
    if (!found) {
        QString folder;
        if (GetKeyValue(Registry::LocalMachine, QString::fromLatin1(SysInfoLocationKey),
                        QString::fromLatin1(SysInfoLocationValue), folder)) {
            const QString file = folder + QLatin1Char('/') + QString::fromLatin1(SysInfoFileName);
            if (QFileInfo(file).isFile()) {
                path = file;
                found = true;
            }
        }
    }
    if (found && startProgram(path))
        return;
    MsgBox(QString::fromUtf8(NotAvailableText), MsgIcon::None,
           QCoreApplication::applicationName(), MsgButtons::OkOnly);
}
