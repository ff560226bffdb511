// The pick list: its value is the selected index; filling never stores; an
// index outside the list stores nothing; typing is refused unless allowed;
// a value without an item is drawn as a chosen item is.
#include "platform/PickList.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TstPickList : public QObject
{
    Q_OBJECT
private slots:
    void fillingNeverPicks_data();
    void fillingNeverPicks();
    void setListIndex_data();
    void setListIndex();
    void setTextShowsItemWithoutPicking_data();
    void setTextShowsItemWithoutPicking();
    void closedListRefusesLetters();
    void cursorKeysPick();
    void typingAllowedGoesThroughFilter();
    void unlistedValueLooksChosen();
    void unlistedValueEndsWithAnItem();
};

static QStringList power() { return {QStringLiteral("HIGH"), QStringLiteral("LOW")}; }

void TstPickList::fillingNeverPicks_data()
{
    QTest::addColumn<bool>("typing");
    QTest::newRow("closed list") << false;
    QTest::newRow("typing allowed") << true;
}

void TstPickList::fillingNeverPicks()
{
    QFETCH(bool, typing);
    PickList list;
    list.setTypingAllowed(typing);
    QSignalSpy picks(&list, &PickList::picked);
    list.addItems(power());
    QCOMPARE(list.listIndex(), -1);  // an empty list filled stays unselected
    QCOMPARE(list.text(), QString());
    list.showIndex(1);
    list.addItem(QStringLiteral("MID"));
    QCOMPARE(list.listIndex(), 1);
    list.clearList();
    QCOMPARE(list.listCount(), 0);
    QCOMPARE(list.text(), QString());
    QCOMPARE(picks.count(), 0);
}

void TstPickList::setListIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("picks");
    QTest::newRow("first") << 0 << 0 << true;
    QTest::newRow("last") << 3 << 3 << true;
    QTest::newRow("one past the end") << 4 << -1 << false;
    QTest::newRow("corrupt byte") << 255 << -1 << false;
    QTest::newRow("negative") << -1 << -1 << false;
}

void TstPickList::setListIndex()
{
    QFETCH(int, index);
    QFETCH(int, shown);
    QFETCH(bool, picks);
    PickList list;
    list.addItems({"OFF", "BOT", "EOT", "BOTH"});
    list.showIndex(2);
    QSignalSpy spy(&list, &PickList::picked);
    list.setListIndex(index);
    QCOMPARE(list.listIndex(), shown);
    QCOMPARE(spy.count(), picks ? 1 : 0);
    if (picks)
        QCOMPARE(spy.at(0).at(0).toInt(), index);
    else
        QCOMPARE(list.text(), QString());
}

void TstPickList::setTextShowsItemWithoutPicking_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shown");
    QTest::newRow("exact") << "VHF/UHF" << 0;
    QTest::newRow("with a trailing blank") << "VHF/UHF " << 0;
    QTest::newRow("not in the list") << "UHF" << -1;
    QTest::newRow("blank") << "" << -1;
}

void TstPickList::setTextShowsItemWithoutPicking()
{
    QFETCH(QString, text);
    QFETCH(int, shown);
    PickList list;
    list.addItem(QStringLiteral("VHF/UHF"));
    QSignalSpy picks(&list, &PickList::picked);
    QSignalSpy changes(&list, &PickList::textChanged);
    list.setText(text);
    QCOMPARE(list.listIndex(), shown);
    QCOMPARE(picks.count(), 0);
    QCOMPARE(changes.count(), shown >= 0 ? 1 : 0);
}

void TstPickList::closedListRefusesLetters()
{
    PickList list;
    list.addItems({"OFF", "ON", "OR"});
    list.showIndex(0);
    QSignalSpy picks(&list, &PickList::picked);
    QTest::keyClicks(&list, QStringLiteral("oO1"));
    QCOMPARE(list.listIndex(), 0);
    QCOMPARE(picks.count(), 0);
    QSignalSpy enter(&list, &PickList::enterPressed);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(picks.count(), 0);
}

