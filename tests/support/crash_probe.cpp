// Sets up crash reporting the way the program does, then fails on demand.
//
//   crash_probe <log folder> <kind>
//
// kind: segv, abort, terminate, badalloc, stackoverflow, thread-segv,
// thread-stackoverflow, wait (for a signal from outside), or
// start (a normal start: waits for the upload of a pending report, if any).

#include "crash_probe.h"
#include "bugsplatproxy.h"
#include "crashreport.h"
#include "spdlogcore.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <pthread.h>
#include <stdexcept>
#include <sys/resource.h>
#include <thread>

// The crash functions are external and not inlined so that their names show
// in the report's stack (the probe exports its symbols).

__attribute__((noinline, no_sanitize("undefined"))) void crashWithNullWrite()
{
    volatile int* volatile target = nullptr;
    *target = 42;
}

__attribute__((noinline)) void crashWithAbort()
{
    std::abort();
}

[[noreturn]] __attribute__((noinline)) void throwRuntimeError()
{
    throw std::runtime_error("probe");
}

__attribute__((noinline)) void crashInNoexcept() noexcept
{
    throwRuntimeError();
}

__attribute__((noinline)) void crashWithHugeAllocation()
{
    // Larger than any address space, so it fails even with overcommit.
    volatile std::size_t size = std::size_t(1) << 62;
    char* volatile memory = new char[size];
    memory[0] = 1;
}

__attribute__((noinline)) int recurseWithoutEnd(int depth)
{
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (depth >= 0)
        return recurseWithoutEnd(depth + 1) + frame[0];
    return frame[0];
}

__attribute__((noinline)) void crashOnWorkerThread()
{
    std::thread worker([] {
        pthread_setname_np(pthread_self(), crashprobe::WorkerName);
        crashWithNullWrite();
    });
    worker.join();
}

__attribute__((noinline)) void overflowOnWorkerThread()
{
    std::thread worker([] {
        pthread_setname_np(pthread_self(), crashprobe::WorkerName);
        crashreport::prepareThread();
        recurseWithoutEnd(0);
    });
    worker.join();
}

namespace {

bool crash(const QByteArray& kind)
{
    if (kind == "segv")
        crashWithNullWrite();
    else if (kind == "abort")
        crashWithAbort();
    else if (kind == "terminate")
        crashInNoexcept();
    else if (kind == "badalloc")
        crashWithHugeAllocation();
    else if (kind == "stackoverflow")
        recurseWithoutEnd(0);
    else if (kind == "thread-segv")
        crashOnWorkerThread();
    else if (kind == "thread-stackoverflow")
        overflowOnWorkerThread();
    else if (kind == "wait")
        std::this_thread::sleep_for(std::chrono::seconds(60));
    else
        return false;
    return true;
}

int waitForUpload(QCoreApplication& app)
{
    BugSplatProxy* proxy = BugSplatProxy::instance();
    if (!proxy->isUploading())
        return crashprobe::ExitNoUpload;
    int result = crashprobe::ExitUploadTimeout;
    QObject::connect(proxy, &BugSplatProxy::uploadFinished, &app, [&result, &app](bool ok) {
        result = ok ? crashprobe::ExitUploaded : crashprobe::ExitUploadFailed;
        app.quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    app.exec();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return crashprobe::ExitUsage;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QByteArray kind = argv[2];

    // The tests look at the report, not at core files.
    const rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);

    InitSpdLogW(L"AppLog.log", folder.toStdWString().c_str());
    const QString application = QStringLiteral("Zelvani Voice Changer");
    const QString version = QStringLiteral("3.1.0");
    BugSplatProxy* proxy = BugSplatProxy::instance();
    proxy->setup(QStringLiteral("%1/%2_v%3.dmp").arg(folder, application, version), folder,
                 QStringLiteral("Dozovo_Dev"), application, version, QString());
    proxy->setDefaultUserDescription(QString::fromUtf8(crashprobe::Description));

    if (kind == "start")
        return waitForUpload(app);
    return crash(kind) ? crashprobe::ExitSurvived : crashprobe::ExitUsage;
}
