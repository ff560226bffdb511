// Every caption of every window shows its whole text, in English and in
// Chinese, on every page of a tabbed window: a text cut at its widget's edge
// ("1 fram", "Decode Reset Time(m") is a text the user cannot read.
#include "app/Application.h"
#include "link/LinkControls.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "support/FakeCommControl.h"
#include "support/TabClick.h"
#include "support/TextFits.h"

#include <QTabBar>
#include <QtTest>

class TestCaptionsFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestClock::install();
        MsgBoxRecorder::install();
        Screen::setTestSizePixels({1280, 800});
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        defineWindows();
        QVERIFY(Windows::load("MDImain"));
    }
    void cleanupTestCase()
    {
        LanguageFlag = 0;
        Windows::reset();
        setCommControlFactory({});
        MsgBoxRecorder::uninstall();
        TestClock::uninstall();
    }

    void everyCaptionShowsWholeText_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("language");
        for (QLatin1String w : WindowName::All)
            if (Windows::defined(w) && w != WindowName::MDImain)
                for (int language : {0, -1})
                    QTest::addRow("%s %s", w.data(), language ? "zh" : "en") << QString(w) << language;
    }
    void everyCaptionShowsWholeText()
    {
        QFETCH(QString, window);
        QFETCH(int, language);
        LanguageFlag = qint16(language);
        Windows::unload(window);
        QWidget *w = Windows::load(window);
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w->window()));
        QStringList cuts;
        const QList<QTabBar *> bars = w->findChildren<QTabBar *>();
        if (bars.isEmpty())
            cuts << textfits::cutCaptions(w);
        for (QTabBar *bar : bars)
            for (int i = 0; i < bar->count(); ++i) {
                // Each page as a person opens it: a click on its tab.
                QVERIFY2(clickTabWhereSeen(bar, i), qPrintable(QStringLiteral("%1 tab %2").arg(window).arg(i)));
                QCoreApplication::processEvents();
                for (const QString &cut : textfits::cutCaptions(w))
                    if (!cuts.contains(cut))
                        cuts << cut;
            }
        Windows::unload(window);
        LanguageFlag = 0;
        QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1String("\n"))));
    }
};

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
