#include "store/auxmemoform.h"

#include "cliptools/fieldtransfer.h"
#include "display/colourscheme.h"
#include "os/services.h"
#include "store/fieldgroup.h"
#include "widgets/fieldboxes.h"
#include "widgets/textbox.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <array>

namespace {

using store::FieldKind;

struct AuxField
{
    FieldKind kind;
    const char *savedMessage;
};

// Field Ⅶ is read back line by line, so a line break at its very end does not come back.
constexpr std::array auxFields{
    AuxField{FieldKind::SingleLine, "Ⅰが保存されました｡ "},
    AuxField{FieldKind::SingleLine, "Ⅱが保存されました。"},
    AuxField{FieldKind::SingleLine, "Ⅲが保存されました。"},
    AuxField{FieldKind::SingleLine, "Ⅳが保存されました。"},
    AuxField{FieldKind::SingleLine, "Ⅴが保存されました。"},
    AuxField{FieldKind::SingleLine, "Ⅵが保存されました。"},
    AuxField{FieldKind::JoinedLines, "Ⅶが保存されました。"},
};

} // namespace

AuxMemoForm::AuxMemoForm(QWidget &mainWindow, os::Services &services, const AuxMemoSetup &setup,
                         const QString &dataFolder,
                         std::optional<display::ColourScheme> mainWindowScheme)
    : widgets::SecondaryWindow(mainWindow, QString::fromUtf8(setup.caption), setup.clientSize)
    , services_(services)
    , mainWindowScheme_(std::move(mainWindowScheme))
{
    buildLayout();
    std::vector<store::Field> fields;
    const QList<QWidget *> boxes = fieldBoxes();
    const QStringList fileNames = fileNamesOf(setup);
    for (std::size_t i = 0; i < auxFields.size(); ++i) {
        const auto n = static_cast<qsizetype>(i);
        fields.push_back({boxes[n], fileNames[n], auxFields[i].kind,
                          QString::fromUtf8(auxFields[i].savedMessage)});
    }
    fields_ = std::make_unique<store::FieldGroup>(services_, dataFolder, std::move(fields));
    Text7->setFocus();
    Form_Load();
}

AuxMemoForm::~AuxMemoForm() = default;

QStringList AuxMemoForm::fileNamesOf(const AuxMemoSetup &setup)
{
    QStringList names;
    for (std::size_t i = 0; i < auxFields.size(); ++i)
        names.append(QStringLiteral("%1.txt").arg(setup.firstFileNumber + static_cast<int>(i)));
    return names;
}

void AuxMemoForm::Form_Load()
{
    releaseMainWindow();
    copyColourScheme();
    fields_->load(false);
}

void AuxMemoForm::copyColourScheme()
{
    // Taken over once: later changes in the main window reach the next opening only.
    if (mainWindowScheme_)
        display::applyScheme(fieldBoxes(), *mainWindowScheme_);
}

QList<QWidget *> AuxMemoForm::fieldBoxes() const { return widgets::fieldBoxesOf(*this); }

void AuxMemoForm::Command1_Click() { fields_->save(1); }
void AuxMemoForm::Command2_Click() { fields_->save(2); }
void AuxMemoForm::Command3_Click() { fields_->save(3); }
void AuxMemoForm::Command4_Click() { fields_->save(4); }
void AuxMemoForm::Command5_Click() { fields_->save(5); }
void AuxMemoForm::Command6_Click() { fields_->save(6); }
void AuxMemoForm::Command7_Click() { fields_->save(7); }
void AuxMemoForm::Command8_Click() { cliptools::clipField(services_.clipboard, Text1); }
void AuxMemoForm::Command9_Click() { cliptools::clipField(services_.clipboard, Text2); }
void AuxMemoForm::Command10_Click() { cliptools::clipField(services_.clipboard, Text3); }
void AuxMemoForm::Command11_Click() { cliptools::clipField(services_.clipboard, Text4); }
void AuxMemoForm::Command12_Click() { cliptools::clipField(services_.clipboard, Text5); }
void AuxMemoForm::Command13_Click() { cliptools::clipField(services_.clipboard, Text6); }
void AuxMemoForm::Command14_Click() { cliptools::clipField(services_.clipboard, Text7); }
void AuxMemoForm::Command15_Click() { fields_->deleteAll(); }
void AuxMemoForm::Command16_Click() { fields_->saveAll(); }
// Unsaved text goes with the window; closing puts the main window back on top (SecondaryWindow),
// by this button or the title bar.
void AuxMemoForm::Command17_Click() { close(); }
void AuxMemoForm::Command18_Click() { fields_->clear(); }
void AuxMemoForm::Command19_Click() { fields_->load(true); }

void AuxMemoForm::Text1_DblClick() { widgets::selectWholeText(Text1); }
void AuxMemoForm::Text2_DblClick() { widgets::selectWholeText(Text2); }
void AuxMemoForm::Text3_DblClick() { widgets::selectWholeText(Text3); }
void AuxMemoForm::Text4_DblClick() { widgets::selectWholeText(Text4); }
void AuxMemoForm::Text5_DblClick() { widgets::selectWholeText(Text5); }
void AuxMemoForm::Text6_DblClick() { widgets::selectWholeText(Text6); }
void AuxMemoForm::Text7_DblClick() { widgets::selectWholeText(Text7); }
