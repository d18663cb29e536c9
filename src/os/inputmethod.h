#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace os {

// What the session says of the input method that types Japanese: Qt's module (QT_IM_MODULE), the
// X input method (XMODIFIERS, "@im=fcitx") and GTK's module (GTK_IM_MODULE).
struct InputMethodEnvironment
{
    QByteArray qtModule;
    QByteArray xModifiers;
    QByteArray gtkModule;
};

InputMethodEnvironment inputMethodEnvironment();

// The names of the input-method modules this Qt can load, as their plugins declare them.
QStringList qtInputMethodModules();

// What the program says once on standard error, on X11, when the session names an input method
// that Qt does not use, so that every key would arrive as Latin text: the package to install, the
// variable to set, or that the input method has no Qt 6 module at all. Empty when all is well.
QString inputMethodNotice(const InputMethodEnvironment &environment, const QStringList &qtModules);

} // namespace os
