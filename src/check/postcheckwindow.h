#pragma once

#include "check/boards.h"
#include "check/boardstore.h"
#include "post/postcheck.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace os {
struct Services;
}
namespace post {
struct BoardAddress;
}

namespace check {

// The main window's fields a post is made of.
struct PostFields
{
    QLineEdit *name;
    QLineEdit *mail;
    QLineEdit *title;
    QPlainTextEdit *comment;
};

// 「書き込みチェック」: what the chosen board will say of the post in the main window's fields,
// following them as they are typed. Beside the main window and, like it, in front of the browser.
// It changes a field only when one of its fixes is clicked (undoable there with Ctrl+Z), and
// saves nothing of the post. Boards are added by their address, their SETTING.TXT read only
// when the user asks, and kept in the Data folder for the check without a network.
class PostCheckWindow : public QWidget
{
    Q_OBJECT

public:
    PostCheckWindow(QWidget &mainWindow, os::Services &services, const QString &dataFolder,
                    PostFields fields);

    // Shows the window beside the main window, or brings it forward.
    void open();

    const post::CheckResult &result() const { return result_; }
    // The Comment as the split gives it, while the split is shown.
    const std::vector<QString> &parts() const { return parts_; }

    QComboBox *board{};
    QCheckBox *newThread{};
    std::array<QLabel *, 7> rows{}; // 名前, メール, タイトル, 本文, 行数, 1行の長さ, アンカー
    QLabel *verdict{};
    QLabel *shownName{};
    QLabel *storedMail{};
    QListWidget *findings{};
    QPushButton *fix{};
    QPushButton *split{};
    // A board added by its address: how it is counted, its settings read again, its removal.
    QComboBox *family{};
    QPushButton *refresh{};
    QPushButton *remove{};
    QLabel *boardNote{};
    // Adding one: the address, typed or pasted, and the read, which can be given up.
    QLineEdit *address{};
    QPushButton *read{};
    QPushButton *stopReading{};
    QPushButton *offered{}; // the board whose address the clipboard held as the window opened

private:
    void recheck();
    void fillChooser(int current);
    void boardChosen();
    // The chosen board: a preset's index, or a kept one's past them; -1 for 「掲示板を追加…」.
    int chosenKept() const;
    Board chosenBoard() const;
    void readBoard(const post::BoardAddress &board, int replacing);
    void readTyped();
    void refreshBoard();
    void removeBoard();
    void familyChosen();
    bool keep();
    post::Post post() const;
    QWidget *boxOf(post::Field field) const;
    void selectFinding();
    void fixFinding();
    void showParts();

    QWidget &mainWindow_;
    os::Services &services_;
    PostFields fields_;
    std::vector<Board> boards_;
    BoardStore store_;
    std::vector<KeptBoard> kept_;
    QWidget *keptBar_{};
    QWidget *addBar_{};
    post::CheckResult result_;
    std::vector<QString> parts_;
    QWidget *partsBox_{};
    QVBoxLayout *partsLayout_{};
};

} // namespace check
