#include "platform/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

namespace {

QMessageBox::StandardButton showMessage(const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, text, buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void MessageBoxDialogs::inform(const QString &text) { showMessage(text, QMessageBox::Ok); }

bool MessageBoxDialogs::confirm(const QString &text)
{
    return showMessage(text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QString MessageBoxDialogs::ask(const QString &prompt)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), applicationTitle,
                                                 prompt, QLineEdit::Normal, QString(), &accepted);
    return accepted ? answer : QString();
}

} // namespace platform
