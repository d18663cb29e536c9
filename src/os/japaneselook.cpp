#include "os/japaneselook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace os {

void installJapaneseLook(QApplication &app)
{
    // Qt's Japanese texts: in a "translations" folder beside the program where it brings its own
    // (on Windows), else where Qt keeps its translations.
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))
        || translator->load(QStringLiteral("qtbase_ja"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    // Without these, fontconfig answers the Windows names with a Latin font.
    QFont::insertSubstitutions(QString::fromUtf8(gothicFace),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QString::fromUtf8(minchoFace),
                               {QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP"),
                                QStringLiteral("IPAMincho")});
    // Windows' fixed-pitch bitmap font: a fixed-pitch face that holds Japanese.
    QFont::insertSubstitutions(
        QStringLiteral("FixedSys"),
        {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
}

} // namespace os
