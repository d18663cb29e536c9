#include "app/form1.h"
#include "app/form2.h"
#include "app/module1.h"
#include "check/postcheckwindow.h"
#include "os/japaneselook.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"
#include "support/testsystem.h"
#include "widgets/secondarywindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

class Memo final : public widgets::SecondaryWindow
{
public:
    explicit Memo(QWidget &mainWindow)
        : widgets::SecondaryWindow(mainWindow, u"Memo"_s, QSize(100, 80))
    {
        ++loads;
        releaseMainWindow();
    }
    static inline int loads = 0;
};

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void windowAndPlacesOfControls();
    void windowKeepsItsPlace();
    void captionsAndTooltips();
    void fontsAndColours();
    void focusStartsOnTitleAndFollowsTheFields();
    void firstStartCreatesPrivateDataFolder();
    void plainFileNamedDataCountsAsPresent();
    void setTopmost();
    void endClosesEveryWindow();
    void scratchWindowStartsEmpty();
    void textBoxesKeepWhatTheyAreGiven();
    void japaneseLook();
    void secondaryWindowsShareTheTopmostState();
    void postCheckFollowsTheFields();
    void boardsAreAddedByTheirAddress();
};

void Form1Test::windowAndPlacesOfControls()
{
    TestProgram program;
    Form1 &form = program.start();
    QCOMPARE(form.windowTitle(), u"Quillo for Internet BBS"_s);
    QVERIFY(form.isVisible());
    QCOMPARE(form.size(), QSize(632, 392));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // Twips divided by 15, as laid out.
    QCOMPARE(form.Text1->geometry().topLeft(), QPoint(55, 7));
    QCOMPARE(form.Text1->width(), 171);
    QCOMPARE(form.Text7->geometry(), QRect(51, 145, 567, 231));
    QCOMPARE(form.Command21->geometry(), QRect(566, 118, 57, 22));
    QCOMPARE(form.Command7->geometry(), QRect(461, 118, 43, 22));
    QCOMPARE(form.Command43->geometry(), QRect(619, 351, 13, 26));
    QCOMPARE(form.Command34->geometry(), QRect(7, 370, 43, 22));
    QCOMPARE(form.lstFileName->geometry(), QRect(8, 322, 40, 40));
    QCOMPARE(form.Option10->geometry(), QRect(55, 376, 76, 15));
    QCOMPARE(form.Option6->geometry(), QRect(590, 377, 33, 15));
    QCOMPARE(form.Line1->geometry(), QRect(559, 6, 1, 133));

    // Every control stays inside the client area.
    for (QWidget *control : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(form.rect().contains(control->geometry()), qPrintable(control->objectName()));
}

void Form1Test::captionsAndTooltips()
{
    TestProgram program;
    Form1 &form = program.start();
    QCOMPARE(form.Command1->text(), u"Save"_s);
    QCOMPARE(form.Command1->toolTip(), u"Name保存"_s);
    QCOMPARE(form.Command2->toolTip(), u"Ｍａｉｌ 保存"_s);
    QCOMPARE(form.Command11->text(), u"Clip"_s);
    QCOMPARE(form.Command11->toolTip(), u"Name をｸﾘｯﾌﾟﾎﾞｰﾄﾞ転送"_s);
    QCOMPARE(form.Command8->text(), u"Re Load"_s);
    QCOMPARE(form.Command8->toolTip(), u"最後に Save された状態に戻す"_s);
    QCOMPARE(form.Command20->text(), u">"_s);
    QCOMPARE(form.Command20->toolTip(), u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞの文字列に引用符を付けてｸﾘｯﾌﾟﾎﾞｰﾄﾞに戻す"_s);
    QCOMPARE(form.Command26->toolTip(), u"Aux memo2 （忘備録２）"_s);
    QCOMPARE(form.Command30->toolTip(), u"HTML Tag (Font size & Color)をｸﾘｯﾌﾟﾎﾞｰﾄﾞに書き出す"_s);
    QCOMPARE(form.Command35->text(), u"1"_s);
    QCOMPARE(form.Command35->toolTip(), QString());
    QCOMPARE(form.Label4->text(), u"Pass"_s);
    QCOMPARE(form.Label4->toolTip(), u"Click Me!!"_s);
    QCOMPARE(form.Label7->text(), u"Comm."_s);
    QCOMPARE(form.Label8->text(), u"Screen Font Size"_s);
    QCOMPARE(form.Label9->text(), u"Screen Font Name"_s);
    QCOMPARE(form.Option9->text(), u"F"_s);
    QCOMPARE(form.Option9->toolTip(), u"FixedSys14ポイント固定"_s);
    QCOMPARE(form.Option10->toolTip(), u"表示ﾌｫﾝﾄを初期状態に戻す。"_s);
    QCOMPARE(form.lstFileName->toolTip(),
             u"ﾃｷｽﾄﾌｧｲﾙをここにﾄﾞﾛｯﾌﾟすると内容のすべてが、ｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送されます。"_s);
    QCOMPARE(form.findChildren<QPushButton *>().size(), 43);
    QCOMPARE(form.findChildren<QRadioButton *>().size(), 10);

    // The ten options are one group, and none is chosen at start.
    for (QRadioButton *option : form.findChildren<QRadioButton *>())
        QVERIFY(!option->isChecked());
    form.Option3->click();
    form.Option8->click();
    QVERIFY(form.Option8->isChecked());
    QVERIFY(!form.Option3->isChecked());
}

void Form1Test::fontsAndColours()
{
    TestProgram program;
    Form1 &form = program.start();
    QCOMPARE(form.Text7->font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(form.Text7->font().pointSizeF(), 9.75);
    QCOMPARE(form.Label1->font().pointSizeF(), 11.25);
    QCOMPARE(form.Label6->font().pointSizeF(), 12.0);
    QCOMPARE(form.Label7->font().pointSizeF(), 12.0);
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(form.Label1->palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(form.Text7->lineWrapMode() == QPlainTextEdit::NoWrap);
    QCOMPARE(form.Text4->echoMode(), QLineEdit::Normal);
}

void Form1Test::focusStartsOnTitleAndFollowsTheFields()
{
    TestProgram program;
    Form1 &form = program.start();
    QCOMPARE(form.focusWidget(), form.Text6);
    const QList<QWidget *> order{form.Text6, form.Text7, form.Text1, form.Text2,
                                 form.Text3, form.Text5, form.Text4};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QCOMPARE(nextTabStop(order[i]), order[i + 1]);
    // The fields come before every other control.
    for (QWidget *w = nextTabStop(form.Text4); w != form.Text6; w = nextTabStop(w))
        QVERIFY(!order.contains(w));

    // Tab walks that order with the keyboard, out of the Comment too, and Shift+Tab walks back.
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QStringList typed{u"c"_s, u"n"_s, u"m"_s}; // into Comment, Name and Mail
    for (qsizetype i = 1; i < order.size(); ++i) {
        pressKey(form, Qt::Key_Tab);
        QCOMPARE(form.focusWidget(), order[i]);
        typeText(form, typed.value(i - 1));
    }
    for (qsizetype i = order.size() - 2; i >= 0; --i) {
        pressKey(form, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(form.focusWidget(), order[i]);
    }
    QCOMPARE(textsOf(form), (QStringList{u"n"_s, u"m"_s, {}, {}, {}, {}, u"c"_s}));
    // Ctrl+Tab types a tab into the Comment and keeps the focus there.
    pressKey(form, Qt::Key_Tab);
    pressKey(form, Qt::Key_End, Qt::ControlModifier);
    pressKey(form, Qt::Key_Tab, Qt::ControlModifier);
    typeText(form, u"d"_s);
    QCOMPARE(form.focusWidget(), form.Text7);
    QCOMPARE(form.Text7->toPlainText(), u"c\td"_s);
}

void Form1Test::firstStartCreatesPrivateDataFolder()
{
    TestProgram program;
    QVERIFY(!QFileInfo::exists(program.dataFolder()));
    Form1 &form = program.start();
    QVERIFY(QFileInfo(program.dataFolder()).isDir());
    if (hasOwnerOnlyModes())
        QCOMPARE(QFile::permissions(program.dataFolder()) & 0x0777,
                 QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    QCOMPARE(form.dataFolder(), program.dataFolder());
    QCOMPARE(form.Text1->text(), QString());
    QCOMPARE(program.dialogs.shown, QStringList());
}

void Form1Test::plainFileNamedDataCountsAsPresent()
{
    TestProgram program;
    QFile data(program.dataFolder());
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write("not a folder");
    data.close();
    Form1 &form = program.start();
    QVERIFY(QFileInfo(program.dataFolder()).isFile());
    QCOMPARE(form.Text1->text(), QString());
    QCOMPARE(program.dialogs.shown, QStringList());

    // Saving then fails with a message; the program goes on.
    form.Text1->setText("n");
    form.Command1_Click();
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown.first().contains(u"に保存できませんでした。"_s));
    QCOMPARE(form.Text1->text(), u"n"_s);
}

void Form1Test::setTopmost()
{
    TestProgram program;
    Form1 &form = program.start();
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    const QWindow *native = form.windowHandle();
    const QRect place = form.geometry();

    QCOMPARE(Module1::SetTopmost(form, 1), 1); // already on top: stays so
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(Module1::SetTopmost(form, 0), 1);
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(Module1::SetTopmost(form, 2), 0);
    QCOMPARE(Module1::SetTopmost(form, -1), 0);
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    form.hide();
    QCOMPARE(Module1::SetTopmost(form, 1), 1); // shows a hidden window
    QVERIFY(form.isVisible());
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(form.windowHandle(), native);
    QCOMPARE(form.geometry(), place);
}

void Form1Test::endClosesEveryWindow()
{
    TestProgram program;
    Form1 &form = program.start();
    QWidget other;
    other.show();
    form.Text1->setText("unsaved");
    form.Command21_Click();
    QVERIFY(!form.isVisible());
    QVERIFY(!other.isVisible());
    QCOMPARE(program.readData("1.txt"), QByteArray("<missing>"));
    QCOMPARE(program.dialogs.shown, QStringList());

    // The title bar's close box does the same.
    form.show();
    other.show();
    form.close();
    QVERIFY(!other.isVisible());
}

void Form1Test::scratchWindowStartsEmpty()
{
    TestProgram program;
    Form1 &form = program.start();
    Form2 &scratch = form.form2();
    QVERIFY(scratch.Text1.isEmpty() && scratch.Text2.isEmpty() && scratch.Text3.isEmpty());
    scratch.Text3 = "kept";
    QCOMPARE(form.form2().Text3, u"kept"_s);
}

void Form1Test::textBoxesKeepWhatTheyAreGiven()
{
    TestProgram program;
    const QString longName(100000, u'名');
    program.writeData("1.txt", longName.toUtf8().prepend("\xEF\xBB\xBF") + "\r\n");
    program.writeData("2.txt", "a\nb\r\n");
    Form1 &form = program.start();
    QCOMPARE(form.Text1->text(), longName);
    QCOMPARE(form.Text2->text(), u"a\nb"_s);
    form.Command2_Click();
    QCOMPARE(program.readData("2.txt"), QByteArray("a\nb\r\n"));
}

void Form1Test::japaneseLook()
{
    os::installJapaneseLook(*qApp);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);

    if (!hasFonts())
        QSKIP("Qt finds no fonts on this platform");
    TestProgram program;
    Form1 &form = program.start();
    // The Windows font names are drawn in Japanese fonts, Mincho as Mincho.
    QCOMPARE(QFontInfo(form.Text7->font()).family(), u"IPAPGothic"_s);
    QCOMPARE(QFontInfo(form.Label1->font()).family(), u"IPAPGothic"_s);
    // Controls without a font of their own show the window's, after start-up too.
    QCOMPARE(QFontInfo(form.Label9->font()).family(), u"IPAPGothic"_s);
    QCOMPARE(QFontInfo(form.Command1->font()).family(), u"IPAPGothic"_s);
    QCOMPARE(QFontInfo(QFont(u"ＭＳ Ｐ明朝"_s)).family(), u"IPAPMincho"_s);
}

void Form1Test::secondaryWindowsShareTheTopmostState()
{
    TestProgram program;
    Form1 &form = program.start();
    QPointer<Memo> first;
    QPointer<Memo> second;
    Memo::loads = 0;

    widgets::SecondaryWindow::open(first, form);
    QVERIFY(!staysOnTop(form));
    QVERIFY(!staysOnTop(*first));
    QCOMPARE(first->size(), QSize(100, 80));
    widgets::SecondaryWindow::open(second, form);
    second->close(); // its closing puts the main window back, the other one still open
    QVERIFY(staysOnTop(form));
    QTRY_VERIFY(!second); // unloaded

    widgets::SecondaryWindow::open(first, form); // only brought to the front: no second load
    QCOMPARE(Memo::loads, 2);
    QVERIFY(staysOnTop(form));

    // Ending the program closes it without showing the main window again.
    form.Command21_Click();
    QVERIFY(!form.isVisible());
    QTRY_VERIFY(!first);
}

// The main window comes back where it was closed, on the same screen. The first start, a place
// off every screen, a screen that is gone and a record that cannot be read centre it.
void Form1Test::windowKeepsItsPlace()
{
    TestProgram program;
    const QScreen *screen = QGuiApplication::primaryScreen();
    Form1 *form = &program.start();
    const QPoint centre = screen->availableGeometry().center() - form->rect().center();
    QCOMPARE(form->pos(), centre);
    form->move(40, 30);
    form->Command21_Click();
    const QByteArray record = "40,30\r\n" + screen->name().toUtf8() + "\r\n";
    QCOMPARE(program.readData("window.txt"), record);
    QCOMPARE(program.start().pos(), QPoint(40, 30));

    const QList<QByteArray> unusable{"-5000,-5000\r\n" + screen->name().toUtf8() + "\r\n",
                                     "40,30\r\nno such screen\r\n", "40;30", ""};
    for (const QByteArray &bad : unusable) {
        program.writeData("window.txt", bad);
        QCOMPARE(program.start().pos(), centre);
    }
    program.files.failReads = true;
    program.writeData("window.txt", record);
    QCOMPARE(program.start().pos(), centre);
    QCOMPARE(program.dialogs.shown.filter(u"window.txt"_s), QStringList());
}

// F7 opens the check beside the main window, in front of the browser as the main window is; it
// follows the fields as they change, in the board's words, and saves nothing.
void Form1Test::postCheckFollowsTheFields()
{
    TestProgram program;
    Form1 &form = program.start();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Text1->setText(u"山田#key"_s);
    form.Text7->setPlainText(QString(2049, u'a'));
    QTest::keyClick(&form, Qt::Key_F7);
    QVERIFY(form.postCheck);
    check::PostCheckWindow &check = *form.postCheck;
    QVERIFY(check.isVisible());
    QVERIFY(check.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(check.verdict->text(),
             u"書き込めません。掲示板の答え: 本文が長すぎます！ 長すぎる行があります！"_s);
    QCOMPARE(check.shownName->text(), u"山田 ◆lsUMWqdC0k"_s);
    QCOMPARE(check.rows[3]->text(), u"本文: 2049 / 2048 バイト — 上限を超えています"_s);

    form.Text7->setPlainText(u"短い本文"_s);
    QCOMPARE(check.verdict->text(), u"この掲示板に書き込めます。"_s);
    check.board->setCurrentIndex(1); // 5ch
    check.newThread->setChecked(true);
    QCOMPARE(check.verdict->text(),
             u"書き込めません。掲示板の答え: サブジェクトが存在しません！"_s);
    QTest::keyClick(&form, Qt::Key_F7); // again: the same window, forward
    QCOMPARE(form.postCheck.data(), &check);
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files), QStringList());
}

// The thread's address on the clipboard is offered; its board's settings, read when asked, are
// the check's limits and are kept, for the next start without a network; a read that fails
// keeps the entry as it was.
void Form1Test::boardsAreAddedByTheirAddress()
{
    TestProgram program;
    const QUrl setting(u"https://example.jp/board/SETTING.TXT"_s);
    const QByteArray settings =
        "BBS_TITLE=\x83\x65\x83\x58\x83\x67\x94\xc2\nBBS_MESSAGE_COUNT=4096\n"
        "BBS_NAME_COUNT=0\n";
    program.web.answers[setting] = {settings, {}};
    Form1 &form = program.start();
    program.clipboard.putText(u"https://example.jp/test/read.cgi/board/1234567890/12"_s);
    form.Text7->setPlainText(u"本文"_s);
    form.openPostCheck();
    check::PostCheckWindow *check = form.postCheck;
    QVERIFY(check->offered->isVisible());
    QCOMPARE(program.web.asked, QList<QUrl>()); // offered, not read
    check->offered->click();
    QTRY_COMPARE(check->board->currentText(), u"テスト板"_s);
    QCOMPARE(program.web.asked, QList<QUrl>{setting});
    QCOMPARE(check->rows[3]->text(), u"本文: 4 / 4096 バイト"_s);
    QVERIFY2(check->boardNote->text().endsWith(u"使えない値のため無視した設定: BBS_NAME_COUNT=0"_s),
             qPrintable(check->boardNote->text()));
    QCOMPARE(program.readData("setting1.txt"), settings);
    QVERIFY(program.readData("boards.txt").startsWith("https://example.jp/board/\t0ch+\t20"));

    // The next start, offline: the entry and its limits are there.
    program.web.answers.clear();
    program.stop();
    Form1 &again = program.start();
    again.openPostCheck();
    check = again.postCheck;
    check->board->setCurrentIndex(2);
    QCOMPARE(check->board->currentText(), u"テスト板"_s);
    QCOMPARE(check->rows[3]->text(), u"本文: 0 / 4096 バイト"_s);
    check->refresh->click();
    QTRY_COMPARE(program.dialogs.shown.size(), 1);
    QCOMPARE(
        program.dialogs.shown.first(),
        u"「https://example.jp/board/SETTING.TXT」を読めませんでした。\n理由: サーバーが見つかりません。"_s);
    QCOMPARE(check->board->currentText(), u"テスト板"_s);
    QCOMPARE(program.readData("setting1.txt"), settings);

    program.dialogs.confirmations = {true};
    check->remove->click();
    QCOMPARE(check->board->currentIndex(), 0);
    QCOMPARE(program.readData("boards.txt"), QByteArray());
    QCOMPARE(program.readData("setting1.txt"), QByteArray("<missing>"));
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
