#include "codepage/windows1252.h"

#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Windows1252 : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void bytesAreQtsEncoders();
};

void tst_Windows1252::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("encodable");

    QTest::newRow("ASCII and controls") << u"Ogre\t3\0"_s << "Ogre\t3\0"_ba << true;
    QTest::newRow("Latin-1") << u"café ñ ÿ"_s << "caf\xE9 \xF1 \xFF"_ba << true;
    QTest::newRow("typographic extras") << u"€ “a” † …"_s << "\x80 \x93" "a\x94 \x86 \x85"_ba << true;
    QTest::newRow("undefined byte values round trip") << u"\u0081\u008D"_s << "\x81\x8D"_ba << true;
    QTest::newRow("a character it lacks") << u"ice ☃ troll"_s << "ice ? troll"_ba << false;
    QTest::newRow("a surrogate pair is one character") << u"a😀b"_s << "a?b"_ba << false;
    QTest::newRow("a lone surrogate") << u"a\xD800" "b"_s << "a?b"_ba << false;
}

void tst_Windows1252::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, encodable);

    QCOMPARE(Windows1252::encode(text), bytes);
    QCOMPARE(Windows1252::canEncode(text), encodable);
}

// Where the code page holds a character, the program writes Qt's byte.
void tst_Windows1252::bytesAreQtsEncoders()
{
    int held = 0;
    for (char32_t value = 0; value <= 0xFFFF; ++value) {
        const QChar character{char16_t(value)};
        if (character.isSurrogate())
            continue;
        QStringEncoder encoder(Windows1252::CodecName, QStringConverter::Flag::Stateless);
        const QByteArray expected = encoder.encode(QStringView(&character, 1));
        const std::optional<char> byte = Windows1252::byteFor(character.unicode());
        if (encoder.hasError()) {
            QVERIFY2(!byte, qPrintable(QString::number(quint32(value), 16)));
            continue;
        }
        QCOMPARE(QByteArray(1, byte.value_or('?')), expected);
        ++held;
    }
    QCOMPARE(held, 256);
}

QTEST_GUILESS_MAIN(tst_Windows1252)
#include "tst_windows1252.moc"
