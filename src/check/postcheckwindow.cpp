#include "check/postcheckwindow.h"

#include "os/clipboard.h"
#include "widgets/textbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace check {

namespace {

using post::Check;
using post::Finding;

// Each row starts with what it counts, so that a screen reader says that first.
constexpr std::array<std::pair<const char16_t *, const char16_t *>, 7> rowWords{{
    {u"タイトル", u"バイト"},
    {u"名前", u"バイト"},
    {u"メール", u"バイト"},
    {u"本文", u"バイト"},
    {u"行数", u"行"},
    {u"1行の長さ", u"バイト"},
    {u"アンカー", u"個"},
}};

// The rows as a poster reads the form, the fields first.
constexpr std::array<Check, 7> shownOrder{Check::Name,    Check::Mail,  Check::Title,
                                          Check::Comment, Check::Lines, Check::LongestLine,
                                          Check::Anchors};

QString rowText(const post::CheckRow &row)
{
    const auto [name, unit] = rowWords[std::size_t(row.check)];
    QString text = u"%1: %2 / %3 %4"_s.arg(QString::fromUtf16(name))
                       .arg(row.count)
                       .arg(row.limit)
                       .arg(QString::fromUtf16(unit));
    if (!row.checked)
        text += u"（スレッドを立てるときだけ数えます）"_s;
    else if (row.over())
        text += u" — 上限を超えています"_s;
    return text;
}

// What a finding's fix is, by its kind: the text to put in place of its characters.
std::optional<std::pair<QString, QString>> fixOf(const Finding &finding, QStringView characters)
{
    switch (finding.kind) {
    case Finding::Kind::WaveDash:
        return std::pair{u"「～」にする"_s, u"～"_s};
    case Finding::Kind::Decomposed:
        return std::pair{u"一つの文字にまとめる"_s,
                         characters.toString().normalized(QString::NormalizationForm_C)};
    case Finding::Kind::Reference:
    case Finding::Kind::ReferenceHash:
    case Finding::Kind::Changed:
        return std::pair{u"この文字を消す"_s, QString()};
    case Finding::Kind::OverLimit:
    case Finding::Kind::LeadingBlankLines:
        break;
    }
    return std::nullopt;
}

// The text of a field as the check reads it, with the positions of its box: a line break of the
// Comment is one character there.
QString textOf(const QWidget *box)
{
    return widgets::rawBoxText(box).replace(QChar::ParagraphSeparator, u'\n');
}

} // namespace

PostCheckWindow::PostCheckWindow(QWidget &mainWindow, os::Clipboard &clipboard, PostFields fields)
    : QWidget(&mainWindow, Qt::Window | Qt::WindowStaysOnTopHint)
    , mainWindow_(mainWindow)
    , clipboard_(clipboard)
    , fields_(fields)
    , boards_(presetBoards())
{
    setWindowTitle(u"書き込みチェック"_s);
    setFont(mainWindow.font()); // the Japanese face the main window shows
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);

    auto *chooser = new QHBoxLayout;
    board = new QComboBox(this);
    board->setAccessibleName(u"掲示板"_s);
    for (const Board &each : boards_)
        board->addItem(each.name);
    newThread = new QCheckBox(u"スレッドを立てる"_s, this);
    chooser->addWidget(board, 1);
    chooser->addWidget(newThread);
    layout->addLayout(chooser);

    for (QLabel *&row : rows) {
        row = new QLabel(this);
        layout->addWidget(row);
    }
    verdict = new QLabel(this);
    verdict->setWordWrap(true);
    layout->addWidget(verdict);

    auto *shown = new QFormLayout;
    shownName = new QLabel(this);
    storedMail = new QLabel(this);
    for (QLabel *label : {shownName, storedMail})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    shown->addRow(u"表示される名前:"_s, shownName);
    shown->addRow(u"メール欄:"_s, storedMail);
    layout->addLayout(shown);

    findings = new QListWidget(this);
    findings->setAccessibleName(u"気を付けること"_s);
    findings->setWordWrap(true);
    findings->setTextElideMode(Qt::ElideNone);
    findings->setResizeMode(QListView::Adjust);
    layout->addWidget(findings, 1);

    auto *buttons = new QHBoxLayout;
    fix = new QPushButton(u"直す"_s, this);
    split = new QPushButton(u"分割"_s, this);
    buttons->addWidget(fix);
    buttons->addStretch();
    buttons->addWidget(split);
    layout->addLayout(buttons);
    partsBox_ = new QWidget(this);
    partsLayout_ = new QVBoxLayout(partsBox_);
    partsLayout_->setContentsMargins({});
    layout->addWidget(partsBox_);
    resize(380, 560);

    connect(board, &QComboBox::currentIndexChanged, this, &PostCheckWindow::recheck);
    connect(newThread, &QCheckBox::toggled, this, &PostCheckWindow::recheck);
    for (QLineEdit *line : {fields_.name, fields_.mail, fields_.title})
        connect(line, &QLineEdit::textChanged, this, &PostCheckWindow::recheck);
    connect(fields_.comment, &QPlainTextEdit::textChanged, this, &PostCheckWindow::recheck);
    connect(findings, &QListWidget::itemSelectionChanged, this, &PostCheckWindow::selectFinding);
    connect(fix, &QPushButton::clicked, this, &PostCheckWindow::fixFinding);
    connect(split, &QPushButton::clicked, this, &PostCheckWindow::showParts);
    recheck();
}

