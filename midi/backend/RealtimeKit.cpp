#include "RealtimeKit.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QVariant>
#include <algorithm>
#include <sys/resource.h>

namespace midi {

bool askRealtimeKit(pid_t tid) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface kit(QStringLiteral("org.freedesktop.RealtimeKit1"),
                       QStringLiteral("/org/freedesktop/RealtimeKit1"),
                       QStringLiteral("org.freedesktop.RealtimeKit1"), bus);
    if (!kit.isValid())
        return false;
    int priority = RealtimePriority;
    const QVariant maximum = kit.property("MaxRealtimePriority");
    if (maximum.isValid())
        priority = std::min(priority, maximum.toInt());
    if (priority <= 0)
        return false;
    const QVariant maxTime = kit.property("RTTimeUSecMax");
    rlimit limit{};
    const rlim_t allowed = maxTime.isValid() ? static_cast<rlim_t>(maxTime.toLongLong()) : 200000;
    limit.rlim_cur = limit.rlim_max = allowed;
    if (setrlimit(RLIMIT_RTTIME, &limit) != 0)
        return false;
    const QDBusReply<void> reply =
        kit.call(QStringLiteral("MakeThreadRealtime"), static_cast<quint64>(tid),
                 static_cast<quint32>(priority));
    return reply.isValid();
}

} // namespace midi
