#include "app/form1.h"

#include "app/form2.h"
#include "app/module1.h"
#include "check/boardstore.h"
#include "cliptools/fieldtransfer.h"
#include "cliptools/quotemark.h"
#include "html/preview.h"
#include "os/datafolder.h"
#include "os/dialogs.h"
#include "os/filesystem.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "store/auxmemoform.h"
#include "store/fieldgroup.h"
#include "store/recovery.h"
#include "store/snapshotslots.h"
#include "widgets/fieldboxes.h"
#include "widgets/textbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr QSize clientSize(632, 392); // 9480 by 5880 twips

// Where the main window was last closed.
const QString windowPlaceFile = QStringLiteral("window.txt");

// The field table: Name, Mail, ID, Password, Home Page, Title, Comment.
std::vector<store::Field> fieldTable(Form1 &form)
{
    using store::FieldKind;
    auto field = [](QWidget *box, const char *file, FieldKind kind, const char *message) {
        return store::Field{box, QString::fromLatin1(file), kind, QString::fromUtf8(message)};
    };
    return {
        field(form.Text1, "1.txt", FieldKind::SingleLine, "Nameが保存されました｡ "),
        field(form.Text2, "2.txt", FieldKind::SingleLine, "Mailが保存されました。"),
        field(form.Text3, "3.txt", FieldKind::SingleLine, "IDが保存されました。"),
        field(form.Text4, "4.txt", FieldKind::SingleLine, "Passwordが保存されました。"),
        field(form.Text5, "5.txt", FieldKind::SingleLine, "Home Page URLが保存されました。"),
        field(form.Text6, "6.txt", FieldKind::SingleLine, "Titleが保存されました。"),
        field(form.Text7, "7.txt", FieldKind::WholeText, "Commentが保存されました。"),
    };
}

} // namespace

Form1::Form1(os::Services &services)
    : widgets::ProgramWindow(QStringLiteral("Quillo for Internet BBS"), clientSize)
    , services_(services)
    , dataFolder_(os::dataFolderFor(services.programFolder))
    , place_(services.files, QDir(dataFolder_).filePath(windowPlaceFile))
{
    buildLayout();
    offerPostCheck();
    fields_ = std::make_unique<store::FieldGroup>(services_, dataFolder_, fieldTable(*this));
    recovery_ = std::make_unique<store::Recovery>(services_, dataFolder_);
    Text6->setFocus();

    place_.restore(*this);
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    Module1::SetTopmost(*this, 1);
    ensureDataFolder();
    services_.files.removeWriteLeftovers(dataFolder_, dataFileNames());
    fields_->load(false);
    offerUnsavedText();
    recovery_->watch(*fields_);
}

// What the last run did not save, offered when it differs from what the files gave: back into
// its boxes (an aux memo window with such text opens with it), the files and the recovery file as
// they are until the user saves; or, if the user does not want it, gone.
void Form1::offerUnsavedText()
{
    std::vector<store::UnsavedField> unsaved = recovery_->found();
    std::erase_if(unsaved, [this](const store::UnsavedField &field) {
        return fields_->boxTextOf(field.fileName) == field.text;
    });
    if (unsaved.empty()
        || !services_.dialogs.askYesNo(QStringLiteral(
            "前回 Quillo が終了したとき、保存されていない内容がありました。\n元に戻しますか？"))) {
        recovery_->remove();
        return;
    }
    for (const store::UnsavedField &field : unsaved) {
        if (fields_->restore(field))
            continue;
        const bool ofAux2 = AuxMemoForm::fileNamesOf(AuxMemoForm::Form4).contains(field.fileName);
        openAuxMemo(ofAux2 ? form4 : form3, ofAux2 ? AuxMemoForm::Form4 : AuxMemoForm::Form3)
            .fields()
            .restore(field);
    }
}

void Form1::endOfSession()
{
    sessionEnding_ = true;
    recovery_->writeNow();
}

// Every file the program writes into the Data folder, each named by the code that writes it.
QStringList Form1::dataFileNames() const
{
    return fields_->fileNames() + AuxMemoForm::fileNamesOf(AuxMemoForm::Form3)
           + AuxMemoForm::fileNamesOf(AuxMemoForm::Form4) + store::SnapshotSlots::fileNames()
           + cliptools::quoteMarkFileNames() + html::previewFileNames()
           + QStringList{windowPlaceFile, store::Recovery::fileName}
           + check::BoardStore(services_.files, dataFolder_).fileNames();
}

void Form1::ensureDataFolder()
{
    if (services_.files.exists(dataFolder_))
        return;
    QString reason;
    if (!services_.files.makePrivateFolder(dataFolder_, &reason))
        os::reportFileFailure(services_, os::FileFailure::FolderNotCreated, dataFolder_, reason);
}

QList<QWidget *> Form1::fieldBoxes() const { return widgets::fieldBoxesOf(*this); }

Form2 &Form1::form2()
{
    if (!form2_)
        form2_ = std::make_unique<Form2>();
    return *form2_;
}

void Form1::Command1_Click() { fields_->save(1); }
void Form1::Command2_Click() { fields_->save(2); }
void Form1::Command3_Click() { fields_->save(3); }
void Form1::Command4_Click() { fields_->save(4); }
void Form1::Command5_Click() { fields_->save(5); }
void Form1::Command6_Click() { fields_->save(6); }
void Form1::Command7_Click() { fields_->save(7); }
void Form1::Command11_Click() { cliptools::clipField(services_.clipboard, Text1); }
void Form1::Command12_Click() { cliptools::clipField(services_.clipboard, Text2); }
void Form1::Command13_Click() { cliptools::clipField(services_.clipboard, Text3); }
void Form1::Command14_Click()
{
    cliptools::clipField(services_.clipboard, Text4, cliptools::Sensitivity::Secret);
}
void Form1::Command15_Click() { cliptools::clipField(services_.clipboard, Text5); }
void Form1::Command16_Click() { cliptools::clipField(services_.clipboard, Text6); }
void Form1::Command17_Click() { cliptools::clipField(services_.clipboard, Text7); }

void Form1::Text1_DblClick() { widgets::selectWholeText(Text1); }
void Form1::Text2_DblClick() { widgets::selectWholeText(Text2); }
void Form1::Text3_DblClick() { widgets::selectWholeText(Text3); }
void Form1::Text4_DblClick() { widgets::selectWholeText(Text4); }
void Form1::Text5_DblClick() { widgets::selectWholeText(Text5); }
void Form1::Text6_DblClick() { widgets::selectWholeText(Text6); }
void Form1::Text7_DblClick() { widgets::selectWholeText(Text7); }

void Form1::Command8_Click() { fields_->load(true); }
void Form1::Command9_Click() { fields_->clear(); }
void Form1::Command22_Click() { fields_->deleteAll(); }
void Form1::Command23_Click() { fields_->saveAll(); }

void Form1::Command21_Click()
{
    close();
    QCoreApplication::quit();
}

void Form1::closeEvent(QCloseEvent *event)
{
    place_.keep(*this);
    // The user's choice to discard what was not saved, unless the session takes the program.
    if (!sessionEnding_)
        recovery_->discard();
    // Every other window goes with the main window, unsaved and unasked; hidden first, the main
    // window is no longer there for them to put back on top.
    hide();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
}
