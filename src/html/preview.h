#pragma once

#include <QString>
#include <QStringList>

namespace os {
struct Services;
}

namespace html {

// The text of check.txt: the page head, the comment and the page foot, one line each.
QString previewSource(const QString &comment);
// The page of check.html: the lines of the source, "<br>" at the end of every one but the last.
QString previewPage(QStringView source);

// IE: writes check.txt (the comment inside the page frame, one line for the head and one for the
// foot) and check.html (those lines with "<br>" at the end of every one but the last) into the
// Data folder and shows the page in the browser. Tags in the comment are not escaped: seeing them
// work is the point. The page stays in the scratch afterwards.
// The comment is taken by value and let go as soon as the page source holds it.
void showPreview(os::Services &services, const QString &dataFolder, QString comment,
                 QString &scratch);

// The files of the Data folder that IE writes: "check.txt" and "check.html".
QStringList previewFileNames();

} // namespace html
