#include "realtime.h"

#include "spdlog_qt"

#include <QDBusConnection>
#include <QDBusMessage>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <thread>

namespace Realtime {
namespace {

constexpr int kRequestTimeoutMs = 1000;
// RealtimeKit grants real-time only to processes that limit it: a thread that
// spins longer than this without sleeping gets SIGXCPU instead of freezing the desktop.
constexpr rlim_t kRealtimeBudgetUs = 200000;

void askRealtimeKit(pid_t thread)
{
    rlimit limit{kRealtimeBudgetUs, kRealtimeBudgetUs};
    if (setrlimit(RLIMIT_RTTIME, &limit) != 0) {
        LogInfo("[voice] the voice thread runs at normal priority (no time limit for real-time)");
        return;
    }
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        LogInfo("[voice] the voice thread runs at normal priority (no system bus for RealtimeKit)");
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.RealtimeKit1"), QStringLiteral("/org/freedesktop/RealtimeKit1"),
        QStringLiteral("org.freedesktop.RealtimeKit1"), QStringLiteral("MakeThreadRealtime"));
    call << static_cast<qulonglong>(thread) << static_cast<uint>(kPriority);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kRequestTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        LogInfo(QStringLiteral("[voice] the voice thread runs at normal priority (RealtimeKit: %1)")
                    .arg(reply.errorMessage()));
    else
        LogInfo("[voice] the voice thread runs at real-time priority (through RealtimeKit)");
}

} // namespace

void raiseCurrentThread(const char* name)
{
    pthread_setname_np(pthread_self(), name);
    sched_param param{};
    param.sched_priority = kPriority;
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0)
        return;
    const auto thread = static_cast<pid_t>(syscall(SYS_gettid));
    std::thread(&askRealtimeKit, thread).detach();
}

} // namespace Realtime