void TstPickList::cursorKeysPick()
{
    PickList list;
    list.addItems(power());
    list.showIndex(0);
    QSignalSpy picks(&list, &PickList::picked);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.listIndex(), 1);
    QCOMPARE(picks.count(), 1);
    QCOMPARE(picks.at(0).at(0).toInt(), 1);
}

void TstPickList::typingAllowedGoesThroughFilter()
{
    PickList list;
    list.setKeyFilter([](int k) {
        if (k >= '0' && k <= '9')
            return k;
        if (k == 'd')
            return int('D');
        return k == TextBox::KeyEnter ? k : 0;
    });
    list.setTypingAllowed(true);
    list.addItems({"OFF", "67.0", "D023N"});
    QSignalSpy picks(&list, &PickList::picked);
    QTest::keyClicks(&list, QStringLiteral("d0x23"));
    QCOMPARE(list.text(), QStringLiteral("D023"));
    QCOMPARE(list.listIndex(), -1);
    QApplication::clipboard()->setText(QStringLiteral("a1"));
    QTest::keyClick(&list, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(list.text(), QStringLiteral("D0231"));
    QSignalSpy enter(&list, &PickList::enterPressed);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(list.listCount(), 3);  // Enter adds no item
    QCOMPARE(picks.count(), 0);
}

void TstPickList::unlistedValueLooksChosen()
{
    // Two lists side by side in an active window: one shows "100.5" without
    // an item, the other has it as its chosen item. Drawn, they are the same:
    // the value is not greyed as a hint is.
    QWidget host;
    auto *layout = new QVBoxLayout(&host);
    auto *unlisted = new PickList;
    auto *chosen = new PickList;
    for (PickList *l : {unlisted, chosen}) {
        l->setFocusPolicy(Qt::NoFocus);
        l->setFixedSize(120, 26);
        layout->addWidget(l);
    }
    unlisted->addItems({QStringLiteral("67.0"), QStringLiteral("100.0")});
    chosen->addItems({QStringLiteral("67.0"), QStringLiteral("100.5")});
    QSignalSpy picks(unlisted, &PickList::picked);
    unlisted->showUnlisted(QStringLiteral("100.5"));
    chosen->showIndex(1);
    host.show();
    QApplication::setActiveWindow(&host);
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QCOMPARE(unlisted->listIndex(), -1);
    QCOMPARE(unlisted->unlistedText(), QStringLiteral("100.5"));
    QCOMPARE(unlisted->accessibleName(), QStringLiteral("100.5"));
    QCOMPARE(picks.count(), 0);
    // Compared once the style's transitions (activation, hover) have ended,
    // as a window manager's activation can start one.
    QTRY_COMPARE(unlisted->grab().toImage(), chosen->grab().toImage());
    // Disabled, both are greyed alike.
    unlisted->setEnabled(false);
    chosen->setEnabled(false);
    QTRY_COMPARE(unlisted->grab().toImage(), chosen->grab().toImage());
}

void TstPickList::unlistedValueEndsWithAnItem()
{
    PickList list;
    list.addItems(power());
    list.showUnlisted(QStringLiteral("MID"));
    QCOMPARE(list.text(), QString());  // no item is chosen
    list.setListIndex(1);
    QCOMPARE(list.unlistedText(), QString());
    QCOMPARE(list.accessibleName(), QString());
    list.showUnlisted(QStringLiteral("MID"));
    list.showIndex(0);
    QCOMPARE(list.unlistedText(), QString());
    // Back to no item: the value shown before is not shown again.
    list.showIndex(-1);
    QCOMPARE(list.unlistedText(), QString());
    list.showUnlisted(QStringLiteral("MID"));
    list.clearList();
    QCOMPARE(list.unlistedText(), QString());
}

QTEST_MAIN(TstPickList)
#include "tst_picklist.moc"
