// The protocol frames and their parsers.
#include <QtTest>

#include "link/Frames.h"
#include "link/LinkState.h"

namespace {
QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

// A 49-byte identification reply with the given band digits, model and firmware.
QByteArray identReply(const QList<int> &limits, const QByteArray &model = "ZQ7310",
                      const QByteArray &firmware = "V1.001")
{
    QByteArray r(49, char(0x20));
    static const int pos[8] = {0, 3, 16, 19, 32, 35, 40, 43};
    for (int k = 0; k < 8; ++k) {
        const int v = limits.value(k);
        r[pos[k]] = char(v / 100);
        r[pos[k] + 1] = char(v / 10 % 10);
        r[pos[k] + 2] = char(v % 10);
    }
    r.replace(10, 6, model);
    r.replace(26, 6, firmware);
    r[48] = char(0x55);
    return r;
}
}

class TestFrames : public QObject
{
    Q_OBJECT
private slots:
    void handshake()
    {
        QCOMPARE(programModeHandshakeFrame(), hex("55202101 23FFDC02"));
        ProgramModeHandshake.fill(0);
        StoreProgramModeHandshake();
        QCOMPARE(programModeHandshakeFrame(), hex("5520210123FFDC02"));
        QCOMPARE(ProgramModeHandshake[8], quint8(0));
    }

