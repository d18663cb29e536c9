#include "about/frmabout.h"
#include "about/systeminformation.h"
#include "app/form1.h"
#include "app/module1.h"
#include "app/programicon.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"
#include "support/testsystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using os::Registry;

namespace {

const QString unavailable = u"現時点ではｼｽﾃﾑ情報を使用できません"_s;
const QByteArray toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

frmAbout *openAboutBox()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<frmAbout *>(window); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Reads a value of the key of the tool's path, starting from the given text.
std::pair<bool, QString> read(FakeRegistry &registry, const QString &name,
                              const QString &before = u"before"_s)
{
    QString value = before;
    const bool found = about::GetKeyValue(registry, Registry::localMachine,
                                          QString::fromLatin1(toolKey), name, value);
    return {found, value};
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setWindowIcon(programIcon()); } // as the program starts
    void passLabelOpensTheAboutBox();
    void everyWayOfClosingPutsTheMainWindowBack();
    void openingAgainOnlyBringsItForward();
    void registryValuesReadAsText();
    void registryFailures();
    void sysInfoFromTheRegistry();
    void sysInfoNotAvailable();
    void sysInfoOnThePathWithoutARegistry();
};

void AboutTest::passLabelOpensTheAboutBox()
{
    TestProgram program;
    Form1 &form = program.start();
    QVERIFY(!openAboutBox());
    QTest::mouseClick(form.Label4, Qt::LeftButton);
    frmAbout *box = openAboutBox();
    QVERIFY(box);
    QVERIFY(!staysOnTop(form));
    QVERIFY(!staysOnTop(*box));
    QVERIFY(form.isEnabled()); // not modal

    QCOMPARE(box->windowTitle(), u"Quilloのﾊﾞｰｼﾞｮﾝ情報"_s);
    QCOMPARE(box->lblTitle->text(), u"Quillo"_s);
    QCOMPARE(box->Label1->text(), u"for Internet BBS"_s);
    QCOMPARE(box->lblVersion->text(), u"ﾊﾞｰｼﾞｮﾝ 1.0.0"_s);
    QCOMPARE(box->lblDescription->text(),
             u"インターネット上のＢＢＳへの書きこみのために特化した忘備録型の超簡易メモ帳です。"_s);
    QVERIFY(box->Label2->text().contains(u"20"_s));
    QCOMPARE(box->lblDisclaimer->text().count(u'。'), 2);
    QCOMPARE(box->cmdOK->text(), u"OK"_s);
    QVERIFY(box->cmdOK->isDefault());
    QCOMPARE(box->cmdSysInfo->text(), u"ｼｽﾃﾑ情報(&S)..."_s);
    QVERIFY(!box->picIcon->pixmap().isNull());
    QCOMPARE(box->picIcon->pixmap().toImage(), programIcon().pixmap(32).toImage());
    QCOMPARE(box->size(), QSize(382, 184));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QVERIFY(!box->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // Every text is whole on screen (where there are letters to measure).
    for (QLabel *label : box->findChildren<QLabel *>()) {
        QVERIFY2(box->rect().contains(label->geometry()), qPrintable(label->objectName()));
        QVERIFY2(!hasFonts() || label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->objectName()));
    }
    box->close();
}

void AboutTest::everyWayOfClosingPutsTheMainWindowBack()
{
    TestProgram program;
    Form1 &form = program.start();
    const QList<std::function<void(frmAbout &)>> ways{
        [](frmAbout &box) { QTest::mouseClick(box.cmdOK, Qt::LeftButton); },
        [](frmAbout &box) { QTest::keyClick(box.cmdOK, Qt::Key_Return); },
        [](frmAbout &box) { QTest::keyClick(box.cmdOK, Qt::Key_Enter); },
        [](frmAbout &box) { QTest::keyClick(&box, Qt::Key_Escape); },
        [](frmAbout &box) { box.close(); }, // the title bar's close box
    };
    for (const auto &closeBox : ways) {
        form.Label4_Click();
        QPointer<frmAbout> box = openAboutBox();
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowActive(box));
        QCOMPARE(QApplication::focusWidget(), box->cmdOK);
        QVERIFY(!staysOnTop(form));
        closeBox(*box);
        QVERIFY(staysOnTop(form));
        QTRY_VERIFY(!box); // unloaded
    }
    QCOMPARE(program.dialogs.shown, QStringList());
}

