#include "app/form1.h"
#include "app/form2.h"
#include "support/clipboardprobe.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QString onClipboard = u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾃｷｽﾄがあります。\r\nﾍﾟｰｽﾄしてお使いください。"_s;
const QString notTextFile = u"テキストファイルではありません。"_s;
const QString oneAtATime = u"ファイルは1発づつ入れてください。"_s;

// Files of the user's own, somewhere outside the program's folder.
class UserFiles
{
public:
    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString path = QDir(folder_.path()).filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return QDir::toNativeSeparators(path);
    }

private:
    QTemporaryDir folder_;
};

QMimeData *fileDrop(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

} // namespace

class TextFileIntakeTest : public QObject
{
    Q_OBJECT

private slots:
    void fileInButtonAndItsTooltip();
    void linesJoinedByCrLf_data();
    void linesJoinedByCrLf();
    void foreignEncodings_data();
    void foreignEncodings();
    void validInNeitherEncodingStillArrives();
    void fileInOffersLastFileAndIsOffTopOnlyWhileRunning();
    void fileInRefusesOtherNames_data();
    void fileInRefusesOtherNames();
    void fileInEndsQuietlyOnCancelAndUnreadableFile();
    void dropTakesInOneTextFile();
    void dropRefusesSeveralFilesOtherNamesAndText();
    void droppedFileThatCannotBeRead();
};

void TextFileIntakeTest::linesJoinedByCrLf_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("final CR LF dropped") << QByteArray("a\r\nb\r\n") << u"a\r\nb"_s;
    QTest::newRow("two final CR LF keep one") << QByteArray("a\r\n\r\n") << u"a\r\n"_s;
    QTest::newRow("lone LF kept") << QByteArray("a\nb\n") << u"a\nb\n"_s;
    QTest::newRow("lone CR becomes CR LF") << QByteArray("a\rb\r") << u"a\r\nb"_s;
    QTest::newRow("no final break") << QByteArray("\r\nlast") << u"\r\nlast"_s;
    QTest::newRow("empty file") << QByteArray() << QString();
}

void TextFileIntakeTest::linesJoinedByCrLf()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);

    UserFiles user;
    const QString path = user.write(u"post.txt"_s, file);
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText(u"comment"_s);
    clipboard().setText(u"earlier"_s);
    program.openDialog.answers = {path};
    form.Command34_Click();

    QVERIFY(clipboard().mimeData()->hasText());
    QCOMPARE(clipboard().text(), text);
    QCOMPARE(clipboard().mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(form.form2().Text1, text); // left in the scratch window
    QCOMPARE(program.dialogs.shown, QStringList{onClipboard});
    QCOMPARE(program.openDialog.patterns, QStringList{u"*.txt"_s});
    QCOMPARE(form.Text7->toPlainText(), u"comment"_s);
}

void TextFileIntakeTest::foreignEncodings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 of this system") << QByteArray("日本語〜😀\r\n") << u"日本語〜😀"_s;
    QTest::newRow("Windows-31J") << QByteArray("\x93\xfa\x96\x7b\x8c\xea\x81\x60\r\n\x87\x40")
                                 << u"日本語～\r\n①"_s;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf\xe3\x81\x82\r\n") << u"あ"_s;
    QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfe\x42\x30\r\0\n\0b\0", 10) << u"あ\r\nb"_s;
    QTest::newRow("UTF-16 BE") << QByteArray("\xfe\xff\x30\x42\0\r\0\n\0b", 10) << u"あ\r\nb"_s;
    QTest::newRow("UTF-16 with an odd byte at the end")
        << QByteArray("\xff\xfe\x42\x30\x41", 5) << u"あ\uFFFD"_s;
    // Halves of a surrogate pair without their partner are no characters.
    QTest::newRow("UTF-16 LE with lone surrogates")
        << QByteArray("\xff\xfe\x00\xd8\x41\x00\x00\xdc\x3d\xd8\x00\xde", 12)
        << u"\uFFFDA\uFFFD😀"_s;
    QTest::newRow("UTF-16 BE ending in a high surrogate")
        << QByteArray("\xfe\xff\x00\x41\xd8\x3d", 6) << u"A\uFFFD"_s;
    QTest::newRow("ASCII") << QByteArray("plain\r\n") << u"plain"_s;
    // Valid UTF-8 up to a sequence cut off by the end of the file: Windows-31J, not lost.
    QTest::newRow("Windows-31J like cut-off UTF-8") << QByteArray("abc\xe9\x82") << u"abc驍"_s;
}

