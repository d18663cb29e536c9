#include "support/writepaths.h"

#include "app/form1.h"
#include "store/auxmemoform.h"
#include "store/form5.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <array>

using namespace Qt::StringLiterals;

namespace {

const QStringList mainTexts{
    u"名前"_s,  u"me@example.jp"_s,   u"id"_s, u"pass"_s, u"http://example.jp"_s,
    u"Re:題"_s, u"一行目\r\n二行目"_s};
const QStringList auxTexts{u"Ⅰ"_s, u"Ⅱ"_s, u"Ⅲ"_s, u"Ⅳ"_s, u"Ⅴ"_s, u"Ⅵ"_s, u"メモ\r\nの二行"_s};
const QString savedAll = u"すべて保存されました。"_s;
const QString deletedAll = u"すべてのデータが削除されました。"_s;

using FormClick = void (Form1::*)();
using AuxClick = void (AuxMemoForm::*)();
using ChooserClick = void (Form5::*)();

constexpr std::array<FormClick, 7> mainSaves{
    &Form1::Command1_Click, &Form1::Command2_Click, &Form1::Command3_Click, &Form1::Command4_Click,
    &Form1::Command5_Click, &Form1::Command6_Click, &Form1::Command7_Click};
constexpr std::array<AuxClick, 7> auxSaves{
    &AuxMemoForm::Command1_Click, &AuxMemoForm::Command2_Click, &AuxMemoForm::Command3_Click,
    &AuxMemoForm::Command4_Click, &AuxMemoForm::Command5_Click, &AuxMemoForm::Command6_Click,
    &AuxMemoForm::Command7_Click};
constexpr std::array<ChooserClick, 8> slotSaves{
    &Form5::Command1_Click, &Form5::Command2_Click, &Form5::Command3_Click, &Form5::Command4_Click,
    &Form5::Command5_Click, &Form5::Command6_Click, &Form5::Command7_Click, &Form5::Command8_Click};
const QStringList mainMessages{u"Nameが保存されました｡ "_s,
                               u"Mailが保存されました。"_s,
                               u"IDが保存されました。"_s,
                               u"Passwordが保存されました。"_s,
                               u"Home Page URLが保存されました。"_s,
                               u"Titleが保存されました。"_s,
                               u"Commentが保存されました。"_s};
const QStringList auxNumerals{u"Ⅰ"_s, u"Ⅱ"_s, u"Ⅲ"_s, u"Ⅳ"_s, u"Ⅴ"_s, u"Ⅵ"_s, u"Ⅶ"_s};

void fillMain(TestProgram &, Form1 &form) { fill(form, mainTexts); }

// The aux memo window of the main-window button, open and filled.
AuxMemoForm &openAux(Form1 &form, FormClick open, QPointer<AuxMemoForm> Form1::*window)
{
    (form.*open)();
    AuxMemoForm &memo = *(form.*window);
    fill(memo, auxTexts);
    return memo;
}

void addAuxPaths(QList<WritePath> &paths, const char *caption, FormClick open,
                 QPointer<AuxMemoForm> Form1::*window, int firstFile)
{
    const auto prepare = [open, window](TestProgram &, Form1 &form) {
        openAux(form, open, window);
    };
    for (int k = 0; k < 7; ++k) {
        const AuxClick save = auxSaves[static_cast<std::size_t>(k)];
        paths.append(WritePath{
            u"%1 Save %2"_s.arg(QLatin1String(caption)).arg(k + 1), u"%1.txt"_s.arg(firstFile + k),
            true, false,
            auxNumerals[k] + (k == 0 ? u"が保存されました｡ "_s : u"が保存されました。"_s), prepare,
            [window, save](TestProgram &, Form1 &form) { ((*(form.*window)).*save)(); }});
    }
    const QString first = u"%1.txt"_s.arg(firstFile);
    paths.append(WritePath{u"%1 All Save"_s.arg(QLatin1String(caption)), first, true, false,
                           savedAll, prepare, [window](TestProgram &program, Form1 &form) {
                               program.dialogs.confirmations = {true};
                               (form.*window)->Command16_Click();
                           }});
    paths.append(WritePath{u"%1 All Del"_s.arg(QLatin1String(caption)), first, true, false,
                           deletedAll, prepare, [window](TestProgram &program, Form1 &form) {
                               program.dialogs.confirmations = {true};
                               (form.*window)->Command15_Click();
                           }});
}

} // namespace

