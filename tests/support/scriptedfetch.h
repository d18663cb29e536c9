#pragma once

#include "os/webfetch.h"

#include <QMap>

// Web requests answered by script, from a map of addresses to answers, a moment later as a
// server's would be; an address not in it is a host not found. Every request is recorded.
class ScriptedFetch final : public os::WebFetch
{
public:
    QMap<QUrl, os::FetchAnswer> answers;
    QList<QUrl> asked;

    void get(const QUrl &url, std::function<void(const os::FetchAnswer &)> answered) override
    {
        asked.append(url);
        const os::FetchAnswer answer =
            answers.value(url, {std::nullopt, QStringLiteral("サーバーが見つかりません。")});
        ++pending_;
        QMetaObject::invokeMethod(
            this,
            [this, answer, answered, request = pending_] {
                if (request == pending_)
                    answered(answer);
            },
            Qt::QueuedConnection);
    }
    void cancel() override { ++pending_; }

private:
    int pending_ = 0;
};
