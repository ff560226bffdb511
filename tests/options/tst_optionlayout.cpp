// The option editor laid out in its window as the main window sizes it, in
// English and in Chinese: every caption a person sees (labels, check and
// option buttons, push buttons, frame titles) shows its whole text, and no
// part of the editing area is squeezed below the room its controls need.
#include "options/OptionWindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include "options/FrequencyModeFrame.h"

using namespace OptionWindowFixture;

namespace {

QString plain(QString text)
{
    text.remove(QLatin1Char('&'));
    return text;
}

QString cut(const QWidget *w, const QString &text, int need, int room)
{
    return QStringLiteral("%1 \"%2\": %3 px wanted, %4 px given").arg(w->objectName(), text).arg(need).arg(room);
}

// Why the widget's caption is not seen whole; empty when it is.
QString captionCut(const QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        const QString text = plain(l->text());
        if (text.isEmpty())
            return {};
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap()) {
            for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (fm.horizontalAdvance(word) > room.width())
                    return cut(w, word, fm.horizontalAdvance(word), room.width());
            const int need = fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text).height();
            return need > room.height() ? cut(w, text, need, room.height()) : QString();
        }
        if (fm.horizontalAdvance(text) > room.width())
            return cut(w, text, fm.horizontalAdvance(text), room.width());
        return fm.height() > room.height() ? cut(w, text, fm.height(), room.height()) : QString();
    }
    if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)) {
        auto *b = static_cast<const QAbstractButton *>(w);
        if (b->text().isEmpty())
            return {};
        const bool radio = qobject_cast<const QRadioButton *>(w);
        const QStyle *s = w->style();
        const int indicator = s->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                                             nullptr, w)
                              + s->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                     : QStyle::PM_CheckBoxLabelSpacing,
                                               nullptr, w);
        const int need = indicator + fm.horizontalAdvance(plain(b->text()));
        return need > b->contentsRect().width() ? cut(w, b->text(), need, b->contentsRect().width()) : QString();
    }
    if (auto *b = qobject_cast<const QPushButton *>(w)) {
        if (b->text().isEmpty())
            return {};
        QStyleOptionButton opt;
        opt.initFrom(b);
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        const int need = fm.horizontalAdvance(plain(b->text()));
        return need > room.width() ? cut(w, b->text(), need, room.width()) : QString();
    }
    if (auto *g = qobject_cast<const QGroupBox *>(w)) {
        if (g->title().isEmpty())
            return {};
        // The title stands inside the frame's border, a few pixels in.
        const int need = fm.horizontalAdvance(plain(g->title())) + 16;
        return need > g->contentsRect().width() ? cut(w, g->title(), need, g->contentsRect().width()) : QString();
    }
    return {};
}

} // namespace

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

    QStringList cuts;
    int checked = 0;
    for (const QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisible())
            continue;
        if (qobject_cast<const QLabel *>(c) || qobject_cast<const QAbstractButton *>(c)
            || qobject_cast<const QGroupBox *>(c))
            ++checked;
        const QString why = captionCut(c);
        if (!why.isEmpty())
            cuts << why;
    }
    QVERIFY(checked > 60);
    QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1String("; "))));
}

QTEST_MAIN(TstOptionLayout)
#include "tst_optionlayout.moc"
