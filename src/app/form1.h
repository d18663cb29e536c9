#pragma once

#include "widgets/programwindow.h"
#include "widgets/windowplace.h"

#include <QPointer>

#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMimeData;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct Form2;
class AuxMemoForm;
struct AuxMemoSetup;
class Form5;
class frmAbout;

namespace os {
struct Services;
}
namespace check {
class PostCheckWindow;
}
namespace store {
class FieldGroup;
class Recovery;
class SnapshotSlots;
} // namespace store

// The main window: the seven fields with their Save and Clip buttons, every command button, the
// drop box for text files and the screen-font options. It stays in front of ordinary windows so
// that it can sit beside the browser while the user fills in a posting form.
class Form1 : public widgets::ProgramWindow
{
    Q_OBJECT

public:
    explicit Form1(os::Services &services);
    ~Form1() override;

    // Start-up: always on top (which shows the window), the Data folder without what a crash
    // left of a save, the field load.
    void Form_Load();

    QString dataFolder() const { return dataFolder_; }
    // The session is ending (logout, shutdown, restart for updates): what was not saved is kept
    // for the next start, whatever closes the windows now.
    void endOfSession();
    // The seven fields in the order of the field table: Name, Mail, ID, Password, Home Page,
    // Title, Comment.
    QList<QWidget *> fieldBoxes() const;
    // The never-shown scratch window, created on first use and kept until the program ends.
    Form2 &form2();

    // Save buttons of fields 1 to 7.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    // Clip buttons of fields 1 to 7.
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    // A double click selects the field's whole text.
    void Text1_DblClick();
    void Text2_DblClick();
    void Text3_DblClick();
    void Text4_DblClick();
    void Text5_DblClick();
    void Text6_DblClick();
    void Text7_DblClick();
    void Command8_Click();  // Re Load
    void Command9_Click();  // New
    void Command21_Click(); // End
    void Command22_Click(); // All Del
    void Command23_Click(); // All Save

    // Clipboard tools: prefixes, quote marks, text-file intake (form1cliptools.cpp).
    void Command10_Click(); // http
    void Command18_Click(); // Re:
    void Command24_Click(); // mailto
    void Command19_Click(); // >Set
    void Command20_Click(); // >
    void Command34_Click(); // FileIn
    void lstFileName_OLEDragDrop(const QMimeData &Data);

    // HTML tags and the browser preview (form1html.cpp).
    void Command27_Click(); // IE
    void Command28_Click(); // Link
    void Command29_Click(); // Image
    void Command30_Click(); // Font
    void Command31_Click(); // mail

    // Snapshot slots and aux memo windows (form1memos.cpp).
    void Command25_Click(); // Aux
    void Command26_Click(); // Aux2
    void Command43_Click(); // S: the slot chooser
    // Load slots 1 to 8.
    void Command35_Click();
    void Command36_Click();
    void Command37_Click();
    void Command38_Click();
    void Command39_Click();
    void Command40_Click();
    void Command41_Click();
    void Command42_Click();
    // The aux memo windows and the slot chooser while they are open.
    QPointer<AuxMemoForm> form3, form4;
    QPointer<Form5> form5;

    // The post check, beside the main window: F7, or the fields' context menus
    // (form1postcheck.cpp).
    void openPostCheck();
    QPointer<check::PostCheckWindow> postCheck;

    // Output, screen fonts, label actions and the about box (form1display.cpp).
    void Command32_Click(); // O-put
    void Command33_Click(); // Print
    // The Comment's screen font: sizes 8, 9, 10, 11, 12 and 16; faces G, M and F; DefaultFont.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    // The field labels: colour schemes (Name, Mail, ID, Home), the about box (Pass), emptying
    // Title and Comment (Title) and a notice (Comm.).
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();

    // The controls, named as in the window layout. Text7 is the Comment.
    QLineEdit *Text1{}, *Text2{}, *Text3{}, *Text4{}, *Text5{}, *Text6{};
    QPlainTextEdit *Text7{};
    QLabel *Label1{}, *Label2{}, *Label3{}, *Label4{}, *Label5{}, *Label6{}, *Label7{}, *Label8{},
        *Label9{};
    QPushButton *Command1{}, *Command2{}, *Command3{}, *Command4{}, *Command5{}, *Command6{},
        *Command7{}, *Command8{}, *Command9{}, *Command10{}, *Command11{}, *Command12{},
        *Command13{}, *Command14{}, *Command15{}, *Command16{}, *Command17{}, *Command18{},
        *Command19{}, *Command20{}, *Command21{}, *Command22{}, *Command23{}, *Command24{},
        *Command25{}, *Command26{}, *Command27{}, *Command28{}, *Command29{}, *Command30{},
        *Command31{}, *Command32{}, *Command33{}, *Command34{}, *Command35{}, *Command36{},
        *Command37{}, *Command38{}, *Command39{}, *Command40{}, *Command41{}, *Command42{},
        *Command43{};
    QRadioButton *Option1{}, *Option2{}, *Option3{}, *Option4{}, *Option5{}, *Option6{}, *Option7{},
        *Option8{}, *Option9{}, *Option10{};
    QListWidget *lstFileName{};
    QFrame *Line1{};

protected:
    // Closing through the title bar ends the program like "End".
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void offerPostCheck();
    void ensureDataFolder();
    QStringList dataFileNames() const;
    AuxMemoForm &openAuxMemo(QPointer<AuxMemoForm> &window, const AuxMemoSetup &setup);
    void offerUnsavedText();
    store::SnapshotSlots snapshotSlots();

    os::Services &services_;
    QString dataFolder_;
    widgets::WindowPlace place_;
    std::unique_ptr<store::FieldGroup> fields_;
    std::unique_ptr<store::Recovery> recovery_;
    bool sessionEnding_ = false;
    std::unique_ptr<Form2> form2_;
    QString lastTextFile_; // what FileIn's Open dialog offers again
    QPointer<frmAbout> about_;
};
