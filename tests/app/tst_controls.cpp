// Every window of the program: its controls carry names, and every text box
// has its caption label as buddy (a grid's in-cell editor an accessible
// name), so tests and screen readers can find them; every caption and every
// item of a closed list shows its whole text, in English and in Chinese, on
// every page of a tabbed window and with every text its exchange writes into
// its status line (a text cut at its widget's edge, "1 fram", is a text the
// user cannot read).
#include "app/Application.h"
#include "link/LinkControls.h"
#include "link/LinkSession.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"
#include "platform/WindowNames.h"
#include "platform/Windows.h"
#include "support/ClickWhereSeen.h"
#include "support/ExchangeLabels.h"
#include "support/FakeCommControl.h"
#include "support/OnScreenMessageBox.h"
#include "support/TabClick.h"
#include "support/TextFits.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QScopeGuard>
#include <QTabBar>
#include <QtTest>

class TestControls : public QObject
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
        Windows::reset();
        setCommControlFactory({});
        MsgBoxRecorder::uninstall();
        TestClock::uninstall();
    }

    void everyWindowNameIsDefined()
    {
        // Menus, buttons and windows load windows by these names only.
        for (QLatin1String name : WindowName::All)
            QVERIFY2(Windows::defined(name), name.data());
    }

    void controlsAreNamedAndLabelled_data()
    {
        QTest::addColumn<QString>("window");
        // Every window of the table, so a new one is covered the day it is defined.
        for (QLatin1String w : WindowName::All)
            if (Windows::defined(w))
                QTest::newRow(w.data()) << QString(w);
    }
    void controlsAreNamedAndLabelled()
    {
        QFETCH(QString, window);
        QWidget *w = Windows::load(window);
        QVERIFY(w);
        QSet<const QWidget *> buddies;
        for (QLabel *label : w->findChildren<QLabel *>())
            if (label->buddy())
                buddies.insert(label->buddy());
        for (QWidget *c : w->findChildren<QWidget *>()) {
            const bool control = qobject_cast<QAbstractButton *>(c) || qobject_cast<QComboBox *>(c)
                                 || qobject_cast<QListWidget *>(c)
                                 || qobject_cast<QAbstractSpinBox *>(c)
                                 || qobject_cast<QLineEdit *>(c);
            if (!control || qobject_cast<QComboBox *>(c->parentWidget())
                || qobject_cast<QAbstractSpinBox *>(c->parentWidget()))
                continue;  // the inner parts of a compound control
            if (c->inherits("QMdiSubWindow") || c->parentWidget()->inherits("QMdiSubWindow")
                || c->parentWidget()->inherits("QToolBar")
                || c->parentWidget()->inherits("QAbstractScrollArea")
                || c->inherits("QToolButton"))
                continue;  // frame buttons, toolbar and scroll-bar parts
            QVERIFY2(!c->objectName().isEmpty(),
                     qPrintable(QString("%1: unnamed %2").arg(window, c->metaObject()->className())));
            // A grid's in-cell editor has no caption label; it carries an
            // accessible name instead.
            if (auto *edit = qobject_cast<QLineEdit *>(c))
                if (!edit->isReadOnly() && edit->accessibleName().isEmpty())
                    QVERIFY2(buddies.contains(edit),
                             qPrintable(QString("%1: %2 has no caption label as buddy")
                                            .arg(window, edit->objectName())));
        }
    }

    void captionsInBothLanguages_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("language");
        for (QLatin1String w : WindowName::All)
            if (Windows::defined(w) && w != WindowName::MDImain)
                for (int language : {0, -1})
                    QTest::addRow("%s %s", w.data(), language ? "zh" : "en") << QString(w) << language;
    }
    void captionsInBothLanguages()
    {
        // Every window loads its captions in the language chosen: a title,
        // and a text on every button.
        QFETCH(QString, window);
        QFETCH(int, language);
        LanguageFlag = qint16(language);
        Windows::unload(window);
        QWidget *w = Windows::load(window);
        LanguageFlag = 0;
        QVERIFY(w);
        if (window != WindowName::frmAbout)  // the About window has no title of its own
            QVERIFY2(!w->windowTitle().isEmpty(), qPrintable(window));
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            if (b->inherits("QToolButton") || b->parentWidget()->inherits("QMdiSubWindow")
                || b->parentWidget()->inherits("QAbstractScrollArea"))
                continue;
            // A box in a table under column headings carries an accessible
            // name instead of a caption.
            const bool named = !b->text().trimmed().isEmpty()
                               || (!b->inherits("QPushButton") && !b->accessibleName().isEmpty());
            QVERIFY2(named, qPrintable(QString("%1: %2 has no caption").arg(window, b->objectName())));
        }
        Windows::unload(window);
    }

    void everyCaptionShowsWholeText_data() { captionsInBothLanguages_data(); }
    void everyCaptionShowsWholeText()
    {
        QFETCH(QString, window);
        QFETCH(int, language);
        LanguageFlag = qint16(language);
        Windows::unload(window);
        QWidget *w = Windows::show(window);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w->window()));
        QStringList cuts = textfits::cutCaptions(w);
        // Each page as a person opens it: a click on its tab.
        for (QTabBar *bar : w->findChildren<QTabBar *>())
            for (int i = 0; i < bar->count(); ++i) {
                QVERIFY2(clickTabWhereSeen(bar, i), qPrintable(QStringLiteral("%1 tab %2").arg(window).arg(i)));
                cuts << textfits::cutCaptions(w);
            }
        // The status line, with each text the window's exchange writes there.
        auto *status = w->findChild<QLabel *>(QStringLiteral("Label_tr_count"));
        if (auto *session = w->findChild<LinkSession *>(); status && session)
            for (const QString &text : exchangeLabelTexts(session->settings())) {
                status->setText(text);
                cuts << textfits::cutCaptions(status->parentWidget());
            }
        Windows::unload(window);
        LanguageFlag = 0;
        cuts.removeDuplicates();
        QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1String("\n"))));
    }

    // A password box of an exchange (an editor's, the read and write
    // windows') takes what the radio compares, one byte a character: a
    // character without one is refused in words, the box keeping its text.
    void passwordBoxesRefuseInWords_data() { controlsAreNamedAndLabelled_data(); }
    void passwordBoxesRefuseInWords()
    {
        QFETCH(QString, window);
        Windows::unload(window);
        QWidget *w = Windows::show(window);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w->window()));
        auto *box = w->findChild<TextBox *>(QStringLiteral("Text_PassWord"), Qt::FindDirectChildrenOnly);
        if (!box || !box->isVisible()) {
            Windows::unload(window);
            QSKIP("no password box shown");
        }
        const QString before = box->text();
        // The warning shown for real and closed with Return, as a person does.
        MsgBoxRecorder::install(answerOnScreen);
        const auto plainRecorder = qScopeGuard([] { MsgBoxRecorder::install(); });
        QVERIFY(clickWhereSeen(box));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
        QTest::keyClick(box, Qt::Key_End);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUtf8("中"), Qt::NoModifier);
        QCOMPARE(box->text(), before);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
        QCOMPARE(MsgBoxRecorder::boxes().size(), 1);
        QCOMPARE(MsgBoxRecorder::boxes().first().text,
                 QStringLiteral("The password takes single-byte characters only (letters, digits, blank and signs) ."));
        QTest::keyClicks(box, QStringLiteral("a"));
        QCOMPARE(box->text(), before + QLatin1Char('a'));
        Windows::unload(window);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
