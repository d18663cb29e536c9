#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace post {

// The trip a board shows for a key, the bytes after the '#' of the name: a key of 12 bytes or
// more by SHA-1 (12 characters), a 16-digit "#" key as a raw DES key, a short key by crypt(3)
// (its last `columns` characters); "???" for a long key it refuses.
QByteArray tripOf(QByteArrayView key, int columns = 10);

} // namespace post
