// The option editor laid out in its window as the main window sizes it, in
// English and in Chinese: every caption a person sees (labels, check and
// option buttons, push buttons, frame titles) shows its whole text, and no
// part of the editing area is squeezed below the room its controls need.
#include "options/OptionWindowFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QtTest>

#include "options/FrequencyModeFrame.h"
#include "support/TextFits.h"

using namespace OptionWindowFixture;

class TstOptionLayout : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;

private slots:
    void init();
    void cleanup();
    void everyCaptionShowsWholeText_data();
    void everyCaptionShowsWholeText();
};

void TstOptionLayout::init()
{
    resetProgramState();
    defineWindows();
    main = std::make_unique<MainStandIn>();
    QVERIFY(QTest::qWaitForWindowActive(&main->main));
}

void TstOptionLayout::cleanup()
{
    cleanupProgramState();
    main.reset();
}

void TstOptionLayout::everyCaptionShowsWholeText_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 0;
    QTest::newRow("Chinese") << -1;
}

void TstOptionLayout::everyCaptionShowsWholeText()
{
    QFETCH(int, language);
    LanguageFlag = qint16(language);
    OptionEditorWindow *w = load();
    QVERIFY(w);
    main->area->setActiveSubWindow(Windows::frameOf(w));
    QVERIFY(QTest::qWaitForWindowExposed(&main->main));

    // Nothing is squeezed: every part of the editing area has the room it needs.
    QStringList squeezed;
    for (QWidget *part : {static_cast<QWidget *>(w->panel), static_cast<QWidget *>(w->panel->Frame_A),
                          static_cast<QWidget *>(w->panel->Frame_B),
                          static_cast<QWidget *>(w->panel->Frame_Pon_Msg)}) {
        const QSize need = part->minimumSizeHint();
        if (need.width() > part->width() || need.height() > part->height())
            squeezed << QStringLiteral("%1 needs %2x%3, has %4x%5")
                            .arg(part->objectName())
                            .arg(need.width())
                            .arg(need.height())
                            .arg(part->width())
                            .arg(part->height());
    }
    QVERIFY2(squeezed.isEmpty(), qPrintable(squeezed.join(QLatin1String("; "))));

    int checked = 0;
    for (const QWidget *c : w->findChildren<QWidget *>())
        if (c->isVisible() && (qobject_cast<const QLabel *>(c) || qobject_cast<const QAbstractButton *>(c)
                               || qobject_cast<const QGroupBox *>(c)))
            ++checked;
    QVERIFY(checked > 60);
    const QStringList cuts = textfits::cutCaptions(w);
    QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1String("; "))));
}

QTEST_MAIN(TstOptionLayout)
#include "tst_optionlayout.moc"
