#include "platform/Windows.h"

#include "platform/Screen.h"

#include <algorithm>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <map>
#include <vector>

namespace {
struct Definition {
    Windows::Kind kind;
    Windows::Factory factory;
};
struct Open {
    QString name;
    QPointer<QWidget> widget;
};

std::map<QString, Definition> definitions;
std::vector<Open> open;  // in load order
QPointer<QMdiArea> area;
bool forcing = false;  // reset(): close without asking

std::vector<Open>::iterator findOpen(const QString &name)
{
    return std::find_if(open.begin(), open.end(),
                        [&](const Open &o) { return o.name == name && o.widget; });
}
std::vector<Open>::iterator findOpen(const QWidget *w)
{
    return std::find_if(open.begin(), open.end(), [&](const Open &o) { return o.widget == w; });
}
void forget(const QWidget *w)
{
    open.erase(std::remove_if(open.begin(), open.end(),
                              [&](const Open &o) { return !o.widget || o.widget == w; }),
               open.end());
}

// A placement shrunk about its centre to the height its window holds
// (`needed`, frame included): no empty band under the window's contents.
// A window that needs the whole placement, or more, keeps it.
QRect shrunkToContents(const QRect &placement, int needed)
{
    if (needed <= 0 || needed >= placement.height())
        return placement;
    QRect r = placement;
    r.setTop(placement.top() + (placement.height() - needed) / 2);
    r.setHeight(needed);
    return r;
}

// A placement grown about its centre, never past the top left corner, until
// it holds what the window needs: a list or caption wider than the design's
// size then shows whole instead of being cut at the window's edge.
QRect roomForContents(const QRect &placement, const QSize &needed)
{
    QRect r = placement;
    const QSize size = placement.size().expandedTo(needed);
    r.setLeft(std::max(0, placement.left() - (size.width() - placement.width()) / 2));
    r.setTop(std::max(0, placement.top() - (size.height() - placement.height()) / 2));
    r.setSize(size);
    return r;
}
}

Form::Form(QWidget *parent) : QWidget(parent) {}

void Form::closeEvent(QCloseEvent *event)
{
    if (Windows::handleClose(this))
        event->accept();
    else
        event->ignore();
}

void Form::showEvent(QShowEvent *event)
{
    if (m_placement.isValid()) {
        // The width first (the design's, or what the contents need at
        // least), then the height the contents take at that width.
        if (QMdiSubWindow *frame = Windows::frameOf(this)) {
            const QSize minimum = frame->minimumSizeHint();
            const QMargins around = frame->contentsMargins();
            const int width = std::max(m_placement.width(), minimum.width()) - around.left() - around.right();
            const int needed = contentHeight(width) + around.top() + around.bottom();
            frame->setGeometry(roomForContents(shrunkToContents(m_placement, needed), minimum));
        } else if (!parentWidget()) {
            const QSize minimum = minimumSizeHint();
            const int needed = contentHeight(std::max(m_placement.width(), minimum.width()));
            const QRect r = roomForContents(shrunkToContents(m_placement, needed), minimum);
            resize(r.size());
            move(r.topLeft());
        }
    }
    QWidget::showEvent(event);
}

int Form::contentHeight(int width) const
{
    if (QLayout *l = layout()) {
        const int hint = l->hasHeightForWidth() ? l->totalHeightForWidth(width) : l->totalSizeHint().height();
        return std::max(hint, l->totalMinimumSize().height());
    }
    // Placed by hand: down to the lowest control shown, and under it the
    // margin the highest one keeps from the top.
    const QRect children = childrenRect();
    if (children.isEmpty())
        return 0;
    return children.bottom() + 1 + std::clamp(children.top(), 0, 12);
}

void Form::setCaptions(std::initializer_list<Caption> captions)
{
    m_captions = QList<Caption>(captions);
    applyCaptions();
}

void Form::applyCaptions()
{
    for (const Caption &c : m_captions) {
        const QString name = QString::fromLatin1(c.name);
        if (name.isEmpty()) {
            setWindowTitle(c.text.text());
            continue;
        }
        QWidget *w = findChild<QWidget *>(name);
        auto set = [&](const char *property) {
            return w && w->metaObject()->indexOfProperty(property) >= 0
                && w->setProperty(property, c.text.text());
        };
        if (!set("text") && !set("title"))
            qFatal("caption for a control that does not exist: %s", c.name);
    }
}

void Form::setPlacement(const QRect &placement)
{
    m_placement = placement;
    resize(placement.size());
    if (!Windows::frameOf(this) && !parentWidget())
        move(placement.topLeft());
}

