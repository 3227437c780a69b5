// The resource manifest a resource server sends: its records, their names
// (which must stay inside their folders) and the addresses built from them
// (which must stay on the configured server).

#include "fuzzsupport.h"
#include "resourcesync.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::scratch();
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QJsonObject manifest = QJsonDocument::fromJson(body).object();
    const QString server = QStringLiteral("https://resources.example.org:8443/base");
    const auto table = ResourceSync::parseManifest(manifest, server);
    const QString folder = fuzz::scratch() + QStringLiteral("/resources");
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        for (const ResourceSync::Record& record : it.value()) {
            const QUrl url(record.url);
            if (url.scheme() != QLatin1String("https") ||
                url.host() != QLatin1String("resources.example.org") || url.port() != 8443)
                std::abort(); // a record that leads off the configured server
            const QString local = ResourceSync::categoryFolder(folder, it.key()) + record.name;
            if (!QDir::cleanPath(local).startsWith(folder + QLatin1Char('/')))
                std::abort(); // a record written outside the resources folder
        }
    }
    return 0;
}
