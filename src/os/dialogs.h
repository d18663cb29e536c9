#pragma once

#include <QString>

namespace os {

// The caption of every message box and input box of the program.
inline const QString applicationTitle = QStringLiteral("Quillo");

// Message and input boxes: modal, captioned with the application title, without an icon.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // An information message with an OK button only.
    virtual void inform(const QString &text) = 0;
    // A question with OK and Cancel; true only for OK (Cancel, Escape and the close box are no).
    virtual bool confirm(const QString &text) = 0;
    // A question with Yes, the default, and No; true only for Yes (No, Escape and the close box
    // are no).
    virtual bool askYesNo(const QString &text) = 0;
    // An input box with an empty default; Cancel gives the empty text, like an empty answer.
    virtual QString ask(const QString &prompt) = 0;
    // A message of something that went wrong in the background, with an OK button: it does not
    // wait, and it opens without taking the keyboard, so that the Enter or Space being typed
    // into a field does not close it unread.
    virtual void notify(const QString &text) = 0;
};

// The real boxes, in front of whichever window of the program is active.
class MessageBoxDialogs final : public Dialogs
{
public:
    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
    bool askYesNo(const QString &text) override;
    QString ask(const QString &prompt) override;
    void notify(const QString &text) override;
};

} // namespace os
