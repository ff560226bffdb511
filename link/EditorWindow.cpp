#include "link/EditorWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/LinkSession.h"
#include "link/PasswordCodec.h"
#include "link/LinkTexts.h"
#include "memory/MemoryImage.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

namespace {
QList<EditorWindow *> &editors()
{
    static QList<EditorWindow *> list;
    return list;
}
}

// Sees every mouse press of the program before the control under the mouse
// does, so that an editor redraws from the image before a click into it is
// handled, whichever order the platform sends the activation and the click.
class EditorInputFilter : public QObject
{
public:
    using QObject::QObject;
    static void install()
    {
        static EditorInputFilter *filter = nullptr;
        if (!filter && qApp) {
            filter = new EditorInputFilter(qApp);
            qApp->installEventFilter(filter);
        }
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        if ((t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick) && watched->isWidgetType())
            for (QWidget *w = static_cast<QWidget *>(watched); w; w = w->parentWidget())
                if (auto *editor = qobject_cast<EditorWindow *>(w)) {
                    editor->beforeInput();
                    break;
                }
        return false;
    }
};

EditorWindow::EditorWindow(QWidget *parent, const QString &passwordDesign) : Form(parent)
{
    editors().append(this);
    EditorInputFilter::install();

    Command_read = addButton("Command_read");
    Command_Write = addButton("Command_Write");
    Label_PassWord = new QLabel(this);
    Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));
    Text_PassWord = new TextBox(this);
    Text_PassWord->setObjectName(QStringLiteral("Text_PassWord"));
    Text_PassWord->setPasswordChar(QLatin1Char('*'));
    // What the radio compares takes one byte a character: refused in words.
    Text_PassWord->setKeyFilter(PasswordRules::passwordKey);
    // The design text is there before the exchange binds the change handler.
    Text_PassWord->setText(passwordDesign);
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
}

EditorWindow::~EditorWindow()
{
    editors().removeAll(this);
    delete m_session;  // ends its exchange while the controls still exist
    m_session = nullptr;
}

void EditorWindow::bindLink(const LinkSettings &settings)
{
    bindLink(new LinkSession(m_controls, settings, this));
}

void EditorWindow::bindLink(LinkSession *session)
{
    Q_ASSERT(!m_session);
    m_session = session;
    session->setParent(this);
    LinkSettings &s = session->settings();
    // What the grid shows is what is sent: an open edit is committed before
    // a write. A finished read replaces the image: an open edit is dropped
    // before the new data are unpacked.
    s.beforeStart = [this, prior = s.beforeStart](bool write) {
        if (write && !commitOwnOpenEdit())
            return false;
        return prior ? prior(write) : true;
    };
    s.unpack = [this, prior = s.unpack] {
        discardOpenEdit();
        if (prior)
            prior();
        else
            m_session->unpackIntoImage();  // UnpackReadBlocks would call this hook again
    };
    connect(session, &LinkSession::readCompleted, this, &EditorWindow::rememberShown);
}

