#include "postcheckcase.h"

#include "measurement.h"
#include "post/postcheck.h"
#include "posttext.h"
#include "text/textcodec.h"

#include <QElapsedTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int runs = 51;

template <typename Work> double medianSeconds(Work &&work)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e9;
    }
    return median(times);
}

} // namespace

bool runPostCheckCase(const QString &name, qsizetype kilobytes)
{
    if (name != u"postcheck"_s)
        return false;
    const post::Post checked{u"名無し#trip"_s, u"sage"_s, u"スレッド"_s,
                             postText(kilobytes * 1024)};
    const post::BoardSettings settings;
    qsizetype sink = 0;
    const double program = medianSeconds([&] {
        sink += post::checkPost(checked, settings, post::Family::ZeroChPlus)
                    .row(post::Check::Comment)
                    .count;
    });
    const double baseline =
        medianSeconds([&] { sink += text::encodeText(checked.comment).size(); });
    std::printf("%s %lld %lld %.9f %.9f 0 0 0 0\n", qPrintable(name),
                static_cast<long long>(kilobytes),
                static_cast<long long>(sink % 2 + checked.comment.size()), program, baseline);
    return true;
}
