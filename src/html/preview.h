#pragma once

#include <QString>

namespace platform {
struct Services;
}

namespace html {

// check.txt: the comment as it stands inside the page frame, one line for the head and one for
// the foot.
QString previewSource(const QString &comment);
// check.html: the lines of the source with "<br>" at the end of every line but the last.
QString previewPage(QStringView source);

// IE: writes check.txt and check.html into the Data folder and shows the page in the browser.
// Tags in the comment are not escaped: seeing them work is the point. The page stays in the
// scratch afterwards.
void showPreview(platform::Services &services, const QString &dataFolder, const QString &comment,
                 QString &scratch);

} // namespace html
