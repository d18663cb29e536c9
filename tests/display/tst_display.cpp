#include "app/form1.h"
#include "display/colourscheme.h"
#include "os/japaneselook.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }

// Every field shows the text colour on the background.
void expectScheme(const Form1 &form, QColor background, QColor text)
{
    for (const QWidget *box : form.fieldBoxes()) {
        QCOMPARE(display::backgroundOf(box), background);
        QCOMPARE(display::textColourOf(box), text);
    }
}

QString fontOf(const QWidget *box)
{
    return box->font().family() + u' ' + QString::number(box->font().pointSizeF());
}

} // namespace

class DisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { os::installJapaneseLook(*qApp); }
    void sizeAndFaceAreChosenApart();
    void screenFontsShowJapanese();
    void schemeLabelsColourAllSevenFields();
    void labelsCountOnlyWholeClicks();
    void titleLabelEmptiesTitleAndCommentOnScreen();
    void commLabelTellsOfPlans();
    void fontHeadingsDoNothing();
};

void DisplayTest::sizeAndFaceAreChosenApart()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("text");
    QList<QFont> others;
    for (int i = 0; i < 6; ++i)
        others.append(form.fieldBoxes()[i]->font());

    click(form.Option5); // 12
    click(form.Option8); // M
    QCOMPARE(fontOf(form.Text7), u"ＭＳ Ｐ明朝 12"_s);
    QVERIFY(form.Option8->isChecked() && !form.Option5->isChecked());

    click(form.Option9); // F
    click(form.Option1); // 8
    QCOMPARE(fontOf(form.Text7), u"FixedSys 8"_s);
    QVERIFY(!form.Option9->isChecked());

    const QList<std::pair<QRadioButton *, QString>> choices{
        {form.Option2, u"FixedSys 9"_s},         {form.Option3, u"FixedSys 10"_s},
        {form.Option4, u"FixedSys 11"_s},        {form.Option6, u"FixedSys 16"_s},
        {form.Option7, u"ＭＳ Ｐゴシック 16"_s}, {form.Option10, u"ＭＳ Ｐゴシック 10"_s},
        {form.Option8, u"ＭＳ Ｐ明朝 10"_s},
    };
    for (const auto &[option, font] : choices) {
        click(option);
        QCOMPARE(fontOf(form.Text7), font);
    }

    // DefaultFont: the starting face, at 10 points rather than the starting 9.75.
    click(form.Option6);
    form.Option10->click();
    QCOMPARE(fontOf(form.Text7), u"ＭＳ Ｐゴシック 10"_s);

    QCOMPARE(form.Text7->toPlainText(), u"text"_s);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(form.fieldBoxes()[i]->font(), others[i]);

    // Re Load keeps the font; the next start shows the starting one.
    form.Command8_Click();
    QCOMPARE(fontOf(form.Text7), u"ＭＳ Ｐゴシック 10"_s);
    TestProgram restarted;
    QCOMPARE(fontOf(restarted.start().Text7), u"ＭＳ Ｐゴシック 9.75"_s);
}

void DisplayTest::screenFontsShowJapanese()
{
    TestProgram program;
    Form1 &form = program.start();
    const QList<std::pair<QRadioButton *, QString>> faces{
        {form.Option7, u"IPAPGothic"_s},
        {form.Option8, u"IPAPMincho"_s},
        {form.Option9, u"IPAGothic"_s}, // fixed pitch, as FixedSys is
        {form.Option10, u"IPAPGothic"_s},
    };
    for (const auto &[option, family] : faces) {
        click(option);
        QCOMPARE(QFontInfo(form.Text7->font()).family(), family);
        QVERIFY(QFontMetrics(form.Text7->font()).inFont(u'ｼ'));
        QVERIFY(QFontMetrics(form.Text7->font()).inFont(u'漢'));
    }
}