void TextFileIntakeTest::foreignEncodings()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);

    UserFiles user;
    TestProgram program;
    Form1 &form = program.start();
    program.openDialog.answers = {user.write(u"foreign.txt"_s, file)};
    form.Command34_Click();
    QCOMPARE(clipboard().text(), text);
}

void TextFileIntakeTest::validInNeitherEncodingStillArrives()
{
    UserFiles user;
    TestProgram program;
    Form1 &form = program.start();
    program.openDialog.answers = {user.write(u"binary.txt"_s, "ok\x82\xa0\xff\x81\r\nend")};
    form.Command34_Click();
    QVERIFY2(clipboard().text().startsWith(u"okあ"_s), qPrintable(clipboard().text()));
    QVERIFY2(clipboard().text().endsWith(u"\r\nend"_s), qPrintable(clipboard().text()));
    QCOMPARE(program.dialogs.shown, QStringList{onClipboard});
}

void TextFileIntakeTest::fileInOffersLastFileAndIsOffTopOnlyWhileRunning()
{
    UserFiles user;
    const QString first = user.write(u"first.txt"_s, "1");
    const QString second = user.write(u"second.md"_s, "2");
    TestProgram program;
    Form1 &form = program.start();
    QVERIFY(staysOnTop(form));
    bool onTopWhileShown = true;
    program.openDialog.whileShown = [&] { onTopWhileShown = staysOnTop(form); };

    program.openDialog.answers = {first, second, std::nullopt};
    QTest::mouseClick(form.Command34, Qt::LeftButton);
    QVERIFY(!onTopWhileShown);
    QVERIFY(staysOnTop(form));
    form.Command34_Click();
    form.Command34_Click();
    QCOMPARE(program.openDialog.offered, QStringList({QString(), first, second}));
    QCOMPARE(program.dialogs.shown, QStringList({onClipboard, notTextFile}));
    QCOMPARE(clipboard().text(), u"1"_s);
    QVERIFY(staysOnTop(form));
}

void TextFileIntakeTest::fileInRefusesOtherNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("capital TXT") << u"POST.TXT"_s;
    QTest::newRow("Txt") << u"post.Txt"_s;
    QTest::newRow(".txt in a folder name") << u"notes.txt/post.md"_s;
    QTest::newRow("no extension") << u"txt"_s;
    QTest::newRow("blank after") << u"post.txt "_s;
}

void TextFileIntakeTest::fileInRefusesOtherNames()
{
    QFETCH(QString, name);

    UserFiles user;
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"earlier"_s);
    program.openDialog.answers = {user.write(name, "content\r\n")};
    form.Command34_Click();
    QCOMPARE(program.dialogs.shown, QStringList{notTextFile});
    QCOMPARE(clipboard().text(), u"earlier"_s);
    QVERIFY(staysOnTop(form));
}

void TextFileIntakeTest::fileInEndsQuietlyOnCancelAndUnreadableFile()
{
    UserFiles user;
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"earlier"_s);
    form.Command34_Click(); // Cancel
    QVERIFY(staysOnTop(form));

    const QString folder = user.write(u"folder.txt/inside"_s, "x");
    program.openDialog.answers = {user.write(u"gone.txt"_s, "x") + u"-missing.txt"_s,
                                  QFileInfo(folder).path()};
    form.Command34_Click(); // a file that is not there
    form.Command34_Click(); // a folder whose name ends in .txt
    QVERIFY(program.dialogs.shown.isEmpty());
    QCOMPARE(clipboard().text(), u"earlier"_s);
    QVERIFY(staysOnTop(form));
}

