#pragma once

#include "os/browser.h"

#include <QList>
#include <QUrl>

// A browser that records every page it is asked to show; it starts unless told otherwise.
class RecordingBrowser final : public os::Browser
{
public:
    bool showPage(const QUrl &page) override
    {
        shown.append(page);
        return starts;
    }

    QList<QUrl> shown;
    bool starts = true;
};
