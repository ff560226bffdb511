// The rules of the password change: the six blank-filled codes of a typed
// password, the key rule of the boxes, the no-password and old-password
// checks, where the block lies in the answer to the read at 0x3DC0, and the
// request and new-block frames.
#include <QtTest>

#include "link/PasswordCodec.h"
#include "platform/TextBox.h"

using namespace PasswordRules;

namespace {
QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

Block blockOf(const QByteArray &bytes)
{
    Block b{};
    for (int i = 0; i < 16; ++i)
        b[i] = quint8(bytes.at(i));
    return b;
}

QByteArray codesBytes(const Codes &c)
{
    QByteArray b;
    for (int i = 0; i < Length; ++i)
        b.append(char(c[i]));
    return b;
}

Codes codesOf(const QString &text)
{
    Codes c{};
    setPasswordCodes(c, text);
    return c;
}

// The answer to the read at 0x3DC0: `lead` bytes, 'X' 3D C0 40, then the 64
// data bytes 0x80 + i, the last 16 replaced by the block; 69 bytes in all.
QByteArray readAnswer(const QByteArray &lead, const QByteArray &block)
{
    QByteArray data;
    for (int i = 0; i < 48; ++i)
        data.append(char(0x80 + i));
    data += block;
    return (lead + hex("583DC040") + data).left(BlockReplyTaken);
}
}

class TestPasswordCodec : public QObject
{
    Q_OBJECT

private slots:
    void codes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("six characters") << "Ab3$9z" << QByteArray("Ab3$9z");
        QTest::newRow("short, blank-filled") << "12" << QByteArray("12    ");
        QTest::newRow("trimmed first") << "  x7 " << QByteArray("x7    ");
        QTest::newRow("inner blank kept") << "a b" << QByteArray("a b   ");
        QTest::newRow("empty") << "" << QByteArray("      ");
        QTest::newRow("only six count") << "12345678" << QByteArray("123456");
        QTest::newRow("Latin-1") << QString::fromUtf8("é1") << hex("e93120202020");
    }
    void codes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, codes);
        Codes c;
        c.fill(0x77);
        setPasswordCodes(c, text);
        QCOMPARE(codesBytes(c), codes);
        for (int i = Length; i < int(c.size()); ++i)
            QCOMPARE(c[i], qint16(0x77));  // entries beyond the password untouched
        // A second, shorter text leaves no character of the first behind.
        setPasswordCodes(c, QStringLiteral("9"));
        QCOMPARE(codesBytes(c), QByteArray("9     "));
    }

    void keyRule_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("taken");  // else refused in words
        QTest::newRow("letter") << int('a') << true;
        QTest::newRow("digit") << int('0') << true;
        QTest::newRow("blank") << int(' ') << true;
        QTest::newRow("Latin-1 letter") << 0xE9 << true;
        QTest::newRow("Backspace") << 8 << true;
        QTest::newRow("Enter") << 13 << true;
        QTest::newRow("Chinese character") << 0x4E2D << false;
        QTest::newRow("euro sign") << 0x20AC << false;
    }
    void keyRule()
    {
        QFETCH(int, key);
        QFETCH(bool, taken);
        QCOMPARE(passwordKey(key), taken ? key : int(TextBox::KeyRefused));
    }

    void oldPasswordCheck_data()
    {
        QTest::addColumn<QByteArray>("block");  // bytes 0-11; 12-15 are alignment values
        QTest::addColumn<QString>("old");
        QTest::addColumn<bool>("noPassword");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("user password") << QByteArray("123456SUPER1") << "123456" << false << true;
        QTest::newRow("super password") << QByteArray("123456SUPER1") << "SUPER1" << false << true;
        QTest::newRow("neither") << QByteArray("123456SUPER1") << "123457" << false << false;
        QTest::newRow("letter case counts") << QByteArray("abcdefSUPER1") << "ABCDEF" << false << false;
        QTest::newRow("short, stored blank-filled") << QByteArray("ab    SUPER1") << "ab" << false << true;
        QTest::newRow("short, stored 0xFF-filled") << (QByteArray("ab") + hex("FFFFFFFF") + "SUPER1")
                                                   << "ab" << false << false;
        QTest::newRow("empty against a password") << QByteArray("123456SUPER1") << "" << false << false;
        // Blanks in the super password's place are a password like any other.
        QTest::newRow("empty against no super password") << QByteArray("123456      ") << "" << false << true;
        QTest::newRow("six blanks") << QByteArray("      SUPER1") << "anything" << true << false;
        QTest::newRow("six 0xFF") << (hex("FFFFFFFFFFFF") + "SUPER1") << "" << true << false;
        QTest::newRow("blanks and 0xFF mixed") << (hex("202020FFFFFF") + "SUPER1") << "" << false << false;
    }
    void oldPasswordCheck()
    {
        QFETCH(QByteArray, block);
        QFETCH(QString, old);
        QFETCH(bool, noPassword);
        QFETCH(bool, accepted);
        const Block b = blockOf(block + hex("01020304"));
        QCOMPARE(noUserPassword(b), noPassword);
        QCOMPARE(oldPasswordAccepted(codesOf(old), b), accepted);
    }

    void blockInReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("found");
        const QByteArray block = QByteArray("PASSWDSUPERP") + hex("0A0B0C0D");
        QTest::newRow("behind the radio's Ack: bytes 53-68") << readAnswer(hex("06"), block) << true;
        QTest::newRow("'X' first: bytes 52-67") << readAnswer(QByteArray(), block) + hex("EE") << true;
        QTest::newRow("'X' at 2") << readAnswer(hex("0606"), block) << false;
        QTest::newRow("'X' at 9") << readAnswer(QByteArray(9, char(0x06)), block) << false;
        QTest::newRow("no 'X'") << QByteArray(BlockReplyTaken, char(0x06)) << false;
        // Another block's bytes would put its data into the new block.
        QTest::newRow("echo of another address") << readAnswer(hex("06"), block).replace(3, 1, hex("80")) << false;
        QTest::newRow("echo of another length") << readAnswer(hex("06"), block).replace(4, 1, hex("10")) << false;
    }
    void blockInReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, found);
        QCOMPARE(reply.size(), BlockReplyTaken);
        const auto block = blockFromReply(reinterpret_cast<const quint8 *>(reply.constData()));
        QCOMPARE(block.has_value(), found);
        if (found)
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(block->data()), 16),
                     QByteArray("PASSWDSUPERP") + hex("0A0B0C0D"));
    }

    void frames()
    {
        QCOMPARE(blockRequestFrame(), hex("06533DC040"));
        const Block read = blockOf(QByteArray("oldpw SUPER1") + hex("11FF2233"));
        QCOMPARE(newBlockFrame(codesOf(QStringLiteral("new")), read),
                 hex("583DF010") + "new   SUPER1" + hex("11FF2233"));
        // No new password: six blanks take the user password's place.
        QCOMPARE(newBlockFrame(codesOf(QString()), read), hex("583DF010") + "      SUPER1" + hex("11FF2233"));
    }
};

QTEST_APPLESS_MAIN(TestPasswordCodec)
#include "tst_passwordcodec.moc"
