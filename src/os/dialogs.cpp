#include "os/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <memory>

namespace os {

namespace {

// The window a box stands in front of: the active one. Right after another box closes no window
// is active yet, and a box without a window would open behind the always-on-top main window,
// out of sight, with the program waiting for it; so then the window in front is taken.
QWidget *boxParent()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    QWidget *shown = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
        if (!shown)
            shown = window;
    }
    return shown;
}

// While a window of the program stays on top (the main window, once another window has put it
// back), a box of a window that does not would open behind it, out of sight, with the program
// waiting for it: then the box stays on top as well.
Qt::WindowFlags inSight()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return Qt::WindowStaysOnTopHint;
    }
    return {};
}

QMessageBox *newMessageBox(const QString &text, QMessageBox::StandardButtons buttons)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, applicationTitle, text, buttons, boxParent(),
                                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | inSight());
    box->setTextFormat(Qt::PlainText);
    return box;
}

QMessageBox::StandardButton showMessage(const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::Ok)
{
    const std::unique_ptr<QMessageBox> box(newMessageBox(text, buttons));
    box->setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

} // namespace

void MessageBoxDialogs::inform(const QString &text) { showMessage(text, QMessageBox::Ok); }

bool MessageBoxDialogs::confirm(const QString &text)
{
    return showMessage(text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool MessageBoxDialogs::askYesNo(const QString &text)
{
    return showMessage(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}

void MessageBoxDialogs::notify(const QString &text)
{
    QMessageBox *box = newMessageBox(text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

QString MessageBoxDialogs::ask(const QString &prompt)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(
        boxParent(), applicationTitle, prompt, QLineEdit::Normal, QString(), &accepted, inSight());
    return accepted ? answer : QString();
}

} // namespace os
