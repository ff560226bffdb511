// A list byte put right before its list shows it.
#include "memory/ListByte.h"

#include <QtTest>

class TestListByte : public QObject {
    Q_OBJECT
private slots:
    void storeInRange_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("first entry kept") << 0 << 4 << 0 << 0;
        QTest::newRow("last entry kept") << 3 << 4 << 3 << 3;
        QTest::newRow("one past the list") << 4 << 4 << 3 << 3;
        QTest::newRow("erased byte") << 255 << 16 << 15 << 15;
        QTest::newRow("negative cell") << -1 << 4 << 3 << 3;
        QTest::newRow("one-entry list") << 9 << 1 << 0 << 0;
        QTest::newRow("empty list stores nothing") << 255 << 0 << -1 << 255;
    }
    void storeInRange()
    {
        QFETCH(int, byte);
        QFETCH(int, count);
        QFETCH(int, shown);
        QFETCH(int, stored);
        QCOMPARE(ListIndexOfByte(byte, count), shown);
        qint16 cell = qint16(byte);
        QCOMPARE(StoreListByteInRange(cell, count), shown);
        QCOMPARE(int(cell), stored);
    }
};

QTEST_APPLESS_MAIN(TestListByte)
#include "tst_listbyte.moc"
