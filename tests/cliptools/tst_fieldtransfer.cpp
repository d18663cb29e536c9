#include "app/form1.h"
#include "support/testprogram.h"
#include "widgets/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QMimeData *clipboardData() { return QGuiApplication::clipboard()->mimeData(); }

} // namespace

class FieldTransferTest : public QObject
{
    Q_OBJECT

private slots:
    void clipButtonsAndTheirTooltips();
    void clipPutsTheFieldAsItIs();
    void emptyFieldLeavesNothingToPaste();
    void doubleClickSelectsWholeText();
};

void FieldTransferTest::clipPutsTheFieldAsItIs()
{
    TestProgram program;
    program.writeData("1.txt", "saved\r\n");
    Form1 &form = program.start();
    form.Text1->setText(u" edited 名前 "_s);
    form.Command11_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(), u" edited 名前 "_s);
    QCOMPARE(form.Text1->text(), u" edited 名前 "_s);

    form.Text7->setPlainText("a\nb");
    QTest::mouseClick(form.Command17, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"a\r\nb"_s);
    QCOMPARE(clipboardData()->formats(), QStringList{"text/plain"});
}

void FieldTransferTest::emptyFieldLeavesNothingToPaste()
{
    TestProgram program;
    Form1 &form = program.start();
    QGuiApplication::clipboard()->setText("earlier");
    form.Command13_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void FieldTransferTest::doubleClickSelectsWholeText()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text5->setText("http://example.jp/a b");
    QTest::mouseDClick(form.Text5, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(form.Text5->selectedText(), u"http://example.jp/a b"_s);

    form.Text7->setPlainText("first line\nsecond line");
    QTest::mouseDClick(form.Text7->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(widgets::boxText(form.Text7), u"first line\r\nsecond line"_s);
    QCOMPARE(form.Text7->textCursor().selectionStart(), 0);
    QCOMPARE(form.Text7->textCursor().selectionEnd(), 22);

    QTest::mouseDClick(form.Text1, Qt::LeftButton);
    QVERIFY(!form.Text1->hasSelectedText());
    QCOMPARE(form.Text1->text(), QString());
}

void FieldTransferTest::clipButtonsAndTheirTooltips()
{
    TestProgram program;
    Form1 &form = program.start();
    const QList<std::pair<QPushButton *, QString>> clips{
        {form.Command11, u"Name をｸﾘｯﾌﾟﾎﾞｰﾄﾞ転送"_s},
        {form.Command12, u"Mail をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送"_s},
        {form.Command13, u"ID をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送"_s},
        {form.Command14, u"Password をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送"_s},
        {form.Command15, u"Home Page をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送"_s},
        {form.Command16, u"Title をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送"_s},
        {form.Command17, u"Comment をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送"_s},
    };
    for (const auto &[button, tooltip] : clips) {
        QCOMPARE(button->text(), u"Clip"_s);
        QCOMPARE(button->toolTip(), tooltip);
    }
}

QTEST_MAIN(FieldTransferTest)
#include "tst_fieldtransfer.moc"