void AboutTest::openingAgainOnlyBringsItForward()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Label4_Click();
    frmAbout *box = openAboutBox();
    box->lblVersion->setText("changed");

    // Another window put the main window back on top meanwhile; "Pass" takes it off again.
    Module1::SetTopmost(form, 1);
    form.Label4_Click();
    QCOMPARE(openAboutBox(), box);
    QCOMPARE(box->lblVersion->text(), u"changed"_s);
    QVERIFY(!staysOnTop(form));

    // Minimized by the window manager, which offers that on every window: it comes back.
    box->showMinimized();
    form.Label4_Click();
    QCOMPARE(openAboutBox(), box);
    QVERIFY(!box->isMinimized());

    // The system information button leaves the box open.
    box->cmdSysInfo->click();
    QCOMPARE(program.dialogs.shown, QStringList{unavailable});
    QCOMPARE(openAboutBox(), box);
    box->close();
}

void AboutTest::registryValuesReadAsText()
{
    FakeRegistry registry;
    registry.setString(toolKey, "PATH", "C:\\Program Files\\MSINFO32.EXE");
    registry.setString(toolKey, "Local", u"ｼｽﾃﾑ情報"_s.toLocal8Bit());
    registry.setString(toolKey, "Longest", QByteArray(1023, 'x'));
    registry.setValue(toolKey, "Number", Registry::numberType, QByteArray("\x00\x01\x00\x00", 4));
    registry.setValue(toolKey, "Largest", Registry::numberType, QByteArray("\xff\xff\xff\xff", 4));
    registry.setValue(toolKey, "Binary", 3, QByteArray("\x01\x02", 2));

    QCOMPARE(read(registry, "PATH"), std::pair(true, u"C:\\Program Files\\MSINFO32.EXE"_s));
    QCOMPARE(read(registry, "Local"), std::pair(true, u"ｼｽﾃﾑ情報"_s));
    QCOMPARE(read(registry, "Longest"), std::pair(true, QString(1023, u'x')));
    QCOMPARE(read(registry, "Number"), std::pair(true, u"256"_s));
    QCOMPARE(read(registry, "Largest"), std::pair(true, u"4294967295"_s));
    // Another type counts as read and leaves the text as it was.
    QCOMPARE(read(registry, "Binary"), std::pair(true, u"before"_s));
    QCOMPARE(read(registry, "Binary", QString()), std::pair(true, QString()));

    // Opened for reading only (KEY_READ), which every user may, and always closed again.
    QCOMPARE(registry.accessAsked, QList<std::uint32_t>(7, 0x20019));
    QCOMPARE(registry.keysLeftOpen(), 0);
}

void AboutTest::registryFailures()
{
    FakeRegistry registry;
    registry.setString(toolKey, "Long", QByteArray(1024, 'x'));
    registry.setValue(toolKey, "Unterminated", Registry::stringType, QByteArray(1024, 'x'));

    QCOMPARE(read(registry, "Missing"), std::pair(false, QString()));
    QCOMPARE(read(registry, "Long"), std::pair(false, QString())); // 1025 bytes: no room
    QString value = u"before"_s;
    QCOMPARE(about::GetKeyValue(registry, Registry::localMachine, u"SOFTWARE\\Nowhere"_s, u"PATH"_s,
                                value),
             false);
    QCOMPARE(value, QString());
    QVERIFY_THROWS_EXCEPTION(about::UnterminatedValue, read(registry, "Unterminated"));
    QCOMPARE(registry.keysLeftOpen(), 0);
}

void AboutTest::sysInfoFromTheRegistry()
{
    TestProgram program;
    program.start();

    // Location 1 is started as it stands, without looking for the file first.
    program.registry.setString(toolKey, "PATH", "C:\\Tools\\msinfo32.exe");
    program.programs.startable = {u"C:\\Tools\\msinfo32.exe"_s};
    about::StartSysInfo(program.services);
    QCOMPARE(program.programs.started.size(), 1);
    QCOMPARE(program.programs.started[0].path, u"C:\\Tools\\msinfo32.exe"_s);
    QCOMPARE(program.programs.started[0].arguments, QStringList());
    QCOMPARE(program.registry.accessAsked.size(), 1); // location 2 is not read
    QCOMPARE(program.dialogs.shown, QStringList());

    // Without location 1, the folder of location 2 holding the tool.
    TestProgram second;
    second.start();
    const QString folder = second.desktopPath({});
    const QString toolPath = folder + QDir::separator() + u"MSINFO32.EXE"_s; // as the program joins
    QFile tool(toolPath);
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.close();
    second.registry.setString(folderKey, "MSINFO", folder.toLocal8Bit());
    second.programs.startable = {toolPath};
    about::StartSysInfo(second.services);
    QCOMPARE(second.programs.started.size(), 1);
    QCOMPARE(second.programs.started[0].path, toolPath);
    QCOMPARE(second.dialogs.shown, QStringList());
}

