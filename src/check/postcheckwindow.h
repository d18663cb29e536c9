#pragma once

#include "check/boards.h"
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
class Clipboard;
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
// saves nothing.
class PostCheckWindow : public QWidget
{
    Q_OBJECT

public:
    PostCheckWindow(QWidget &mainWindow, os::Clipboard &clipboard, PostFields fields);

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

private:
    void recheck();
    post::Post post() const;
    QWidget *boxOf(post::Field field) const;
    void selectFinding();
    void fixFinding();
    void showParts();

    QWidget &mainWindow_;
    os::Clipboard &clipboard_;
    PostFields fields_;
    std::vector<Board> boards_;
    post::CheckResult result_;
    std::vector<QString> parts_;
    QWidget *partsBox_{};
    QVBoxLayout *partsLayout_{};
};

} // namespace check