void PostCheckWindow::open()
{
    if (!isVisible()) {
        // Beside the main window, on the side where the screen has room.
        const QRect main = mainWindow_.frameGeometry();
        const QRect screen = mainWindow_.screen()->availableGeometry();
        const int gap = 8;
        const int right = main.right() + gap;
        move(right + frameGeometry().width() <= screen.right()
                 ? right
                 : std::max(screen.left(), main.left() - gap - frameGeometry().width()),
             main.top());
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

post::Post PostCheckWindow::post() const
{
    return {textOf(fields_.name), textOf(fields_.mail), textOf(fields_.title),
            textOf(fields_.comment), newThread->isChecked()};
}

void PostCheckWindow::recheck()
{
    const Board &chosen = boards_[std::size_t(std::max(0, board->currentIndex()))];
    const post::Post checked = post();
    result_ = post::checkPost(checked, chosen.settings, chosen.family);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const post::CheckRow &row = result_.row(shownOrder[i]);
        rows[i]->setText(rowText(row));
        rows[i]->setStyleSheet(row.over() ? u"color: #b00000; font-weight: bold"_s : QString());
    }
    verdict->setText(result_.accepted()
                         ? u"この掲示板に書き込めます。"_s
                         : u"書き込めません。掲示板の答え: "_s + result_.refusals.join(u' '));
    shownName->setText(result_.shownName);
    storedMail->setText(result_.storedMail);

    findings->blockSignals(true);
    findings->clear();
    for (const Finding &finding : result_.findings)
        findings->addItem(finding.text);
    findings->blockSignals(false);
    fix->setEnabled(false);
    fix->setText(u"直す"_s);

    const bool tooLong = result_.row(Check::Comment).over() || result_.row(Check::Lines).over();
    split->setVisible(tooLong);
    if (tooLong) {
        parts_ = post::splitComment(checked.comment, chosen.settings, chosen.family);
        split->setText(parts_.empty() ? u"長すぎる行があるため、行の区切りでは分割できません"_s
                                      : u"分割（%1 件に分けます）"_s.arg(parts_.size()));
        split->setEnabled(!parts_.empty());
    } else {
        parts_.clear();
    }
    // A shown split belongs to the text it was made of.
    while (QLayoutItem *item = partsLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

QWidget *PostCheckWindow::boxOf(post::Field field) const
{
    switch (field) {
    case post::Field::Name:
        return fields_.name;
    case post::Field::Mail:
        return fields_.mail;
    case post::Field::Title:
        return fields_.title;
    case post::Field::Comment:
        break;
    }
    return fields_.comment;
}

// The finding's characters, selected in their field; its fix, offered when it has one.
void PostCheckWindow::selectFinding()
{
    const int row = findings->currentRow();
    if (row < 0 || row >= int(result_.findings.size()))
        return;
    const Finding &finding = result_.findings[std::size_t(row)];
    QWidget *box = boxOf(finding.field);
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        line->setSelection(int(finding.position), int(finding.length));
    } else {
        QTextCursor cursor = fields_.comment->textCursor();
        cursor.setPosition(int(finding.position));
        cursor.setPosition(int(finding.position + finding.length), QTextCursor::KeepAnchor);
        fields_.comment->setTextCursor(cursor);
        fields_.comment->ensureCursorVisible();
    }
    const auto offered = fixOf(finding, textOf(box).sliced(finding.position, finding.length));
    fix->setEnabled(offered.has_value());
    fix->setText(offered ? offered->first : u"直す"_s);
}

// Through the box's own editing, so that Ctrl+Z there takes the fix back.
void PostCheckWindow::fixFinding()
{
    const int row = findings->currentRow();
    if (row < 0 || row >= int(result_.findings.size()))
        return;
    const Finding finding = result_.findings[std::size_t(row)];
    QWidget *box = boxOf(finding.field);
    const auto offered = fixOf(finding, textOf(box).sliced(finding.position, finding.length));
    if (!offered)
        return;
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        line->setSelection(int(finding.position), int(finding.length));
        line->insert(offered->second);
    } else {
        QTextCursor cursor(fields_.comment->document());
        cursor.setPosition(int(finding.position));
        cursor.setPosition(int(finding.position + finding.length), QTextCursor::KeepAnchor);
        cursor.insertText(offered->second);
    }
}

// Each part with a Clip of its own, as the main window's Clip: the clipboard holds the part alone.
void PostCheckWindow::showParts()
{
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const post::CheckResult part = post::checkPost(
            {{}, {}, {}, parts_[i]}, boards_[std::size_t(board->currentIndex())].settings,
            boards_[std::size_t(board->currentIndex())].family);
        auto *line = new QWidget(partsBox_);
        auto *layout = new QHBoxLayout(line);
        layout->setContentsMargins({});
        layout->addWidget(new QLabel(u"%1 件目: %2 バイト、%3 行"_s.arg(i + 1)
                                         .arg(part.row(Check::Comment).count)
                                         .arg(part.row(Check::Lines).count),
                                     line),
                          1);
        auto *clip = new QPushButton(u"Clip"_s, line);
        clip->setAccessibleName(u"%1 件目を Clip"_s.arg(i + 1));
        const QString text = parts_[i];
        connect(clip, &QPushButton::clicked, this, [this, text] { clipboard_.putText(text); });
        layout->addWidget(clip);
        partsLayout_->addWidget(line);
    }
}

} // namespace check
