#pragma once

#include <chrono>

class QUrl;

namespace os {

// The user's web browser.
class Browser
{
public:
    virtual ~Browser() = default;

    // Shows the page in the browser. False when no browser could be started.
    virtual bool showPage(const QUrl &page) = 0;
};

// The user's default browser, started by the desktop for the page's URL: no command line is ever
// built from the page's name.
class DesktopBrowser final : public Browser
{
public:
    // How long the desktop's opener may take to say that it found no browser.
    explicit DesktopBrowser(std::chrono::milliseconds openerWait = std::chrono::seconds(3))
        : openerWait_(openerWait)
    {}

    bool showPage(const QUrl &page) override;

private:
    std::chrono::milliseconds openerWait_;
};

} // namespace os
