#include "check/postcheckwindow.h"

#include "os/clipboard.h"
#include "os/dialogs.h"
#include "os/fileerror.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "os/webfetch.h"
#include "post/boardaddress.h"
#include "widgets/textbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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

PostCheckWindow::PostCheckWindow(QWidget &mainWindow, os::Services &services,
                                 const QString &dataFolder, PostFields fields)
    : QWidget(&mainWindow, Qt::Window | Qt::WindowStaysOnTopHint)
    , mainWindow_(mainWindow)
    , services_(services)
    , fields_(fields)
    , boards_(presetBoards())
    , store_(services.files, dataFolder)
    , kept_(store_.load())
{
    setWindowTitle(u"書き込みチェック"_s);
    setFont(mainWindow.font()); // the Japanese face the main window shows
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);

    auto *chooser = new QHBoxLayout;
    board = new QComboBox(this);
    board->setAccessibleName(u"掲示板"_s);
    newThread = new QCheckBox(u"スレッドを立てる"_s, this);
    chooser->addWidget(board, 1);
    chooser->addWidget(newThread);
    layout->addLayout(chooser);

    keptBar_ = new QWidget(this);
    auto *kept = new QHBoxLayout(keptBar_);
    kept->setContentsMargins({});
    family = new QComboBox(keptBar_);
    family->setAccessibleName(u"数え方"_s);
    family->addItems({u"0ch+ 互換の数え方"_s, u"5ちゃんねるの数え方"_s});
    refresh = new QPushButton(u"更新"_s, keptBar_);
    remove = new QPushButton(u"削除"_s, keptBar_);
    kept->addWidget(family, 1);
    kept->addWidget(refresh);
    kept->addWidget(remove);
    layout->addWidget(keptBar_);
    addBar_ = new QWidget(this);
    auto *adding = new QHBoxLayout(addBar_);
    adding->setContentsMargins({});
    address = new QLineEdit(addBar_);
    address->setAccessibleName(u"掲示板かスレッドのアドレス"_s);
    address->setPlaceholderText(u"https://…/test/read.cgi/… か https://…/板/"_s);
    read = new QPushButton(u"読み込む"_s, addBar_);
    stopReading = new QPushButton(u"やめる"_s, addBar_);
    stopReading->setEnabled(false);
    adding->addWidget(address, 1);
    adding->addWidget(read);
    adding->addWidget(stopReading);
    layout->addWidget(addBar_);
    offered = new QPushButton(this);
    layout->addWidget(offered);
    boardNote = new QLabel(this);
    boardNote->setWordWrap(true);
    layout->addWidget(boardNote);
    fillChooser(0);

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

    connect(board, &QComboBox::currentIndexChanged, this, &PostCheckWindow::boardChosen);
    connect(family, &QComboBox::activated, this, &PostCheckWindow::familyChosen);
    connect(refresh, &QPushButton::clicked, this, &PostCheckWindow::refreshBoard);
    connect(remove, &QPushButton::clicked, this, &PostCheckWindow::removeBoard);
    connect(read, &QPushButton::clicked, this, &PostCheckWindow::readTyped);
    connect(address, &QLineEdit::returnPressed, this, &PostCheckWindow::readTyped);
    connect(stopReading, &QPushButton::clicked, this, [this] {
        services_.web.cancel();
        stopReading->setEnabled(false);
        boardNote->setText(u"読み込みをやめました。"_s);
    });
    connect(offered, &QPushButton::clicked, this, [this] {
        if (const auto found = post::boardAddressOf(services_.clipboard.text()))
            readBoard(*found, -1);
    });
    connect(newThread, &QCheckBox::toggled, this, &PostCheckWindow::recheck);
    for (QLineEdit *line : {fields_.name, fields_.mail, fields_.title})
        connect(line, &QLineEdit::textChanged, this, &PostCheckWindow::recheck);
    connect(fields_.comment, &QPlainTextEdit::textChanged, this, &PostCheckWindow::recheck);
    connect(findings, &QListWidget::itemSelectionChanged, this, &PostCheckWindow::selectFinding);
    connect(fix, &QPushButton::clicked, this, &PostCheckWindow::fixFinding);
    connect(split, &QPushButton::clicked, this, &PostCheckWindow::showParts);
    boardChosen();
}