void DisplayTest::schemeLabelsColourAllSevenFields()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text1->setText("name");
    form.Text1->setSelection(1, 2);
    form.Text7->setPlainText("comment");

    click(form.Label2); // Mail
    expectScheme(form, QColor(0, 0, 0), QColor(255, 255, 255));
    click(form.Label3); // ID
    expectScheme(form, QColor(0, 0, 0), QColor(255, 255, 128));
    click(form.Label5); // Home
    expectScheme(form, QColor(0, 0, 0), QColor(128, 255, 255));
    click(form.Label5);
    expectScheme(form, QColor(0, 0, 0), QColor(128, 255, 255));
    click(form.Label1); // Name
    expectScheme(form, QColor(255, 255, 255), QColor(0, 0, 0));

    QCOMPARE(form.Text1->text(), u"name"_s);
    QCOMPARE(form.Text1->selectedText(), u"am"_s);
    QCOMPARE(form.Text7->toPlainText(), u"comment"_s);
    QCOMPARE(program.dialogs.shown, QStringList());
}

void DisplayTest::labelsCountOnlyWholeClicks()
{
    TestProgram program;
    Form1 &form = program.start();
    const QColor standard = display::backgroundOf(form.Text1);

    // Pressed on the label, let go elsewhere: no click.
    QTest::mousePress(form.Label2, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(form.Label2, Qt::LeftButton, {}, QPoint(-20, 5));
    QTest::mouseClick(form.Label2, Qt::RightButton);
    QCOMPARE(display::backgroundOf(form.Text1), standard);

    // A double click (press, release, double click, release) is one click.
    QTest::mouseClick(form.Label7, Qt::LeftButton);
    QTest::mouseDClick(form.Label7, Qt::LeftButton);
    QTest::mouseRelease(form.Label7, Qt::LeftButton);
    QCOMPARE(program.dialogs.shown, QStringList{u"追加機能検討中(^^;"_s});
}

void DisplayTest::titleLabelEmptiesTitleAndCommentOnScreen()
{
    TestProgram program;
    for (char n = '1'; n <= '6'; ++n)
        program.writeData(QString(QChar(n)) + u".txt"_s, QByteArray("saved") + n + "\r\n");
    program.writeData("7.txt", "saved\r\ncomment");
    Form1 &form = program.start();
    form.Text6->setText("edited title");
    form.Text7->setPlainText("edited\ncomment");

    click(form.Label6);
    QCOMPARE(form.Text6->text(), QString());
    QCOMPARE(form.Text7->toPlainText(), QString());
    QCOMPARE(form.Text1->text(), u"saved1"_s);
    QCOMPARE(form.Text5->text(), u"saved5"_s);
    QCOMPARE(program.readData("6.txt"), QByteArray("saved6\r\n"));
    QCOMPARE(program.readData("7.txt"), QByteArray("saved\r\ncomment"));
    QCOMPARE(program.dialogs.shown, QStringList());

    click(form.Label6); // already empty
    QCOMPARE(form.Text6->text(), QString());
    form.Command8_Click(); // Re Load brings the stored texts back
    QCOMPARE(form.Text6->text(), u"saved6"_s);
    QCOMPARE(form.Text7->toPlainText(), u"saved\ncomment"_s);
}

void DisplayTest::commLabelTellsOfPlans()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("comment");
    click(form.Label7);
    QCOMPARE(program.dialogs.shown, QStringList{u"追加機能検討中(^^;"_s});
    QCOMPARE(form.Text7->toPlainText(), u"comment"_s);
}

void DisplayTest::fontHeadingsDoNothing()
{
    TestProgram program;
    Form1 &form = program.start();
    const QColor standard = display::backgroundOf(form.Text1);
    const QFont font = form.Text7->font();
    click(form.Label8);
    click(form.Label9);
    QCOMPARE(program.dialogs.shown, QStringList());
    QCOMPARE(display::backgroundOf(form.Text1), standard);
    QCOMPARE(form.Text7->font(), font);
    for (QRadioButton *option : form.findChildren<QRadioButton *>())
        QVERIFY(!option->isChecked());
}

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"
