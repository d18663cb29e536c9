#include "app/form1.h"
#include "os/browser.h"
#include "os/clipboard.h"
#include "os/programs.h"
#include "store/auxmemoform.h"
#include "support/filecontent.h"
#include "support/testprogram.h"
#include "support/testsystem.h"
#include "support/writepaths.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QFile::Permissions ownerOnlyFile = QFile::ReadUser | QFile::WriteUser;
constexpr QFile::Permissions ownerOnlyFolder = ownerOnlyFile | QFile::ExeUser;
constexpr int anyPermission = 0x0777; // for the user, the group and others
const QString exported = u"Commentがﾃﾞｽｸﾄｯﾌﾟに出力されました"_s;

bool clipboardIsSecret()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return false;
    const auto marks = os::secretTextMarks();
    return !marks.isEmpty() && std::all_of(marks.begin(), marks.end(), [&](const auto &mark) {
        return data->hasFormat(mark.first) && data->data(mark.first) == mark.second;
    });
}

// A stand-in for the desktop's opener that keeps every argument it was given, one a line.
QString recordingOpener(const QString &folder)
{
    const QString path = folder + u"/xdg-open"_s;
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >\"$0.args\"\n");
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class SecurityTest : public QObject
{
    Q_OBJECT

private slots:
    void dataIsOwnerOnlyAfterEveryWrite();
    void userTextNeverReachesAShell();
    void onlyThePasswordIsMarkedSecret();
};

// After every write path, the Data folder and each file in it are the owner's alone: new files,
// and files that were readable by others before (copied in by hand, say).
void SecurityTest::dataIsOwnerOnlyAfterEveryWrite()
{
    if (!hasOwnerOnlyModes())
        QSKIP("This system keeps no owner-only modes on files");
    for (const WritePath &path : writePaths()) {
        for (const bool loosePermissionsBefore : {false, true}) {
            TestProgram program;
            Form1 &form = program.start();
            QCOMPARE(QFile::permissions(program.dataFolder()) & anyPermission, ownerOnlyFolder);
            const QString target = path.onDesktop
                                       ? QDir(program.services.desktopFolder).filePath(path.file)
                                       : program.dataPath(path.file);
            if (loosePermissionsBefore) {
                QFile old(target);
                QVERIFY(old.open(QIODevice::WriteOnly));
                QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                           | QFile::ReadOther));
            }
            path.prepare(program, form);
            path.run(program, form);
            if (!path.done.isEmpty())
                QCOMPARE(program.dialogs.shown.last(), path.done);
            program.stop();

            const QString row = path.name + (loosePermissionsBefore ? u", loose before"_s : u""_s);
            QVERIFY2((QFile::permissions(program.dataFolder()) & anyPermission) == ownerOnlyFolder,
                     qPrintable(row));
            const QFileInfoList files =
                QDir(program.dataFolder()).entryInfoList(QDir::Files | QDir::Hidden);
            QVERIFY2(!files.isEmpty() || path.onDesktop || path.file == u"res.txt"_s,
                     qPrintable(row));
            for (const QFileInfo &file : files)
                QVERIFY2((file.permissions() & anyPermission) == ownerOnlyFile,
                         qPrintable(row + u": "_s + file.fileName()));
            if (path.onDesktop)
                QVERIFY2((QFile::permissions(target) & anyPermission) == ownerOnlyFile,
                         qPrintable(row));
        }
    }
}

// The program starts other programs by path with their arguments as they are: no character of a
// folder, a comment or a name the user typed is ever read by a shell.
void SecurityTest::userTextNeverReachesAShell()
{
    if (!runsLinuxPrograms())
        QSKIP("The stand-in programs are shell scripts");
    QTemporaryDir scratch;
    const QString startedIn = QDir::currentPath();
    QVERIFY(QDir::setCurrent(scratch.path())); // where a shell would run the payload
    const QString payload = u"'\"; touch pwned; $(touch pwned) `touch pwned` | touch pwned & #"_s;
    // A program folder named with every character a shell gives a meaning to.
    const QString hostile = scratch.filePath(payload);
    QVERIFY(QDir().mkpath(hostile));
    const QString opener = recordingOpener(scratch.path());
    QVERIFY(!opener.isEmpty());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", scratch.path().toLocal8Bit() + ":" + path);
    {
        TestProgram program(hostile);
        Form1 &form = program.start();
        form.Text7->setPlainText(payload);
        form.Command27_Click();
        QCOMPARE(program.browser.shown.size(), 1);
        const QUrl page = program.browser.shown.first();
        QCOMPARE(page, QUrl::fromLocalFile(program.dataPath(u"check.html"_s)));
        os::DesktopBrowser browser;
        QVERIFY(browser.showPage(page));
        QCOMPARE(contentOf(opener + u".args"_s), page.toEncoded() + "\n");

        program.dialogs.answers = {payload};
        form.Command32_Click();
        QCOMPARE(program.dialogs.shown.last(), exported);
        QCOMPARE(contentOf(program.desktopPath(payload + u".txt"_s)), payload.toUtf8());
    }
    qputenv("PATH", path);

    os::Programs programs;
    QString reason;
    QVERIFY(!programs.start(u"/bin/true; touch pwned"_s, {}, &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(programs.start(opener, {payload, u"$HOME"_s}, &reason));
    QTRY_COMPARE(contentOf(opener + u".args"_s), (payload + u"\n$HOME\n"_s).toUtf8());
    QVERIFY(!QFileInfo::exists(scratch.filePath(u"pwned"_s)));
    QVERIFY(QDir::setCurrent(startedIn));
}

// Only the Password goes to the clipboard marked as a secret; every other field and every other
// text the program puts there is plain.
void SecurityTest::onlyThePasswordIsMarkedSecret()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text4->setText(u"p@ss"_s);
    form.Command14_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"p@ss"_s);
    QVERIFY(clipboardIsSecret());

    QList<std::function<void()>> plainWriters{
        [&] { form.Command11_Click(); },
        [&] { form.Command12_Click(); },
        [&] { form.Command13_Click(); },
        [&] { form.Command15_Click(); },
        [&] { form.Command16_Click(); },
        [&] { form.Command17_Click(); },
        [&] { form.Command20_Click(); }, // ">" on the clipboard's text
        [&] {
            program.dialogs.answers = {u"http://example.jp"_s, u"site"_s};
            form.Command28_Click();
        },
    };
    form.Command25_Click();
    AuxMemoForm &memo = *form.form3;
    memo.Text4->setText(u"aux 4"_s);
    for (auto clip :
         {&AuxMemoForm::Command8_Click, &AuxMemoForm::Command9_Click, &AuxMemoForm::Command10_Click,
          &AuxMemoForm::Command11_Click, &AuxMemoForm::Command12_Click,
          &AuxMemoForm::Command13_Click, &AuxMemoForm::Command14_Click})
        plainWriters.append([&memo, clip] { (memo.*clip)(); });
    for (qsizetype i = 0; i < plainWriters.size(); ++i) {
        form.Command14_Click();
        QGuiApplication::clipboard()->setText(u"text"_s);
        plainWriters[i]();
        QVERIFY2(!clipboardIsSecret(), qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(SecurityTest)
#include "tst_security.moc"
