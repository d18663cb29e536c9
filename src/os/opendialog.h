#pragma once

#include <QString>

#include <optional>

namespace os {

// The system's Open dialog, modal in front of whichever window of the program is active.
class OpenDialog
{
public:
    virtual ~OpenDialog() = default;

    // Lets the user choose one existing file among those the pattern ("*.txt") lists. The dialog
    // starts on the offered file, or in the start folder when none is offered. The full path of
    // the file chosen, or nothing when the user cancels.
    virtual std::optional<QString> chooseFile(const QString &offered, const QString &pattern) = 0;
};

// The real dialog. Its start folder is "c:\" where that exists, else the user's home folder.
class FileOpenDialog final : public OpenDialog
{
public:
    std::optional<QString> chooseFile(const QString &offered, const QString &pattern) override;
};

} // namespace os
