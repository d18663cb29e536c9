#include "app/form1.h"
#include "support/filecontent.h"
#include "support/testprogram.h"
#include "support/testsystem.h"
#include "widgets/textbox.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int commentLines = 265'000; // of 80 characters: 40 MB in Windows-31J
const QString child = QStringLiteral(QUILLO_KILLEDSAVE_CHILD);

QStringList dataFiles(const TestProgram &program)
{
    return filesIn(program.dataFolder(), QDir::Files);
}

} // namespace

class KilledSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOldOrNewComment();
    void startRemovesOnlyLeftoversOfSaves();
};

// Killed in the middle of the data or just before the rename, a save of a 40 MB Comment leaves the
// old file whole; a save let run leaves the new one whole. The next start finds nothing else.
void KilledSaveTest::killedSaveLeavesOldOrNewComment()
{
    for (const QString &stopAt : {u"middle"_s, u"rename"_s, u"nowhere"_s}) {
        TestProgram program;
        const QByteArray old = QByteArray("old comment\r\n").repeated(1000);
        for (int n = 1; n <= 6; ++n) // so that the field load reaches the Comment
            program.writeData(u"%1.txt"_s.arg(n), "\r\n");
        program.writeData(u"7.txt"_s, old);

        QProcess saver;
        // What the saver leaves when it is killed goes with the program folder.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TMPDIR"_s, program.programFolder());
        saver.setProcessEnvironment(environment);
        saver.start(child, {program.programFolder(), stopAt, QString::number(commentLines)});
        QVERIFY(saver.waitForStarted());
        if (stopAt == u"nowhere"_s) {
            QVERIFY(saver.waitForFinished(120'000));
            QCOMPARE(saver.exitCode(), 0);
        } else {
            QDeadlineTimer deadline(120'000);
            while (!saver.canReadLine() && !deadline.hasExpired())
                saver.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
            // (Windows' text-mode output ends the line with CR LF.)
            QCOMPARE(saver.readLine().trimmed(), QByteArray("waiting"));
            saver.kill(); // SIGKILL
            QVERIFY(saver.waitForFinished());
        }

        const QByteArray saved = program.readData(u"7.txt"_s);
        if (stopAt == u"nowhere"_s) {
            QCOMPARE(saved.size(), qsizetype(commentLines) * 158);
            QVERIFY(saved.startsWith("\x90\x56\x90\x56"));
        } else {
            QCOMPARE(saved, old);
        }
        // The start takes a suffix of one case for a copy the user named so (backup, BACKUP) and
        // keeps it; the six random letters of a save's temporary file come out so one time in 32.
        QStringList expected{u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s,
                             u"5.txt"_s, u"6.txt"_s, u"7.txt"_s};
        for (const QString &name : dataFiles(program)) {
            const QString suffix = name.mid(6);
            if (name.startsWith(u"7.txt.")
                && (suffix == suffix.toUpper() || suffix == suffix.toLower()))
                expected.append(name);
        }
        Form1 &form = program.start();
        // Joined, so that a failure names what else is there.
        QCOMPARE(dataFiles(program).join(u", "), expected.join(u", "));
        QCOMPARE(widgets::boxText(form.Text7).size(),
                 stopAt == u"nowhere"_s ? qsizetype(commentLines) * 80 : old.size());
    }
}

// What a save cut off by a crash leaves is its target's name, a dot and six random letters; such
// files of the program's own Data files go at the next start. Everything else stays: copies the
// user named like that, other people's files, folders and links.
void KilledSaveTest::startRemovesOnlyLeftoversOfSaves()
{
    if (!hasPosixFileNames())
        QSKIP("Names differing only in case are one file here, and links are shortcut files");
    TestProgram program;
    const QStringList leftovers{u"7.txt.cCxHCU"_s,     u"1.txt.AbCdEf"_s,    u"17.txt.qWeRtY"_s,
                                u"save3.txt.xYZabc"_s, u"inyo.txt.MmMmMm"_s, u"check.html.aBcDeF"_s,
                                u"res.txt.ZZZzzz"_s};
    const QStringList kept{
        u"7.txt"_s,        u"7.txt.backup"_s,     u"7.txt.BACKUP"_s,  u"7.txt.Backup"_s,
        u"7.txt.241209"_s, u"7.txt.cCxHC"_s,      u"7.txt.cCxHCUx"_s, u"notes.txt.cCxHCU"_s,
        u"8.txt.cCxHCU"_s, u"save9.txt.cCxHCU"_s, u"7.txtXcCxHCU"_s,  u".7.txt.cCxHCU"_s};
    for (const QString &name : leftovers + kept)
        program.writeData(name, "x");
    QVERIFY(QDir(program.dataFolder()).mkdir(u"2.txt.AbCdEf"_s));
    QVERIFY(QFile::link(program.dataPath(u"7.txt"_s), program.dataPath(u"3.txt.AbCdEf"_s)));

    program.start();
    QStringList expected = kept;
    expected.append(u"3.txt.AbCdEf"_s);
    expected.sort();
    QStringList files = dataFiles(program);
    files.sort();
    QCOMPARE(files, expected);
    QVERIFY(QFileInfo(program.dataPath(u"2.txt.AbCdEf"_s)).isDir());
}

QTEST_MAIN(KilledSaveTest)
#include "tst_killedsave.moc"