void AboutTest::sysInfoNotAvailable()
{
    struct Case
    {
        const char *what;
        std::function<void(TestProgram &)> arrange;
        int triedToStart;
        int locationsRead;
    };
    const auto folderWithoutTool = [](TestProgram &program) {
        program.registry.setString(folderKey, "MSINFO", program.desktopPath({}).toLocal8Bit());
    };
    // Location 2 would do, were it read.
    const auto folderWithTool = [&](TestProgram &program) {
        folderWithoutTool(program);
        QFile tool(program.desktopPath(u"MSINFO32.EXE"_s));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        program.programs.startable.append(tool.fileName());
    };
    const QList<Case> cases{
        {"neither location", [](TestProgram &) {}, 0, 2},
        {"folder without the tool", folderWithoutTool, 0, 2},
        {"location 1 cannot start",
         [&](TestProgram &program) {
             program.registry.setString(toolKey, "PATH", "C:\\gone\\msinfo32.exe");
             folderWithTool(program);
         },
         1, 1},
        {"location 1 empty",
         [](TestProgram &program) { program.registry.setString(toolKey, "PATH", ""); }, 1, 1},
        {"location 1 not a string",
         [](TestProgram &program) {
             program.registry.setValue(toolKey, "PATH", 3, QByteArray("\x01", 1));
         },
         1, 1},
        {"location 1 unterminated",
         [&](TestProgram &program) {
             program.registry.setValue(toolKey, "PATH", Registry::stringType,
                                       QByteArray(1024, 'x'));
             folderWithTool(program);
         },
         0, 1},
    };
    for (const Case &c : cases) {
        TestProgram program;
        program.start();
        program.programs.onPath = {{u"hardinfo"_s, u"/usr/bin/hardinfo"_s}}; // not looked for
        program.programs.startable = {u"/usr/bin/hardinfo"_s};
        c.arrange(program);
        about::StartSysInfo(program.services);
        QVERIFY2(program.dialogs.shown == QStringList{unavailable}, c.what);
        QVERIFY2(program.programs.started.isEmpty(), c.what);
        QVERIFY2(program.programs.triedToStart.size() == c.triedToStart, c.what);
        QVERIFY2(program.registry.accessAsked.size() == c.locationsRead, c.what);
        QVERIFY2(program.registry.keysLeftOpen() == 0, c.what);
    }
}

void AboutTest::sysInfoOnThePathWithoutARegistry()
{
    TestProgram program;
    program.start();
    program.registry.present = false;
    program.programs.onPath = {{u"kinfocenter"_s, u"/usr/bin/kinfocenter"_s},
                               {u"gnome-system-monitor"_s, u"/usr/bin/gnome-system-monitor"_s}};
    program.programs.startable = program.programs.onPath.values();
    about::StartSysInfo(program.services);
    QCOMPARE(program.programs.started.size(), 1);
    QCOMPARE(program.programs.started[0].path, u"/usr/bin/kinfocenter"_s);
    QCOMPARE(program.registry.accessAsked.size(), 2); // both locations first

    program.programs.onPath.insert(u"hardinfo2"_s, u"/opt/hardinfo2/bin/hardinfo2"_s);
    program.programs.startable.append(u"/opt/hardinfo2/bin/hardinfo2"_s);
    about::StartSysInfo(program.services);
    QCOMPARE(program.programs.started.last().path, u"/opt/hardinfo2/bin/hardinfo2"_s);
    QCOMPARE(program.dialogs.shown, QStringList());

    program.programs.onPath.clear();
    about::StartSysInfo(program.services);
    QCOMPARE(program.dialogs.shown, QStringList{unavailable});

    // The real starter runs a program by its path, with no shell to read the arguments.
    if (!runsLinuxPrograms())
        return;
    os::Programs programs;
    const QString marker = program.desktopPath(u"ran; touch injected"_s);
    QString reason;
    QVERIFY(programs.start(u"/usr/bin/touch"_s, {marker}, &reason));
    QTRY_VERIFY(QFile::exists(marker));
    QVERIFY(!QFile::exists(program.desktopPath(u"injected"_s)));
    QVERIFY(!programs.start(program.desktopPath(u"missing tool"_s), {}, &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(!programs.start(QString(), {}, &reason));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