void TextFileIntakeTest::dropTakesInOneTextFile()
{
    UserFiles user;
    const QString path = user.write(u"投稿 下書き.txt"_s, "a\r\nb\r\n");
    TestProgram program;
    Form1 &form = program.start();
    QVERIFY(form.lstFileName->acceptDrops());

    // Dragged text is refused before it can be dropped, so the field it comes from keeps it.
    QWidget *target = form.lstFileName->viewport();
    QMimeData text;
    text.setText(u"本文"_s);
    QDragEnterEvent textEnter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &text, Qt::LeftButton,
                              {});
    QApplication::sendEvent(target, &textEnter);
    QVERIFY(!textEnter.isAccepted());

    // Through the drop event as the window system delivers it; the command runs after the drop.
    // A file manager that offers to move the file gets a copy taken, so it keeps the file.
    std::unique_ptr<QMimeData> data(fileDrop({path}));
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 5), offered, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), offered, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    data.reset(); // the drag source's data is gone once the drop has finished
    // The box lists the dropped file while the message is shown.
    QStringList listed;
    program.dialogs.whileShown = [&](const QString &) {
        for (int row = 0; row < form.lstFileName->count(); ++row)
            listed.append(form.lstFileName->item(row)->text());
    };
    QTRY_COMPARE(program.dialogs.shown, QStringList{onClipboard});
    QCOMPARE(listed, QStringList{path});

    QCOMPARE(clipboard().text(), u"a\r\nb"_s);
    QCOMPARE(form.form2().Text1, u"a\r\nb"_s);
    QCOMPARE(form.lstFileName->count(), 0);
    QVERIFY(staysOnTop(form));
}

void TextFileIntakeTest::dropRefusesSeveralFilesOtherNamesAndText()
{
    UserFiles user;
    const QString first = user.write(u"a.txt"_s, "a");
    const QString second = user.write(u"b.txt"_s, "b");
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"earlier"_s);
    // Refused drops are emptied from the box before their message.
    program.dialogs.whileShown = [&](const QString &) { QCOMPARE(form.lstFileName->count(), 0); };

    std::unique_ptr<QMimeData> data(fileDrop({first, second}));
    form.lstFileName_OLEDragDrop(*data);
    data.reset(fileDrop({user.write(u"c.TXT"_s, "c")}));
    form.lstFileName_OLEDragDrop(*data);
    QCOMPARE(program.dialogs.shown, QStringList({oneAtATime, notTextFile}));
    QCOMPARE(form.lstFileName->count(), 0);

    data = std::make_unique<QMimeData>();
    data->setText(first);
    form.lstFileName_OLEDragDrop(*data);
    data->setUrls({QUrl(u"https://example.jp/a.txt"_s)});
    form.lstFileName_OLEDragDrop(*data);
    QCOMPARE(program.dialogs.shown.size(), 2); // dragged text and web addresses: nothing at all
    QCOMPARE(clipboard().text(), u"earlier"_s);
    QCOMPARE(form.form2().Text1, QString());
}

void TextFileIntakeTest::droppedFileThatCannotBeRead()
{
    UserFiles user;
    const QString path = user.write(u"locked.txt"_s, "secret");
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"earlier"_s);
    program.files.failReads = true;
    std::unique_ptr<QMimeData> data(fileDrop({path}));
    form.lstFileName_OLEDragDrop(*data);

    QCOMPARE(program.dialogs.shown,
             QStringList{
                 u"ファイル「%1」を読み込めませんでした。\n理由: Input/output error"_s.arg(path)});
    QCOMPARE(clipboard().text(), u"earlier"_s);
    QCOMPARE(form.lstFileName->count(), 0);
}

void TextFileIntakeTest::fileInButtonAndItsTooltip()
{
    TestProgram program;
    Form1 &form = program.start();
    QCOMPARE(form.Command34->text(), u"FileIn"_s);
    QCOMPARE(form.Command34->toolTip(), u"選択したﾃｷｽﾄﾌｧｲﾙの内容をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送します。"_s);
    QCOMPARE(form.lstFileName->count(), 0);
}

QTEST_MAIN(TextFileIntakeTest)
#include "tst_textfileintake.moc"
