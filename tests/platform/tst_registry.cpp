// GetKeyValue over the registry stand-in: how each value type becomes text,
// the 1024-byte limit, failures that empty the text, and that every key it
// opens is closed again.
#include "platform/Registry.h"

#include <QtTest>

namespace {
const QString Key = QStringLiteral("SOFTWARE\\Test\\Key");
}

class TestRegistry : public QObject
{
    Q_OBJECT
private slots:
    void init() { Registry::reset(); }
    void cleanup() { Registry::reset(); }

    void valueToText_data();
    void valueToText();
    void failuresEmptyTheText_data();
    void failuresEmptyTheText();
    void namesIgnoreCase();
    void stringHelpersRoundTrip();
};

void TestRegistry::valueToText_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("callerText");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");

    const QByteArray path("/opt/tools/sysinfo");
    QTest::newRow("string with terminating 0")
        << uint(Registry::String) << path + '\0' << "old" << true << "/opt/tools/sysinfo";
    QTest::newRow("string without terminating 0")
        << uint(Registry::String) << path << "old" << true << "/opt/tools/sysinfo";
    QTest::newRow("only one trailing 0 dropped")
        << uint(Registry::String) << QByteArray("ab\0\0", 4) << "" << true
        << QString::fromLatin1("ab\0", 3);
    QTest::newRow("empty string")
        << uint(Registry::String) << QByteArray(1, '\0') << "old" << true << "";
    QTest::newRow("no data at all") << uint(Registry::String) << QByteArray() << "old" << true << "";
    QTest::newRow("number") << uint(Registry::DWord) << QByteArray("\x78\x56\x34\x12", 4) << "old"
                            << true << "305419896";
    QTest::newRow("number with high byte 0")
        << uint(Registry::DWord) << QByteArray("\x00\x01\x00\x00", 4) << "" << true << "256";
    QTest::newRow("largest number")
        << uint(Registry::DWord) << QByteArray(4, '\xff') << "" << true << "4294967295";
    QTest::newRow("binary keeps the caller's text")
        << uint(Registry::Binary) << QByteArray("\x01\x02", 2) << "kept" << true << "kept";
    QTest::newRow("expandable string keeps the caller's text")
        << uint(Registry::ExpandString) << QByteArray("%X%\0", 4) << "kept" << true << "kept";
    QTest::newRow("1024 bytes fit")
        << uint(Registry::String) << QByteArray(1023, 'a') + '\0' << "" << true
        << QString(1023, QLatin1Char('a'));
    QTest::newRow("1025 bytes do not")
        << uint(Registry::String) << QByteArray(1024, 'a') + '\0' << "old" << false << "";
}

void TestRegistry::valueToText()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(QString, callerText);
    QFETCH(bool, ok);
    QFETCH(QString, text);

    Registry::setValue(Registry::LocalMachine, Key, QStringLiteral("V"), Registry::Type(type),
                       data);
    QString result = callerText;
    QCOMPARE(GetKeyValue(Registry::LocalMachine, Key, QStringLiteral("V"), result), ok);
    QCOMPARE(result, text);
    QCOMPARE(Registry::openHandleCount(), 0);
}

void TestRegistry::failuresEmptyTheText_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("denied");

    QTest::newRow("missing key") << int(Registry::LocalMachine) << "SOFTWARE\\Other" << "V" << false;
    QTest::newRow("other root") << int(Registry::CurrentUser) << Key << "V" << false;
    QTest::newRow("missing value") << int(Registry::LocalMachine) << Key << "W" << false;
    QTest::newRow("access denied") << int(Registry::LocalMachine) << Key << "V" << true;
}

void TestRegistry::failuresEmptyTheText()
{
    QFETCH(int, root);
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(bool, denied);

    Registry::setString(Registry::LocalMachine, Key, QStringLiteral("V"), QStringLiteral("x"));
    if (denied)
        Registry::denyAccess(Registry::LocalMachine, Key);
    QString text = QStringLiteral("left over");
    QVERIFY(!GetKeyValue(Registry::Root(root), key, name, text));
    QCOMPARE(text, QString());
    QCOMPARE(Registry::openHandleCount(), 0);
}

void TestRegistry::namesIgnoreCase()
{
    Registry::setString(Registry::LocalMachine, QStringLiteral("SOFTWARE\\Shared Tools\\MSINFO"),
                        QStringLiteral("PATH"), QStringLiteral("/x"));
    QString text;
    QVERIFY(GetKeyValue(Registry::LocalMachine, QStringLiteral("software\\shared tools\\msinfo"),
                        QStringLiteral("Path"), text));
    QCOMPARE(text, QStringLiteral("/x"));
}

void TestRegistry::stringHelpersRoundTrip()
{
    const QString chinese = QStringLiteral("/工具/系统信息");
    Registry::setString(Registry::LocalMachine, Key, QStringLiteral("S"), chinese);
    Registry::setNumber(Registry::LocalMachine, Key, QStringLiteral("N"), 7);
    QString s, n;
    QVERIFY(GetKeyValue(Registry::LocalMachine, Key, QStringLiteral("S"), s));
    QVERIFY(GetKeyValue(Registry::LocalMachine, Key, QStringLiteral("N"), n));
    QCOMPARE(s, chinese);
    QCOMPARE(n, QStringLiteral("7"));
}

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