    void identForms_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("form");
        const QByteArray a = identReply({136, 174, 136, 174, 400, 480, 400, 480});
        QTest::newRow("form A, one byte after") << a + char(0x77) << int(IdentForm::A);
        QTest::newRow("form B") << char(0x06) + a << int(IdentForm::B);
        QByteArray bAnyPos1 = char(0x06) + a;
        bAnyPos1[1] = char(0x09);
        QTest::newRow("form B whatever position 1 holds") << bAnyPos1 << int(IdentForm::B);
        QByteArray noEnd = char(0x06) + a;
        noEnd[49] = 0x54;
        QTest::newRow("form B without end mark") << noEnd << int(IdentForm::None);
        QByteArray aWrongStart = a + char(0);
        aWrongStart[0] = 0x02;
        QTest::newRow("form A starting 0x02") << aWrongStart << int(IdentForm::None);
        QTest::newRow("garbage") << QByteArray(50, char(0x55)) << int(IdentForm::None);
    }
    void identForms()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, form);
        QCOMPARE(int(identForm(reinterpret_cast<const quint8 *>(reply.constData()))), form);
    }

    void identFields_data()
    {
        QTest::addColumn<QList<int>>("limits");
        QTest::addColumn<QString>("panel8");
        QTest::addColumn<QString>("panel14");
        QTest::newRow("usual") << QList<int>{136, 174, 136, 174, 400, 480, 400, 480}
                               << " 136-- 174" << " 400-- 480";
        QTest::newRow("small") << QList<int>{0, 9, 50, 60, 1, 2, 3, 4} << " 0-- 9" << " 3-- 4";
    }
    void identFields()
    {
        QFETCH(QList<int>, limits);
        QFETCH(QString, panel8);
        QFETCH(QString, panel14);
        const QByteArray r = identReply(limits, QByteArray("MOD\x01\xE9Z", 6), "FW-2.1");
        const IdentInfo info = parseIdentReply(reinterpret_cast<const quint8 *>(r.constData()));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(info.bands[k].lower, double(limits[2 * k]));
            QCOMPARE(info.bands[k].upper, double(limits[2 * k + 1]));
        }
        QCOMPARE(bandPanelText(info.bands[0]), panel8);
        QCOMPARE(bandPanelText(info.bands[3]), panel14);
        // One character per byte, untrimmed, Latin-1.
        QCOMPARE(info.model, QString::fromLatin1("MOD\x01\xE9Z", 6));
        QCOMPARE(info.firmware, QStringLiteral("FW-2.1"));
        QCOMPARE(info.serial.size(), 10);
    }

    void digitsAboveNineAtFaceValue()
    {
        QByteArray r = identReply({136, 174, 136, 174, 400, 480, 400, 480});
        r[0] = 0x0A;
        r[1] = 0;
        r[2] = 0;
        const IdentInfo info = parseIdentReply(reinterpret_cast<const quint8 *>(r.constData()));
        QCOMPARE(info.bands[0].lower, 1000.0);
        QCOMPARE(bandPanelText(info.bands[0]), QStringLiteral(" 1000-- 174"));
    }

    void requestAndWriteFrames()
    {
        QCOMPARE(readRequestFrame(0x2D40, 0x40), hex("532D4040"));
        QCOMPARE(readRequestFrame(0x3DF0, 0x10), hex("533DF010"));
        QCOMPARE(readRequestFrame(0x0000, 0x40, true), hex("0653000040"));
        std::array<quint8, 16> row{};
        for (int i = 0; i < 16; ++i)
            row[i] = quint8(0xF0 + i);
        const QByteArray first = writeFrame(0x2D00, row, false);
        QCOMPARE(first.size(), 20);
        QCOMPARE(first.left(4), hex("582D0010"));
        QCOMPARE(first.mid(4), hex("F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF"));
        const QByteArray later = writeFrame(0x2FF0, row, true);
        QCOMPARE(later.size(), 21);
        QCOMPARE(later.left(5), hex("06582FF010"));
    }

    void dataMark()
    {
        const QByteArray r = hex("0006115800");
        const auto *p = reinterpret_cast<const quint8 *>(r.constData());
        QCOMPARE(findDataMark(p, 0, 4), 3);
        QCOMPARE(findDataMark(p, 0, 2), -1);
    }

    // What a queued frame asks for: only read requests, with or without
    // their Ack, name an address and a length a reply must echo.
    void readRequestOf_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("address");  // -1: not a read request
        QTest::addColumn<int>("length");
        QTest::newRow("block request") << hex("530E8040") << 0x0E80 << 0x40;
        QTest::newRow("password block request") << hex("533DF010") << 0x3DF0 << 0x10;
        QTest::newRow("behind an Ack") << hex("0653000040") << 0x0000 << 0x40;
        QTest::newRow("write frame") << hex("582D0010") + QByteArray(16, char(0x53)) << -1 << 0;
        QTest::newRow("write frame behind an Ack") << hex("06582D0010") + QByteArray(16, 0) << -1 << 0;
        QTest::newRow("handshake") << hex("5520210123FFDC02") << -1 << 0;
        QTest::newRow("cut short") << hex("530E80") << -1 << 0;
        QTest::newRow("request size, 'X' for 'S'") << hex("582D0010") << -1 << 0;
        QTest::newRow("two Acks in front") << hex("0606530E8040") << -1 << 0;
        QTest::newRow("Ack alone") << hex("06") << -1 << 0;
    }
    void readRequestOf()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, address);
        QFETCH(int, length);
        const auto request = ::readRequestOf(frame);
        QCOMPARE(request.has_value(), address >= 0);
        if (request)
            QCOMPARE(*request, (ReadRequest{address, length}));
    }

    // A data frame's head answers a request only with its 'X' and the
    // request's address and length, byte for byte.
    void dataHeadAnswers_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("answers");
        QTest::newRow("its own block") << hex("580E8040") << true;
        QTest::newRow("the next block") << hex("580EC040") << false;
        QTest::newRow("another page") << hex("580F8040") << false;
        QTest::newRow("another length") << hex("580E8010") << false;
        QTest::newRow("no 'X'") << hex("590E8040") << false;
        QTest::newRow("request echoed as it was") << hex("530E8040") << false;
    }
    void dataHeadAnswers()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, answers);
        const auto *p = reinterpret_cast<const quint8 *>(head.constData());
        QCOMPARE(::dataHeadAnswers(p, ReadRequest{0x0E80, 0x40}), answers);
        // Before any request has gone out nothing answers.
        QVERIFY(!::dataHeadAnswers(p, ReadRequest{}));
    }

    void typedPassword_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("expected");  // entries 0-7
        QTest::newRow("trimmed two characters") << "  ab  " << QList<int>{97, 98, 32, 32, 32, 32, 0, 0};
        QTest::newRow("six digits") << "468027" << QList<int>{52, 54, 56, 48, 50, 55, 0, 0};
        QTest::newRow("empty") << "" << QList<int>{32, 32, 32, 32, 32, 32, 0, 0};
    }
    void typedPassword()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, expected);
        resetLinkState();
        SetTypedPassword(text);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(int(TypedPassword[i]), expected[i]);
    }

    void typedPasswordKeepsLongerTextsTailAndStopsAt17()
    {
        resetLinkState();
        SetTypedPassword(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QCOMPARE(int(TypedPassword[16]), int('Q'));  // 17 characters kept, the rest ignored
        SetTypedPassword(QStringLiteral("xy"));
        QCOMPARE(int(TypedPassword[0]), int('x'));
        QCOMPARE(int(TypedPassword[5]), 32);
        QCOMPARE(int(TypedPassword[6]), int('G'));  // beyond 5: what the longer text left
    }
};

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
