#include "os/inputmethod.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace os {

namespace {

// The Japanese input methods of Linux desktops: the modules by which Qt 6 reaches them, and the
// package that brings those modules on Debian and Ubuntu (ibus's comes with Qt itself; uim has
// none for Qt 6).
struct KnownInputMethod
{
    QString name;
    QStringList qtModules;
    QString package;
};

const QList<KnownInputMethod> knownInputMethods{
    {u"fcitx"_s, {u"fcitx5"_s, u"fcitx"_s}, u"fcitx5-frontend-qt6"_s},
    {u"fcitx5"_s, {u"fcitx5"_s, u"fcitx"_s}, u"fcitx5-frontend-qt6"_s},
    {u"ibus"_s, {u"ibus"_s}, u"libqt6gui6"_s},
    {u"uim"_s, {}, {}},
};

// The input method the session names: Qt's own choice first, then the X one, then GTK's.
QString namedInputMethod(const InputMethodEnvironment &environment)
{
    const QString qtModule = QString::fromLocal8Bit(environment.qtModule).toLower();
    if (!qtModule.isEmpty() && qtModule != u"xim"_s && qtModule != u"compose"_s
        && qtModule != u"none"_s)
        return qtModule;
    const QString modifiers = QString::fromLocal8Bit(environment.xModifiers);
    if (const qsizetype at = modifiers.indexOf(u"@im="_s); at >= 0) {
        const QString name = modifiers.mid(at + 4).section(u'@', 0, 0).trimmed().toLower();
        if (!name.isEmpty() && name != u"none"_s)
            return name;
    }
    const QString gtkModule = QString::fromLocal8Bit(environment.gtkModule).toLower();
    return gtkModule == u"xim"_s || gtkModule == u"simple"_s ? QString() : gtkModule;
}

} // namespace

InputMethodEnvironment inputMethodEnvironment()
{
    return {qgetenv("QT_IM_MODULE"), qgetenv("XMODIFIERS"), qgetenv("GTK_IM_MODULE")};
}

QStringList qtInputMethodModules()
{
    QStringList modules;
    for (const QString &folder : QCoreApplication::libraryPaths()) {
        const QDir plugins(folder + u"/platforminputcontexts"_s);
        for (const QString &file : plugins.entryList(QDir::Files)) {
            const QJsonObject meta = QPluginLoader(plugins.filePath(file)).metaData();
            for (const QJsonValue key :
                 meta.value(u"MetaData"_s).toObject().value(u"Keys"_s).toArray())
                modules.append(key.toString().toLower());
        }
    }
    return modules;
}

QString inputMethodNotice(const InputMethodEnvironment &environment, const QStringList &qtModules)
{
    const QString name = namedInputMethod(environment);
    if (name.isEmpty())
        return {};
    const auto known =
        std::find_if(knownInputMethods.begin(), knownInputMethods.end(),
                     [&name](const KnownInputMethod &im) { return im.name == name; });
    // Qt takes its module from QT_IM_MODULE alone; without it, keys arrive as Latin text.
    const QString used = QString::fromLocal8Bit(environment.qtModule).toLower();
    const QStringList wanted =
        known != knownInputMethods.end() ? known->qtModules : QStringList{name};
    if (wanted.contains(used) && qtModules.contains(used))
        return {};

    const QString lead =
        u"Quillo: Japanese cannot be typed through the input method %1: "_s.arg(name);
    if (wanted.isEmpty())
        return lead
               + u"it has no module for Qt 6. fcitx5 (with fcitx5-frontend-qt6) and ibus have one."_s;
    const auto available =
        std::find_if(wanted.begin(), wanted.end(),
                     [&qtModules](const QString &module) { return qtModules.contains(module); });
    if (available == wanted.end()) {
        return lead
               + (known != knownInputMethods.end()
                      ? u"Qt's module for it is missing; install the package %1."_s.arg(
                          known->package)
                      : u"Qt has no module for it."_s);
    }
    return lead + u"Qt is not told to use it; start Quillo with QT_IM_MODULE=%1."_s.arg(*available);
}

} // namespace os
