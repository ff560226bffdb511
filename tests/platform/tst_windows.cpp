// The window registry: one instance per window, load and unload rules,
// child windows in the MDI area, refusals.
#include "platform/Windows.h"
#include "support/MdiStage.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>
#include <memory>

namespace {
struct Counts {
    int loads = 0;
    int unloads = 0;
    int activations = 0;
};

class ProbeForm : public Form
{
public:
    ProbeForm(Counts &c, bool *refuse) : m_counts(c), m_refuse(refuse) {}
    void formLoad() override { ++m_counts.loads; }
    bool queryUnload() override { return !(m_refuse && *m_refuse); }
    void formUnload() override { ++m_counts.unloads; }
    void formActivate() override { ++m_counts.activations; }

private:
    Counts &m_counts;
    bool *m_refuse;
};
}

class TestWindows : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> stage;
    QMdiArea *area = nullptr;
    Counts child, top;
    bool refuse = false;

private slots:
    void init()
    {
        child = {};
        top = {};
        refuse = false;
        stage = std::make_unique<MainStandIn>(QSize(800, 600));
        area = stage->area;
        Windows::define("child", Windows::Kind::Child, [this] { return new ProbeForm(child, &refuse); });
        Windows::define("top", Windows::Kind::TopLevel, [this] { return new ProbeForm(top, nullptr); });
    }
    void cleanup()
    {
        Windows::reset();
        stage.reset();
    }

    void loadingAnOpenWindowDoesNothing()
    {
        QWidget *first = Windows::load("child");
        QVERIFY(first);
        QWidget *second = Windows::load("child");
        QCOMPARE(second, first);
        QCOMPARE(child.loads, 1);
        QCOMPARE(area->subWindowList().size(), 1);
    }

    void showBringsAnOpenWindowToTheFrontUnchanged()
    {
        Windows::define("other", Windows::Kind::Child, [this] { return new ProbeForm(top, nullptr); });
        QWidget *c = Windows::load("child");
        c->setProperty("state", 42);
        Windows::load("other");
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(Windows::find("other")));
        Windows::load("child");  // load alone leaves it behind
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(Windows::find("other")));
        QCOMPARE(Windows::show("child"), c);
        QCOMPARE(area->activeSubWindow(), Windows::frameOf(c));
        QCOMPARE(child.loads, 1);
        QCOMPARE(c->property("state").toInt(), 42);
        QVERIFY(!Windows::show("never-defined"));
    }

    void childLivesInTheMdiAreaTopLevelDoesNot()
    {
        QWidget *c = Windows::load("child");
        QWidget *t = Windows::load("top");
        QVERIFY(Windows::frameOf(c));
        QCOMPARE(Windows::frameOf(c)->mdiArea(), area);
        QVERIFY(!Windows::frameOf(t));
        QVERIFY(t->isWindow());
        QVERIFY(!t->parentWidget());
        QCOMPARE(Windows::openChildren(), QStringList{"child"});
        QCOMPARE(c->objectName(), QString("child"));
    }

    void unloadRunsTheUnloadHandlingOnce()
    {
        Windows::load("child");
        QVERIFY(Windows::unload("child"));
        QVERIFY(!Windows::isLoaded("child"));
        QCOMPARE(child.unloads, 1);
        // Unloading a closed window does nothing.
        QVERIFY(Windows::unload("child"));
        QCOMPARE(child.unloads, 1);
        QVERIFY(Windows::unload("never-defined"));
    }

    void reloadGivesAFreshInstance()
    {
        QPointer<QWidget> first = Windows::load("child");
        Windows::reload("child");
        QCOMPARE(child.loads, 2);
        QCOMPARE(child.unloads, 1);
        QVERIFY(Windows::find("child"));
        QTRY_VERIFY(!first);  // the old one is deleted
    }

    void aWindowThatRefusesStaysOpen()
    {
        Windows::load("child");
        refuse = true;
        QVERIFY(!Windows::unload("child"));
        QVERIFY(Windows::isLoaded("child"));
        QCOMPARE(child.unloads, 0);
        // Its title-bar close is refused the same way.
        QVERIFY(!Windows::frameOf(Windows::find("child"))->close());
        QVERIFY(Windows::isLoaded("child"));
        refuse = false;
        QVERIFY(Windows::unload("child"));
    }

    void closingFromTheTitleBarUnloads()
    {
        QWidget *t = Windows::load("top");
        QVERIFY(t->close());
        QVERIFY(!Windows::isLoaded("top"));
        QCOMPARE(top.unloads, 1);
    }

    void activatingAChildRunsItsActivateHandler()
    {
        Windows::load("child");
        Windows::load("child2");  // unknown: nothing
        QVERIFY(!Windows::isLoaded("child2"));
        const int before = child.activations;
        area->setActiveSubWindow(nullptr);
        area->setActiveSubWindow(Windows::frameOf(Windows::find("child")));
        QVERIFY(child.activations > before);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
