#include "app/form1.h"
#include "support/testprogram.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Handler = void (Form1::*)();
using Box = QLineEdit *Form1::*;

} // namespace

class PrefixTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonsAndTheirTooltips();
    void prefixIsComparedExactly_data();
    void prefixIsComparedExactly();
    void onlyTheBoxChanges();
};

void PrefixTest::prefixIsComparedExactly_data()
{
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    const Handler http = &Form1::Command10_Click;
    const Handler re = &Form1::Command18_Click;
    const Handler mailto = &Form1::Command24_Click;
    const Box home = &Form1::Text5;
    const Box title = &Form1::Text6;
    const Box mail = &Form1::Text2;
    QTest::newRow("empty home page") << http << home << QString() << u"http://"_s;
    QTest::newRow("host") << http << home << u"example.jp/"_s << u"http://example.jp/"_s;
    QTest::newRow("already http") << http << home << u"http://example.jp/"_s
                                  << u"http://example.jp/"_s;
    QTest::newRow("capitals") << http << home << u"HTTP://example.jp/"_s
                              << u"http://HTTP://example.jp/"_s;
    QTest::newRow("secure scheme")
        << http << home << u"https://example.jp/"_s << u"http://https://example.jp/"_s;
    QTest::newRow("full-width letters")
        << http << home << u"ｈｔｔｐ://a"_s << u"http://ｈｔｔｐ://a"_s;
    QTest::newRow("shorter than prefix") << http << home << u"http"_s << u"http://http"_s;
    QTest::newRow("empty title") << re << title << QString() << u"Re:"_s;
    QTest::newRow("reply") << re << title << u"質問です"_s << u"Re:質問です"_s;
    QTest::newRow("already Re: and blank") << re << title << u"Re: 質問"_s << u"Re: 質問"_s;
    QTest::newRow("leading blank") << re << title << u" Re:x"_s << u"Re: Re:x"_s;
    QTest::newRow("capital RE:") << re << title << u"RE:x"_s << u"Re:RE:x"_s;
    QTest::newRow("two characters") << re << title << u"Re"_s << u"Re:Re"_s;
    QTest::newRow("full-width Ｒｅ：") << re << title << u"Ｒｅ：x"_s << u"Re:Ｒｅ：x"_s;
    QTest::newRow("empty mail") << mailto << mail << QString() << u"mailto:"_s;
    QTest::newRow("address") << mailto << mail << u"taro@example.jp"_s
                             << u"mailto:taro@example.jp"_s;
    QTest::newRow("already mailto") << mailto << mail << u"mailto:a@b"_s << u"mailto:a@b"_s;
    QTest::newRow("MAILTO") << mailto << mail << u"MAILTO:a@b"_s << u"mailto:MAILTO:a@b"_s;
}

void PrefixTest::prefixIsComparedExactly()
{
    QFETCH(Handler, handler);
    QFETCH(Box, box);
    QFETCH(QString, before);
    QFETCH(QString, after);

    TestProgram program;
    Form1 &form = program.start();
    (form.*box)->setText(before);
    (form.*handler)();
    QCOMPARE((form.*box)->text(), after);
    (form.*handler)(); // a second press changes nothing
    QCOMPARE((form.*box)->text(), after);
    QVERIFY(program.dialogs.shown.isEmpty());
}

void PrefixTest::onlyTheBoxChanges()
{
    TestProgram program;
    const QList<QByteArray> saved{"n\r\n", "a@b\r\n", "\r\n", "\r\n", "example.jp\r\n", "t\r\n"};
    for (int n = 1; n <= saved.size(); ++n)
        program.writeData(u"%1.txt"_s.arg(n), saved[n - 1]);
    Form1 &form = program.start();
    QTest::mouseClick(form.Command10, Qt::LeftButton);
    QTest::mouseClick(form.Command18, Qt::LeftButton);
    QTest::mouseClick(form.Command24, Qt::LeftButton);
    QCOMPARE(form.Text5->text(), u"http://example.jp"_s);
    QCOMPARE(form.Text6->text(), u"Re:t"_s);
    QCOMPARE(form.Text2->text(), u"mailto:a@b"_s);
    QCOMPARE(program.readData("5.txt"), QByteArray("example.jp\r\n"));
    QCOMPARE(program.readData("6.txt"), QByteArray("t\r\n"));
    QCOMPARE(program.readData("2.txt"), QByteArray("a@b\r\n"));

    form.Command8_Click(); // Re Load brings back what was saved
    QCOMPARE(form.Text5->text(), u"example.jp"_s);
    QCOMPARE(form.Text6->text(), u"t"_s);
    QCOMPARE(form.Text2->text(), u"a@b"_s);
}

void PrefixTest::buttonsAndTheirTooltips()
{
    TestProgram program;
    Form1 &form = program.start();
    QCOMPARE(form.Command10->text(), u"http"_s);
    QCOMPARE(form.Command10->toolTip(), u"URL に http:// を付ける"_s);
    QCOMPARE(form.Command18->text(), u"Re:"_s);
    QCOMPARE(form.Command18->toolTip(), u"Title に Re: を付ける"_s);
    QCOMPARE(form.Command24->text(), u"mailto"_s);
    QCOMPARE(form.Command24->toolTip(), u"Mail に mailto: を付ける"_s);
}

QTEST_MAIN(PrefixTest)
#include "tst_prefix.moc"
