#include "widgets/labelclick.h"

#include <QLabel>
#include <QMouseEvent>

namespace widgets {

namespace {

class ClickFilter final : public QObject
{
public:
    ClickFilter(QLabel *label, std::function<void()> handler)
        : QObject(label)
        , label_(label)
        , handler_(std::move(handler))
    {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *release = static_cast<QMouseEvent *>(event);
            const bool clicked = pressed_ && release->button() == Qt::LeftButton
                                 && label_->rect().contains(release->position().toPoint());
            pressed_ = false;
            if (clicked)
                handler_();
        }
        return false;
    }

private:
    QLabel *label_;
    std::function<void()> handler_;
    bool pressed_ = false;
};

} // namespace

void onClick(QLabel *label, std::function<void()> handler)
{
    label->installEventFilter(new ClickFilter(label, std::move(handler)));
}

} // namespace widgets