QList<WritePath> writePaths()
{
    QList<WritePath> paths;
    for (int n = 0; n < 7; ++n) {
        const FormClick save = mainSaves[static_cast<std::size_t>(n)];
        paths.append(WritePath{u"Save %1"_s.arg(n + 1), u"%1.txt"_s.arg(n + 1), true, false,
                               mainMessages[n], fillMain,
                               [save](TestProgram &, Form1 &form) { (form.*save)(); }});
    }
    paths.append(WritePath{u"All Save"_s, u"1.txt"_s, true, false, savedAll, fillMain,
                           [](TestProgram &program, Form1 &form) {
                               program.dialogs.confirmations = {true};
                               form.Command23_Click();
                           }});
    paths.append(WritePath{u"All Del"_s, u"1.txt"_s, true, false, deletedAll, fillMain,
                           [](TestProgram &program, Form1 &form) {
                               program.dialogs.confirmations = {true};
                               form.Command22_Click();
                           }});
    for (int slot = 0; slot < 8; ++slot) {
        const ChooserClick save = slotSaves[static_cast<std::size_t>(slot)];
        paths.append(WritePath{u"slot save %1"_s.arg(slot + 1), u"save%1.txt"_s.arg(slot + 1), true,
                               false, QString(),
                               [](TestProgram &program, Form1 &form) {
                                   fillMain(program, form);
                                   form.Command43_Click();
                               },
                               [save](TestProgram &program, Form1 &form) {
                                   program.dialogs.confirmations = {true};
                                   ((*form.form5).*save)();
                               }});
    }
    addAuxPaths(paths, "Aux", &Form1::Command25_Click, &Form1::form3, 11);
    addAuxPaths(paths, "Aux2", &Form1::Command26_Click, &Form1::form4, 21);
    paths.append(WritePath{u">Set"_s, u"inyo.txt"_s, true, false, u"引用符 >>  が保存されました "_s,
                           fillMain, [](TestProgram &program, Form1 &form) {
                               program.dialogs.answers = {u">> "_s};
                               form.Command19_Click();
                           }});
    paths.append(WritePath{u">"_s, u"res.txt"_s, true, false,
                           u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞのﾃｷｽﾄに引用符が付きました"_s,
                           [](TestProgram &program, Form1 &form) {
                               fillMain(program, form);
                               QGuiApplication::clipboard()->setText(u"引用\r\nする"_s);
                           },
                           [](TestProgram &, Form1 &form) { form.Command20_Click(); }});
    const auto preview = [](TestProgram &, Form1 &form) { form.Command27_Click(); };
    paths.append(
        WritePath{u"IE check.txt"_s, u"check.txt"_s, true, false, QString(), fillMain, preview});
    paths.append(
        WritePath{u"IE check.html"_s, u"check.html"_s, false, false, QString(), fillMain, preview});
    paths.append(WritePath{u"O-put"_s, u"memo.txt"_s, true, true,
                           u"Commentがﾃﾞｽｸﾄｯﾌﾟに出力されました"_s, fillMain,
                           [](TestProgram &program, Form1 &form) {
                               program.dialogs.answers = {u"memo"_s};
                               form.Command32_Click();
                           }});
    return paths;
}

QStringList screenTexts(Form1 &form)
{
    QStringList texts = textsOf(form);
    for (AuxMemoForm *memo : {form.form3.data(), form.form4.data()}) {
        if (memo)
            texts += textsOf(*memo);
    }
    return texts;
}
