#include "widgets/windowplace.h"

#include "os/filesystem.h"
#include "text/linereader.h"
#include "text/textcodec.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <optional>

namespace widgets {

namespace {

struct Place
{
    QPoint topLeft;
    QString screenName;
};

std::optional<Place> placeFromRecord(const QString &record)
{
    const QStringList lines = text::splitLines(record);
    if (lines.size() != 2)
        return std::nullopt;
    const QStringList numbers = lines[0].split(u',');
    bool xRead = false;
    bool yRead = false;
    const int x = numbers.value(0).toInt(&xRead);
    const int y = numbers.value(1).toInt(&yRead);
    if (numbers.size() != 2 || !xRead || !yRead)
        return std::nullopt;
    return Place{{x, y}, lines[1]};
}

QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

// Enough of the window's top edge, where its title bar is, lies on the screen to drag it by.
bool canBeTakenHoldOf(const QRect &window, const QRect &screen)
{
    constexpr int grip = 40;
    const QRect topEdge = QRect(window.topLeft(), QSize(window.width(), grip)).intersected(screen);
    return topEdge.width() >= grip && topEdge.height() >= grip / 2;
}

} // namespace

WindowPlace::WindowPlace(os::FileSystem &files, QString recordPath)
    : files_(files)
    , recordPath_(std::move(recordPath))
{}

void WindowPlace::restore(QWidget &window) const
{
    os::FileError error;
    if (files_.isPresentFile(recordPath_)) {
        if (const auto bytes = files_.read(recordPath_, &error)) {
            if (const auto place = placeFromRecord(text::decodeText(*bytes))) {
                const QScreen *screen = screenNamed(place->screenName);
                if (screen
                    && canBeTakenHoldOf(QRect(place->topLeft, window.size()),
                                        screen->availableGeometry())) {
                    window.move(place->topLeft);
                    return;
                }
            }
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void WindowPlace::keep(const QWidget &window)
{
    const QString record = QStringLiteral("%1,%2").arg(window.x()).arg(window.y()) + text::crLf
                           + window.screen()->name() + text::crLf;
    os::FileError error;
    files_.write(recordPath_, text::encodeText(record), &error);
}

} // namespace widgets