void PostCheckWindow::open()
{
    if (!isVisible()) {
        // A board's address on the clipboard (the thread the poster copied) is offered, not read.
        const auto found = post::boardAddressOf(services_.clipboard.text());
        const bool known =
            found && std::any_of(kept_.begin(), kept_.end(), [&](const KeptBoard &k) {
                return k.address == found->board;
            });
        offered->setVisible(found && !known);
        if (found && !known)
            offered->setText(u"クリップボードの掲示板を追加: %1"_s.arg(found->board.toString()));
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

int PostCheckWindow::chosenKept() const
{
    const int index = board->currentIndex() - int(boards_.size());
    return index >= 0 && index < int(kept_.size()) ? index : -1;
}

Board PostCheckWindow::chosenBoard() const
{
    if (const int kept = chosenKept(); kept >= 0)
        return {nameOf(kept_[std::size_t(kept)]),
                post::parseSettings(kept_[std::size_t(kept)].settingText),
                kept_[std::size_t(kept)].family};
    const int preset = board->currentIndex();
    return boards_[std::size_t(preset >= 0 && preset < int(boards_.size()) ? preset : 0)];
}

// The presets, the boards added, and the entry that adds one.
void PostCheckWindow::fillChooser(int current)
{
    const QSignalBlocker quiet(board);
    board->clear();
    for (const Board &each : boards_)
        board->addItem(each.name);
    for (const KeptBoard &each : kept_)
        board->addItem(nameOf(each));
    board->addItem(u"掲示板を追加…"_s);
    board->setCurrentIndex(current);
}

void PostCheckWindow::boardChosen()
{
    const int kept = chosenKept();
    const bool adding = board->currentIndex() == board->count() - 1;
    keptBar_->setVisible(kept >= 0);
    addBar_->setVisible(adding);
    QString note;
    if (kept >= 0) {
        const KeptBoard &chosen = kept_[std::size_t(kept)];
        family->setCurrentIndex(chosen.family == post::Family::FiveCh ? 1 : 0);
        note = u"%1 の設定（%2 に読み込み）"_s.arg(
            chosen.address.toString(), chosen.readAt.toLocalTime().toString(u"yyyy-MM-dd HH:mm"_s));
        const QStringList ignored = post::parseSettings(chosen.settingText).ignored;
        if (!ignored.isEmpty())
            note += u"\n使えない値のため無視した設定: "_s + ignored.join(u"、"_s);
    } else if (adding) {
        address->setFocus();
    }
    boardNote->setText(note);
    recheck();
}

// Reads the board's SETTING.TXT: as a new entry, or in place of the one at `replacing`. Whatever
// fails, the entry in use stays as it was.
void PostCheckWindow::readBoard(const post::BoardAddress &found, int replacing)
{
    const QUrl url = found.settingText();
    boardNote->setText(u"%1 を読み込んでいます…"_s.arg(url.toString()));
    stopReading->setEnabled(true);
    services_.web.get(url, [this, found, replacing, url](const os::FetchAnswer &answer) {
        stopReading->setEnabled(false);
        const QString why = answer.bytes ? post::whyNotSettings(*answer.bytes) : answer.reason;
        if (!why.isEmpty()) {
            boardNote->clear();
            services_.dialogs.inform(
                u"「%1」を読めませんでした。\n理由: %2"_s.arg(url.toString(), why));
            return;
        }
        KeptBoard kept{found.board, found.family, QDateTime::currentDateTimeUtc(), *answer.bytes};
        int at = replacing;
        if (at >= 0) {
            kept.family = kept_[std::size_t(at)].family; // as the user chose it
            kept_[std::size_t(at)] = kept;
        } else {
            kept_.push_back(kept);
            at = int(kept_.size()) - 1;
        }
        offered->hide();
        address->clear();
        keep();
        fillChooser(int(boards_.size()) + at);
        boardChosen();
    });
}

void PostCheckWindow::readTyped()
{
    const auto found = post::boardAddressOf(address->text());
    if (!found) {
        services_.dialogs.inform(
            u"「%1」は掲示板やスレッドのアドレスではありません。"_s.arg(address->text().trimmed()));
        return;
    }
    const auto known = std::find_if(kept_.begin(), kept_.end(),
                                    [&](const KeptBoard &k) { return k.address == found->board; });
    readBoard(*found, known == kept_.end() ? -1 : int(known - kept_.begin()));
}

void PostCheckWindow::refreshBoard()
{
    if (const int kept = chosenKept(); kept >= 0)
        readBoard({kept_[std::size_t(kept)].address, kept_[std::size_t(kept)].family}, kept);
}

void PostCheckWindow::removeBoard()
{
    const int kept = chosenKept();
    if (kept < 0
        || !services_.dialogs.confirm(
            u"「%1」を一覧から削除しますか？"_s.arg(nameOf(kept_[std::size_t(kept)]))))
        return;
    kept_.erase(kept_.begin() + kept);
    keep();
    fillChooser(0);
    boardChosen();
}

void PostCheckWindow::familyChosen()
{
    if (const int kept = chosenKept(); kept >= 0) {
        kept_[std::size_t(kept)].family =
            family->currentIndex() == 1 ? post::Family::FiveCh : post::Family::ZeroChPlus;
        keep();
        recheck();
    }
}

bool PostCheckWindow::keep()
{
    QString file;
    os::FileError error;
    if (store_.save(kept_, &file, &error))
        return true;
    os::reportFileFailure(services_, os::FileFailure::NotSaved, file, error.reason());
    return false;
}

void PostCheckWindow::recheck()
{
    const Board chosen = chosenBoard();
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
        const Board chosen = chosenBoard();
        const post::CheckResult part =
            post::checkPost({{}, {}, {}, parts_[i]}, chosen.settings, chosen.family);
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
        connect(clip, &QPushButton::clicked, this,
                [this, text] { services_.clipboard.putText(text); });
        layout->addWidget(clip);
        partsLayout_->addWidget(line);
    }
}

} // namespace check
