// appconfig.ini: the check that decides whether the program may rewrite the
// file, then every known key read as the type of its default, through the
// same ini reader the settings store uses.

#include "cutesettings.h"
#include "fuzzsupport.h"

#include <QSettings>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    CuteSettings::isWellFormedIni(text);
    // A new name each time: the ini reader caches files by name, size and time.
    static int serial = 0;
    const QByteArray name = "appconfig-" + QByteArray::number(++serial % 64) + ".ini";
    QFile::remove(fuzz::path(name.constData()));
    const QString file = fuzz::writeFile(name.constData(), data, size);
    {
        QSettings store(file, QSettings::IniFormat);
        static const QStringList keys = CuteSettings::knownKeys();
        for (const QString& key : keys) {
            const QVariant fallback = CuteSettings::defaultValue(key);
            QVariant value = store.value(key, fallback);
            if (fallback.isValid())
                value.convert(fallback.userType());
            value.toString();
        }
        for (const QString& key : store.allKeys())
            store.value(key).toString();
    }
    QFile::remove(file);
    return 0;
}
