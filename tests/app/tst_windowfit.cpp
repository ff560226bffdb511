// Every window that reads or writes the radio opens at the size of what it
// holds, in English and in Chinese: between its lowest content control and
// its button row, and below its lowest control, lies no empty band taller
// than two rows of controls (a tabbed window: on its tallest page); on
// every page, each grid's viewport is as wide as its columns (and a scroll
// bar), with no white area to the right of the last column; and the window
// stands whole in the main window's client area.
#include "app/Application.h"
#include "link/LinkSession.h"
#include "platform/CommControl.h"
#include "platform/FlexGrid.h"
#include "platform/Language.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "support/FakeCommControl.h"
#include "support/MdiStage.h"
#include "support/ProgramState.h"
#include "support/TabClick.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QtTest>

#include <memory>

namespace {
// The rectangle of `c` in `window`'s coordinates.
QRect inWindow(QWidget *window, QWidget *c) { return {c->mapTo(window, QPoint(0, 0)), c->size()}; }

// A control a person sees: a button, box, list, grid, tab strip, progress bar
// or a label with text. Frames and plain containers are not: a frame
// stretched over an empty band does not fill it. The inner parts of a list,
// box or grid (its editor, headers, scroll bars) belong to it.
bool seenControl(QWidget *window, QWidget *c)
{
    if (!c->isVisibleTo(window))
        return false;
    for (QWidget *p = c->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea *>(p) || qobject_cast<QComboBox *>(p)
            || qobject_cast<QAbstractSpinBox *>(p))
            return false;
    if (auto *label = qobject_cast<QLabel *>(c))
        return !label->text().trimmed().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<QAbstractButton *>(c) || qobject_cast<QComboBox *>(c)
           || qobject_cast<QLineEdit *>(c) || qobject_cast<QAbstractSpinBox *>(c)
           || qobject_cast<QAbstractScrollArea *>(c) || qobject_cast<QTabBar *>(c)
           || qobject_cast<QProgressBar *>(c);
}

struct Bands {
    int aboveButtons = 0;  // lowest content control to the top of the button row
    int belowControls = 0; // lowest control to the window's bottom edge
    QString lowestContent;
    QString lowest;
};

// The button row is the lowest row of push buttons (those whose middle lies
// within the height of the lowest one). Controls beside it (a password box
// in the row) belong to neither band.
bool measureBands(QWidget *window, Bands &bands, QString &why)
{
    QList<QWidget *> controls;
    for (QWidget *c : window->findChildren<QWidget *>())
        if (seenControl(window, c))
            controls << c;
    QWidget *lowestButton = nullptr;
    for (QWidget *c : controls)
        if (qobject_cast<QPushButton *>(c)
            && (!lowestButton || inWindow(window, c).bottom() > inWindow(window, lowestButton).bottom()))
            lowestButton = c;
    if (!lowestButton) {
        why = QStringLiteral("no button row");
        return false;
    }
    const QRect last = inWindow(window, lowestButton);
    int rowTop = last.top();
    for (QWidget *c : controls)
        if (qobject_cast<QPushButton *>(c)) {
            const QRect r = inWindow(window, c);
            if (r.center().y() >= last.top() && r.center().y() <= last.bottom())
                rowTop = std::min(rowTop, r.top());
        }
    int contentBottom = -1;
    int bottom = -1;
    for (QWidget *c : controls) {
        const QRect r = inWindow(window, c);
        if (r.bottom() > bottom) {
            bottom = r.bottom();
            bands.lowest = c->objectName();
        }
        if (r.bottom() < rowTop && r.bottom() > contentBottom) {
            contentBottom = r.bottom();
            bands.lowestContent = c->objectName();
        }
    }
    if (contentBottom < 0) {
        why = QStringLiteral("no control above the button row");
        return false;
    }
    bands.aboveButtons = rowTop - contentBottom - 1;
    bands.belowControls = window->height() - 1 - bottom;
    return true;
}

// Two rows of controls: twice the taller of a button and a list, and the
// spacing between them, in the window's font and style.
int twoRows(QWidget *window)
{
    QPushButton button(QStringLiteral("Read"));
    QComboBox list;
    list.addItem(QStringLiteral("Read"));
    button.setFont(window->font());
    list.setFont(window->font());
    const int spacing = window->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    return 2 * std::max(button.sizeHint().height(), list.sizeHint().height()) + std::max(spacing, 6);
}

// The grids whose viewport is wider than their columns by more than the
// scroll bar that is not shown.
QStringList gridsWiderThanColumns(QWidget *window)
{
    QStringList wide;
    for (FlexGrid *grid : window->findChildren<FlexGrid *>()) {
        if (!grid->isVisibleTo(window))
            continue;
        const int columns = grid->horizontalHeader()->length();
        const int bar = grid->verticalScrollBar()->isVisible()
                            ? 0
                            : grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
        const int white = grid->viewport()->width() - columns;
        if (white > bar + 1)
            wide << QStringLiteral("%1: viewport %2 px, columns %3 px, scroll bar %4 px")
                        .arg(grid->objectName())
                        .arg(grid->viewport()->width())
                        .arg(columns)
                        .arg(bar);
    }
    return wide;
}
} // namespace

