#include "post/tripcode.h"

#include "post/descrypt.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <cstring>

namespace post {

namespace {

constexpr qsizetype longKey = 12;

// A hexadecimal digit as the board reads one: a letter past f reads on from 0 (g is 0, h is 1).
int hexValue(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    const bool letter = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
    return (letter ? byte + 9 : byte) & 0xF;
}

// "#" and sixteen digits: the eight bytes of a DES key, then up to two characters of salt.
QByteArray rawKeyTrip(QByteArrayView key)
{
    QByteArray desKey;
    for (qsizetype i = 1; i < 17; i += 2)
        desKey += char(hexValue(key[i]) << 4 | hexValue(key[i + 1]));
    QByteArray salt = key.sliced(17).toByteArray();
    salt.resize(2, '.');
    return desCrypt(desKey, salt).right(10);
}

// The salt of a short key: its second and third bytes, then "H.", brought into crypt's alphabet.
QByteArray saltOf(QByteArrayView key)
{
    QByteArray salt =
        key.size() < 1 ? QByteArrayLiteral("H.") : (key.toByteArray() + "H.").mid(1, 2);
    for (char &c : salt) {
        static constexpr char punctuation[] = ":;<=>?@[\\]^_`";
        static constexpr char letters[] = "ABCDEFGabcdef";
        if (c < '.' || c > 'z')
            c = '.';
        else if (const char *at = std::strchr(punctuation, c))
            c = letters[at - punctuation];
    }
    return salt;
}

} // namespace

QByteArray tripOf(QByteArrayView key, int columns)
{
    if (key.size() >= longKey) {
        static const QRegularExpression rawKey(
            QStringLiteral("^#[0-9A-Za-z]{16}[./0-9A-Za-z]{0,2}$"));
        if (key.startsWith('#') && rawKey.match(QLatin1StringView(key)).hasMatch())
            return rawKeyTrip(key);
        if (key.startsWith('#') || key.startsWith('$'))
            return QByteArrayLiteral("???");
        return QCryptographicHash::hash(key, QCryptographicHash::Sha1)
            .toBase64()
            .left(12)
            .replace('+', '.');
    }
    return desCrypt(key, saltOf(key)).right(columns);
}

} // namespace post