QPushButton *EditorWindow::addButton(const char *name)
{
    auto *b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

void EditorWindow::layOutWithButtonRow(QWidget *content,
                                       std::initializer_list<QPushButton *> buttons)
{
    auto *column = new QVBoxLayout(this);
    column->addWidget(content, 1);
    auto *row = new QHBoxLayout;
    for (QPushButton *b : buttons)
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(Label_PassWord);
    row->addWidget(Text_PassWord);
    column->addLayout(row);
    auto *progress = new QHBoxLayout;
    progress->addWidget(ProgressBar1, 2);
    progress->addWidget(Label_tr_count, 1);
    column->addLayout(progress);
    keepRoomForProgress();
}

void EditorWindow::keepRoomForProgress()
{
    // The window is as tall as what it shows when it opens: the progress
    // bar, hidden until an exchange starts, and the status line, empty
    // until then, keep their room so that neither is squeezed later.
    QSizePolicy policy = ProgressBar1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(policy);
    Label_tr_count->setMinimumHeight(Label_tr_count->fontMetrics().height());
}

bool EditorWindow::closeWindow(std::initializer_list<QLatin1String> alsoUnload)
{
    if (m_controls.MSC && m_controls.MSC->portOpen())
        m_controls.MSC->setPortOpen(false);
    if (!Windows::unload(objectName()))
        return false;
    for (QLatin1String name : alsoUnload)
        Windows::unload(name);
    return true;
}

void EditorWindow::openFileDialog(QLatin1String window, const BiText &busyText)
{
    if (refuseWhileBusy(busyText))
        return;
    Windows::show(window);
}

void EditorWindow::saveFileDialog(QLatin1String window, const BiText &busyText)
{
    if (refuseWhileBusy(busyText))
        return;
    if (!commitOwnOpenEdit())
        return;
    Windows::show(window);
}

void EditorWindow::formLoad()
{
    applyCaptions();
    if (m_session)
        m_session->clearForLoad();
    ProgressBar1->setValue(0);
    Label_tr_count->setText(QString());
    ProgressBar1->hide();
    loadForm();
    showImage();
    rememberShown();
}

bool EditorWindow::transferBusy() const
{
    return m_session && m_session->transferBusy();
}

void EditorWindow::busyBox(const BiText &text)
{
    if (m_session)
        m_session->exchangeBox(text, PromptTitle);
    else
        MsgBox(text, MsgIcon::Exclamation, PromptTitle);
}

bool EditorWindow::refuseWhileBusy(const BiText &text)
{
    if (!transferBusy())
        return false;
    busyBox(text);
    return true;
}

BiText EditorWindow::unloadBusyText() const { return LinkText::Busy; }

bool EditorWindow::queryUnload()
{
    if (refuseWhileBusy(unloadBusyText()))
        return false;
    // Closing never throws a typed edit away.
    return commitOwnOpenEdit();
}

void EditorWindow::formUnload()
{
    if (m_session)
        m_session->stop();
}

void EditorWindow::watchRows(int firstRow, int count) { m_rows.append({firstRow, count}); }

quint64 EditorWindow::shownHash() const
{
    quint64 h = 1469598103934665603ull;
    auto mix = [&h](qint16 v) {
        h ^= quint64(quint16(v));
        h *= 1099511628211ull;
    };
    for (const auto &[first, count] : m_rows)
        for (int r = first; r < first + count && r < ImageRows; ++r)
            for (int c = 0; c < 16; ++c)
                mix(MemoryImage[r][c]);
    return h;
}

void EditorWindow::rememberShown() { m_shown = shownHash(); }
bool EditorWindow::shownChanged() const { return shownHash() != m_shown; }

void EditorWindow::refresh()
{
    if (m_refreshing || editing())
        return;
    m_refreshing = true;
    if (shownChanged())
        discardOpenEdit();
    redisplay();
    m_refreshing = false;
    rememberShown();
}

void EditorWindow::formActivate() { refresh(); }

bool EditorWindow::event(QEvent *e)
{
    // The focus coming back from a top-level window (a dialog that may have
    // loaded a file) reaches a child of the main window as an activation of
    // the main window, not of its frame.
    if (e->type() == QEvent::WindowActivate) {
        QMdiSubWindow *frame = Windows::frameOf(this);
        QMdiArea *area = Windows::mdiArea();
        if (frame && area && area->activeSubWindow() == frame)
            refresh();
    }
    return Form::event(e);
}

void EditorWindow::beforeInput()
{
    // The activation that a click into an inactive window brings may come
    // before or after the click; a changed image is shown before it either way.
    if (shownChanged())
        refresh();
}

bool EditorWindow::commitOpenEditsOf(const QList<EditorWindow *> &windows)
{
    // Every window commits what it can; one kept open stops the caller and
    // comes forward, its box with the focus, for the user to finish it.
    bool all = true;
    for (EditorWindow *w : windows)
        if (!w->commitOpenEdit()) {
            all = false;
            Windows::show(w->objectName());
            w->window()->activateWindow();
        }
    return all;
}

bool EditorWindow::commitAllOpenEdits()
{
    return commitOpenEditsOf(QList<EditorWindow *>(editors()));
}

void EditorWindow::discardAllOpenEdits()
{
    for (EditorWindow *w : QList<EditorWindow *>(editors()))
        w->discardOpenEdit();
}
