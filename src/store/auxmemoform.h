#pragma once

#include "widgets/secondarywindow.h"

#include "display/colourscheme.h"

#include <QStringList>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace os {
struct Services;
}
namespace store {
class FieldGroup;
}

// What tells the two aux memo windows apart.
struct AuxMemoSetup
{
    const char *caption;
    QSize clientSize;
    int firstFileNumber; // the aux file of field Ⅰ is this number and ".txt"; the others follow
};

// An aux memo window: seven free memo fields (Ⅰ to Ⅵ single-line, Ⅶ multi-line), each kept in an
// aux file of the Data folder, with Save and Clip per field and the bulk commands of the main
// window. Form3 ("Aux") and Form4 ("Aux2") are two of them, differing only in their setup.
class AuxMemoForm final : public widgets::SecondaryWindow
{
    Q_OBJECT

public:
    static constexpr AuxMemoSetup Form3{"AUX Free Memo", {585, 346}, 11};   // 8775 by 5190 twips
    static constexpr AuxMemoSetup Form4{"AUX Free Memo 2", {580, 345}, 21}; // 8700 by 5175 twips

    // The aux files of the window with this setup, field Ⅰ first.
    static QStringList fileNamesOf(const AuxMemoSetup &setup);

    // The window keeps its files in the Data folder and, when the main window shows a scheme the
    // aux windows know, takes that scheme over.
    AuxMemoForm(QWidget &mainWindow, os::Services &services, const AuxMemoSetup &setup,
                const QString &dataFolder, std::optional<display::ColourScheme> mainWindowScheme);
    ~AuxMemoForm() override;

    // Out of the main window's way, the main window's colour scheme, the aux fields.
    void Form_Load();
    store::FieldGroup &fields() { return *fields_; }
    // Save fields Ⅰ to Ⅶ.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    // Clip fields Ⅰ to Ⅶ.
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click(); // All Del
    void Command16_Click(); // All Save
    void Command17_Click(); // End
    void Command18_Click(); // New
    void Command19_Click(); // Re Load
    // A double click selects the field's whole text.
    void Text1_DblClick();
    void Text2_DblClick();
    void Text3_DblClick();
    void Text4_DblClick();
    void Text5_DblClick();
    void Text6_DblClick();
    void Text7_DblClick();

    QLineEdit *Text1{}, *Text2{}, *Text3{}, *Text4{}, *Text5{}, *Text6{};
    QPlainTextEdit *Text7{};
    QLabel *Label1{}, *Label2{}, *Label3{}, *Label4{}, *Label5{}, *Label6{}, *Label7{};
    QPushButton *Command1{}, *Command2{}, *Command3{}, *Command4{}, *Command5{}, *Command6{},
        *Command7{}, *Command8{}, *Command9{}, *Command10{}, *Command11{}, *Command12{},
        *Command13{}, *Command14{}, *Command15{}, *Command16{}, *Command17{}, *Command18{},
        *Command19{};

private:
    void buildLayout();
    void copyColourScheme();
    QList<QWidget *> fieldBoxes() const;

    os::Services &services_;
    const std::optional<display::ColourScheme> mainWindowScheme_;
    std::unique_ptr<store::FieldGroup> fields_;
};
