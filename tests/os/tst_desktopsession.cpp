#include "os/inputmethod.h"
#include "os/singleinstance.h"
#include "os/windowsystem.h"
#include "support/testsystem.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>

using namespace Qt::StringLiterals;
using os::SessionEnvironment;
using os::SingleInstance;

class DesktopSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void windowSystem();
    void inputMethodNotice();
    void oneCopyPerDataFolder();
};

void DesktopSessionTest::windowSystem()
{
    using os::preferredPlatform;
    // Wayland with Xwayland: X11, where always-on-top works.
    QCOMPARE(preferredPlatform({"wayland-0", ":0", {}}), "xcb"_ba);
    // Wayland alone: natively.
    QCOMPARE(preferredPlatform({"wayland-0", {}, {}}), "wayland"_ba);
    // X11 alone, or nothing: Qt's own choice.
    QCOMPARE(preferredPlatform({{}, ":0", {}}), QByteArray());
    QCOMPARE(preferredPlatform({}), QByteArray());
    // The user's choice stands, whatever the session.
    QCOMPARE(preferredPlatform({"wayland-0", ":0", "wayland"}), QByteArray());
    QCOMPARE(preferredPlatform({"wayland-0", {}, "offscreen"}), QByteArray());

    const QString notice = u"Quillo: always-on-top is not available on Wayland; the main window "
                           u"may not stay in front of other windows."_s;
    QCOMPARE(os::windowSystemNotice(u"wayland"_s), notice);
    QCOMPARE(os::windowSystemNotice(u"wayland-egl"_s), notice);
    QCOMPARE(os::windowSystemNotice(u"xcb"_s), QString());
    QCOMPARE(os::windowSystemNotice(u"offscreen"_s), QString());
}

// Only when the session names an input method that Qt does not use does the program say so, and
// then what to do about it.
void DesktopSessionTest::inputMethodNotice()
{
    const QStringList debianQt{"compose", "ibus"};
    const QStringList withFcitx{"compose", "ibus", "fcitx", "fcitx5"};
    auto notice = [](const os::InputMethodEnvironment &environment, const QStringList &modules) {
        return os::inputMethodNotice(environment, modules);
    };
    const QString lead = u"Quillo: Japanese cannot be typed through the input method "_s;

    QCOMPARE(notice({}, debianQt), QString());
    QCOMPARE(notice({"ibus", "@im=ibus", "ibus"}, debianQt), QString());
    QCOMPARE(notice({"fcitx", "@im=fcitx", "fcitx"}, withFcitx), QString());
    QCOMPARE(
        notice({{}, "@im=fcitx", {}}, debianQt),
        lead + u"fcitx: Qt's module for it is missing; install the package fcitx5-frontend-qt6."_s);
    QCOMPARE(
        notice({"fcitx", "@im=fcitx", "fcitx"}, debianQt),
        lead + u"fcitx: Qt's module for it is missing; install the package fcitx5-frontend-qt6."_s);
    QCOMPARE(notice({"xim", "@im=fcitx", {}}, withFcitx),
             lead + u"fcitx: Qt is not told to use it; start Quillo with QT_IM_MODULE=fcitx5."_s);
    QCOMPARE(notice({{}, "@im=ibus", "ibus"}, debianQt),
             lead + u"ibus: Qt is not told to use it; start Quillo with QT_IM_MODULE=ibus."_s);
    QCOMPARE(notice({{}, "@im=uim", "uim"}, withFcitx),
             lead
                 + u"uim: it has no module for Qt 6. fcitx5 (with fcitx5-frontend-qt6) and ibus "
                   u"have one."_s);
    // The modules this Qt really has: Qt's own ibus module at least, on Debian.
    QCOMPARE(os::qtInputMethodModules().contains(u"ibus"_s), hasInputMethodModules());
}

void DesktopSessionTest::oneCopyPerDataFolder()
{
    QTemporaryDir programs;
    QVERIFY(QDir(programs.path()).mkpath(u"one/Data"_s));
    QVERIFY(QDir(programs.path()).mkpath(u"two"_s));
    const QString one = programs.filePath(u"one/Data"_s);
    // The same folder by another way: a link to its program folder (where links are links).
    QStringList sameFolder{one};
    if (hasPosixFileNames()) {
        QVERIFY(QFile::link(programs.filePath(u"one"_s), programs.filePath(u"link"_s)));
        sameFolder.append(programs.filePath(u"link/Data"_s));
    }

    auto running = std::make_unique<SingleInstance>(one);
    QSignalSpy frontWanted(running.get(), &SingleInstance::frontWanted);
    QCOMPARE(running->claim(), SingleInstance::Start::First);

    // A later start waits for the running copy's answer, so it runs beside this event loop.
    for (const QString &folder : sameFolder) {
        auto later =
            std::async(std::launch::async, [folder] { return SingleInstance(folder).claim(); });
        QTRY_COMPARE(later.wait_for(std::chrono::seconds(0)), std::future_status::ready);
        QCOMPARE(later.get(), SingleInstance::Start::Handed);
    }
    QCOMPARE(frontWanted.size(), sameFolder.size());

    // Another Data folder, not made yet, has a copy of its own.
    SingleInstance other(programs.filePath(u"two/Data"_s));
    QCOMPARE(other.claim(), SingleInstance::Start::First);

    // Once the running copy has ended, the next start serves the folder.
    running.reset();
    SingleInstance next(one);
    QCOMPARE(next.claim(), SingleInstance::Start::First);
}

QTEST_GUILESS_MAIN(DesktopSessionTest)
#include "tst_desktopsession.moc"
