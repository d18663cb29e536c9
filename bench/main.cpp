// quillo-bench: the speed and memory of the program's paths on large text, each against a
// baseline measured in the same process. Without arguments every case runs; name cases to run
// only those, and --sizes=1,10 to choose the sizes in megabytes. Each case and size runs in a
// process of its own (this executable again, with --case), so that one's peak memory does not
// hide another's.

#include "keystrokecase.h"
#include "pathcases.h"
#include "postcheckcase.h"
#include "report.h"
#include "startupcase.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of its own, as the tests have, rather than the user's.
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    const QString executable = arguments.takeFirst();
    if (arguments.size() == 3 && arguments[0] == u"--case") {
        const qsizetype megabytes = arguments[2].toLongLong();
        return runPathCase(arguments[1], megabytes) || runStartupCase(arguments[1], megabytes)
                       || runKeystrokeCase(arguments[1], megabytes)
                       || runPostCheckCase(arguments[1], megabytes)
                   ? 0
                   : 2;
    }
    return runReport(executable, arguments);
}