class TestWindowFit : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> stage;

    static QStringList bandFaults(QWidget *w, const QList<Bands> &pages);

private slots:
    void initTestCase()
    {
        TestClock::install();
        resetProgramState();
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        defineWindows();
        stage = std::make_unique<MainStandIn>();
        QVERIFY(stage->waitActive());
    }
    void cleanupTestCase()
    {
        cleanupProgramState();
        stage.reset();
        setCommControlFactory({});
        TestClock::uninstall();
    }

    void windowHoldsItsContentsTightly_data();
    void windowHoldsItsContentsTightly();
};

// The empty bands of the window, against two rows of controls. A tabbed
// window is as tall as its tallest page: the page that reaches lowest is
// measured (`pages` holds each page's bands); the others may end higher up.
QStringList TestWindowFit::bandFaults(QWidget *w, const QList<Bands> &pages)
{
    if (pages.isEmpty())
        return {QStringLiteral("no page measured")};
    Bands bands = pages.first();
    for (const Bands &page : pages)
        if (page.aboveButtons < bands.aboveButtons)
            bands = page;
    QStringList faults;
    const int limit = twoRows(w);
    if (bands.aboveButtons > limit)
        faults << QStringLiteral("%1 px empty between %2 and the buttons (at most %3)")
                      .arg(bands.aboveButtons)
                      .arg(bands.lowestContent)
                      .arg(limit);
    if (bands.belowControls > limit)
        faults << QStringLiteral("%1 px empty below %2 (at most %3)")
                      .arg(bands.belowControls)
                      .arg(bands.lowest)
                      .arg(limit);
    return faults;
}

void TestWindowFit::windowHoldsItsContentsTightly_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("language");
    // The windows of the table with an exchange of their own: every editor,
    // the whole-radio read and write and the password window.
    for (QLatin1String name : WindowName::All) {
        if (name == WindowName::MDImain || !Windows::defined(name))
            continue;
        QWidget *w = Windows::load(name);
        const bool talks = w && w->findChild<LinkSession *>();
        Windows::unload(name);
        if (talks)
            for (int language : {0, -1})
                QTest::addRow("%s %s", name.data(), language ? "zh" : "en") << QString(name) << language;
    }
}

void TestWindowFit::windowHoldsItsContentsTightly()
{
    QFETCH(QString, window);
    QFETCH(int, language);
    LanguageFlag = qint16(language);
    QWidget *w = Windows::show(window);
    QVERIFY(w);
    QMdiSubWindow *frame = Windows::frameOf(w);
    QVERIFY(frame);
    stage->area->setActiveSubWindow(frame);
    QVERIFY(QTest::qWaitForWindowExposed(&stage->main));

    QStringList faults;
    const QRect client = stage->area->viewport()->rect();
    if (!client.contains(frame->geometry()))
        faults << QStringLiteral("the window %1,%2 %3x%4 leaves the client area %5x%6")
                      .arg(frame->x())
                      .arg(frame->y())
                      .arg(frame->width())
                      .arg(frame->height())
                      .arg(client.width())
                      .arg(client.height());
    QList<Bands> pages;
    QString why;
    auto measure = [&](const QString &page) {
        Bands bands;
        if (measureBands(w, bands, why))
            pages << bands;
        else
            faults << page + why;
        for (const QString &grid : gridsWiderThanColumns(w))
            faults << page + grid;
    };
    const QList<QTabBar *> bars = w->findChildren<QTabBar *>();
    if (bars.isEmpty())
        measure(QString());
    // Each page as a person opens it: a click on its tab.
    for (QTabBar *bar : bars)
        for (int i = 0; i < bar->count(); ++i) {
            QVERIFY2(clickTabWhereSeen(bar, i), qPrintable(QStringLiteral("%1 tab %2").arg(window).arg(i)));
            measure(QStringLiteral("tab %1: ").arg(bar->tabText(i)));
        }
    faults << bandFaults(w, pages);
    Windows::unload(window);
    LanguageFlag = 0;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("\n"))));
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
