#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace post {

// The traditional DES-based crypt(3) of Unix, which boards make trips with: the salt's two
// characters, then eleven of the hash. The key is read as crypt reads it: up to its first zero
// byte, at most eight bytes, seven bits of each. The program's own, as Windows has no crypt(3)
// and Qt none at all; it gives what the C library's does, salt characters outside ./0-9A-Za-z
// included.
QByteArray desCrypt(QByteArrayView key, QByteArrayView salt);

} // namespace post
