// The option editor laid out in its window as the main window sizes it, in
// English and in Chinese: no part of the editing area is squeezed below the
// room its controls need, and each "MHZ" unit stands apart from the caption
// to its right. (That every caption shows its whole text is checked for
// every window in tests/app/tst_controls.cpp.)
#include "options/OptionWindowFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "options/FrequencyModeFrame.h"

using namespace OptionWindowFixture;

namespace {
// The columns of `frame` (drawn) where a pixel inside `area` differs from
// the frame's background: the horizontal extent of the text drawn there.
// Returns {first, last}, or {-1, -1} when nothing is drawn.
QPair<int, int> inkColumns(const QImage &frame, const QRect &area, QRgb background)
{
    int first = -1;
    int last = -1;
    const QRect r = area.intersected(frame.rect());
    for (int x = r.left(); x <= r.right(); ++x)
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const QRgb p = frame.pixel(x, y);
            if (qAbs(qGray(p) - qGray(background)) > 40) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    return {first, last};
}
} // namespace

class TstOptionLayout : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainStandIn> main;

    OptionEditorWindow *loadShown(int language);

private slots:
    void init();
    void cleanup();
    void nothingSqueezed_data();
    void nothingSqueezed();
    void unitStandsApartFromTheNextCaption_data();
    void unitStandsApartFromTheNextCaption();
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

OptionEditorWindow *TstOptionLayout::loadShown(int language)
{
    LanguageFlag = qint16(language);
    OptionEditorWindow *w = load();
    if (!w)
        return nullptr;
    main->area->setActiveSubWindow(Windows::frameOf(w));
    if (!QTest::qWaitForWindowExposed(&main->main))
        return nullptr;
    return w;
}

void TstOptionLayout::nothingSqueezed_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 0;
    QTest::newRow("Chinese") << -1;
}

void TstOptionLayout::nothingSqueezed()
{
    QFETCH(int, language);
    OptionEditorWindow *w = loadShown(language);
    QVERIFY(w);
    // Every part of the editing area has the room it needs.
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
}

void TstOptionLayout::unitStandsApartFromTheNextCaption_data() { nothingSqueezed_data(); }

void TstOptionLayout::unitStandsApartFromTheNextCaption()
{
    QFETCH(int, language);
    OptionEditorWindow *w = loadShown(language);
    QVERIFY(w);
    for (FrequencyModeFrame *frame : {w->panel->Frame_A, w->panel->Frame_B}) {
        const QString side = frame == w->panel->Frame_A ? QStringLiteral("_a") : QStringLiteral("_b");
        const QImage drawn = frame->grab().toImage();
        const QRgb background = frame->palette().color(frame->backgroundRole()).rgb();
        // The frequency's unit and the receive tone's caption, the offset's
        // unit and the transmit tone's caption, each pair on one row.
        const std::pair<QString, QLabel *> pairs[] = {
            {QStringLiteral("Label_Mhz_Freq") + side, frame->labels[FrequencyModeFrame::RxTone]},
            {QStringLiteral("Label_Mhz_Offset") + side, frame->labels[FrequencyModeFrame::TxTone]}};
        for (const auto &[unitName, caption] : pairs) {
            auto *unit = frame->findChild<QLabel *>(unitName);
            QVERIFY2(unit && unit->isVisible(), qPrintable(unitName));
            QCOMPARE(unit->text(), QStringLiteral("MHZ"));
            const int unitEnd = inkColumns(drawn, unit->geometry(), background).second;
            const int captionStart = inkColumns(drawn, caption->geometry(), background).first;
            QVERIFY2(unitEnd >= 0 && captionStart >= 0, qPrintable(unitName));
            // At least the width of "M" lies between the two texts: more
            // than the blank between two words of one caption.
            const int gap = captionStart - unitEnd - 1;
            const int apart = unit->fontMetrics().horizontalAdvance(QLatin1Char('M'));
            QVERIFY2(gap >= apart, qPrintable(QStringLiteral("%1 and %2: %3 px apart, want %4")
                                                  .arg(unitName, caption->objectName())
                                                  .arg(gap)
                                                  .arg(apart)));
        }
    }
}

QTEST_MAIN(TstOptionLayout)
#include "tst_optionlayout.moc"