void Form::placeFromMainWindow(double designWidthTwips, double designHeightTwips)
{
    double rx = Screen::widthTwips() / designWidthTwips;
    double ry = Screen::heightTwips() / designHeightTwips;
    if (rx == 0)
        rx = 1;
    if (ry == 0)
        ry = 1;
    const QSize main = Windows::mainWindowSize();
    const QSize size(int(main.width() / rx), int(main.height() / ry));
    const QSize client = Windows::clientSize();
    setPlacement(QRect((client.width() - size.width()) / 2, (client.height() - size.height()) / 2,
                       size.width(), size.height()));
}

void Form::placeCentred(int widthTwips, int heightTwips)
{
    const QSize size(Screen::toPixels(widthTwips), Screen::toPixels(heightTwips));
    const QSize client = Windows::clientSize();
    setPlacement(QRect((client.width() - size.width()) / 2, (client.height() - size.height()) / 2,
                       size.width(), size.height()));
}

bool Form::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && !Windows::frameOf(this))
        formActivate();
    return QWidget::event(e);
}

namespace Windows {

void define(const QString &name, Kind kind, Factory factory)
{
    definitions[name] = {kind, std::move(factory)};
}

bool defined(const QString &name) { return definitions.count(name) > 0; }

QWidget *find(const QString &name)
{
    auto it = findOpen(name);
    return it == open.end() ? nullptr : it->widget.data();
}

bool isLoaded(const QString &name) { return find(name) != nullptr; }

QWidget *load(const QString &name)
{
    if (QWidget *w = find(name))
        return w;
    auto def = definitions.find(name);
    if (def == definitions.end()) {
        // A name nobody defined is a programming error; the program's own
        // names are checked against the window table by its tests.
        qWarning("load of a window that is not defined: %s", qPrintable(name));
        return nullptr;
    }
    QWidget *w = def->second.factory();
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    open.push_back({name, w});
    if (auto *b = dynamic_cast<FormBehaviour *>(w))
        b->formLoad();
    if (!find(name))  // the load routine unloaded the window again
        return nullptr;
    if (def->second.kind == Kind::Child && area) {
        QMdiSubWindow *sub = area->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(w->windowTitle());
        QObject::connect(w, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
        sub->adjustSize();
        sub->show();
    } else {
        w->show();
    }
    return w;
}

bool unload(const QString &name)
{
    QWidget *w = find(name);
    if (!w)
        return true;
    if (QMdiSubWindow *sub = frameOf(w))
        sub->close();
    else
        w->close();
    return !isLoaded(name);
}

QWidget *show(const QString &name)
{
    QWidget *w = load(name);
    if (!w)
        return nullptr;
    if (QMdiSubWindow *sub = frameOf(w)) {
        sub->showNormal();
        if (area)
            area->setActiveSubWindow(sub);
        sub->raise();
    } else {
        w->show();
        w->raise();
        w->activateWindow();
    }
    return w;
}

void reload(const QString &name)
{
    if (unload(name))
        load(name);
}

bool handleClose(QWidget *window)
{
    auto it = findOpen(window);
    if (it == open.end())
        return true;
    auto *b = dynamic_cast<FormBehaviour *>(window);
    if (!forcing && b && !b->queryUnload())
        return false;
    forget(window);
    if (b)
        b->formUnload();
    return true;
}

void setMdiArea(QMdiArea *a)
{
    area = a;
    if (a)
        QObject::connect(a, &QMdiArea::subWindowActivated, a, [](QMdiSubWindow *sub) {
            if (sub)
                if (auto *b = dynamic_cast<FormBehaviour *>(sub->widget()))
                    b->formActivate();
        });
}

QMdiArea *mdiArea() { return area; }

QMdiSubWindow *frameOf(QWidget *child)
{
    return child ? qobject_cast<QMdiSubWindow *>(child->parentWidget()) : nullptr;
}

QSize mainWindowSize()
{
    if (area)
        return area->window()->size();
    return Screen::sizePixels();
}

QSize clientSize()
{
    if (area)
        return area->viewport()->size();
    return Screen::sizePixels();
}

QStringList openChildren()
{
    QStringList names;
    for (const Open &o : open)
        if (o.widget && frameOf(o.widget))
            names << o.name;
    return names;
}

void reset()
{
    forcing = true;
    auto copy = open;
    for (auto it = copy.rbegin(); it != copy.rend(); ++it)
        if (it->widget) {
            QWidget *w = it->widget;
            if (QMdiSubWindow *sub = frameOf(w))
                sub->close();
            else
                w->close();
        }
    forcing = false;
    open.clear();
    definitions.clear();
}
}
