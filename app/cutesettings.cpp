#include "cutesettings.h"

#include "savereport.h"

#include "resourceseed.h"

#include "spdlog_qt"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCodec>

#include <cstring>

namespace {

enum class DefaultKind
{
    Invalid,
    Text,
    Bool,
    Int,
    List,
    MusicFolder
};

struct SettingKey
{
    const char* name; // "%1" stands for a number
    SettingsScope scope;
    DefaultKind kind;
    int number;
};

constexpr SettingKey kSettingKeys[] = {
    {"InputName", Ini, DefaultKind::Text, 0},
    {"OutputName", Ini, DefaultKind::Text, 0},
    {"DenoiseEnable", Ini, DefaultKind::Bool, 0},
    {"DenoiseValue", Ini, DefaultKind::Int, 25},
    {"GroupId", Ini, DefaultKind::Int, 1},
    {"EffectId", Ini, DefaultKind::Int, 0},
    {"EFNL", Ini, DefaultKind::List, 0},
    {"ECNL", Ini, DefaultKind::List, 0},
    {"SFNL", Ini, DefaultKind::List, 0},
    {"SINL", Ini, DefaultKind::List, 0},
    {"SGID", Ini, DefaultKind::Int, 0},
    {"SID", Ini, DefaultKind::Int, 0},
    {"Overlay", Ini, DefaultKind::Bool, 0},
    {"ImportPath", Ini, DefaultKind::MusicFolder, 0},
    {"SSC", Ini, DefaultKind::Bool, 1},
    {"ResourceServer", Ini, DefaultKind::Text, 0},
    {"UpdateServer", Ini, DefaultKind::Text, 0},
    {"WebSite", Ini, DefaultKind::Text, 0},
    {"AnalyticsEndpoint", Ini, DefaultKind::Text, 0},
    {"AnalyticsMeasurementId", Ini, DefaultKind::Text, 0},
    {"CrashReportServer", Ini, DefaultKind::Text, 0},
    {"Language", Native, DefaultKind::Int, 0},
    {"firstLaunch", Native, DefaultKind::Bool, 1},
    {"AppFirstCycle", Native, DefaultKind::Bool, 1},
    {"LastClickedEffect", Transient, DefaultKind::Invalid, 0},
    {"LastClickedSound", Transient, DefaultKind::Invalid, 0},
    {"CustomName", Transient, DefaultKind::Invalid, 0},
    {"volume_%1", Transient, DefaultKind::Int, 50},
    {"loop_%1", Transient, DefaultKind::Int, 1},
    {"mute_%1", Transient, DefaultKind::Int, 1},
    {"otherMute_%1", Transient, DefaultKind::Int, 1},
};

struct ConfigKey
{
    const char* key;
    const char* environment;
};

constexpr ConfigKey kConfigKeys[] = {
    {"ResourceServer", "ZELVANI_RESOURCE_SERVER"},
    {"UpdateServer", "ZELVANI_UPDATE_SERVER"},
    {"WebSite", "ZELVANI_WEBSITE"},
    {"AnalyticsEndpoint", "ZELVANI_ANALYTICS_ENDPOINT"},
    {"AnalyticsMeasurementId", "ZELVANI_ANALYTICS_MEASUREMENT_ID"},
    {"CrashReportServer", "ZELVANI_CRASH_REPORT_SERVER"},
};

bool matches(const char* pattern, const QString& key)
{
    const char* placeholder = std::strstr(pattern, "%1");
    if (!placeholder)
        return key == QLatin1String(pattern);
    const QLatin1String prefix(pattern, static_cast<int>(placeholder - pattern));
    if (!key.startsWith(prefix) || key.size() == prefix.size())
        return false;
    bool ok = false;
    key.midRef(prefix.size()).toLongLong(&ok);
    return ok;
}

const SettingKey* findKey(const QString& key)
{
    for (const SettingKey& entry : kSettingKeys) {
        if (matches(entry.name, key))
            return &entry;
    }
    return nullptr;
}

QString ensureFolder(const QString& path)
{
    QDir().mkpath(path);
    return QDir::cleanPath(path);
}

const char* scopeName(int scope)
{
    return scope == Native ? "the native settings store" : "appconfig.ini";
}

} // namespace

struct CuteSettings::Private
{
    QHash<QString, QVariant> transient;
    // Values written while a permanent store could not be read (garbage or no
    // access). The file is left untouched so nothing in it is lost; the values
    // live here until the process ends.
    QHash<QString, QVariant> unsaved[3];
    bool reported[3] = {false, false, false};
    // The last file state checked per store, and whether it was healthy.
    QString checkedSignature[3];
    bool checkedHealthy[3] = {true, true, true};
    QHash<int, QString> files;

    std::unique_ptr<QSettings> open(int scope) const
    {
        if (scope == Native)
            return std::make_unique<QSettings>(QCoreApplication::organizationName(),
                                               QCoreApplication::applicationName());
        CuteSettings::configPath();
        return std::make_unique<QSettings>(files.value(Ini), QSettings::IniFormat);
    }

    static QString signature(const QString& path)
    {
        const QFileInfo info(path);
        return QStringLiteral("%1/%2/%3")
            .arg(info.isDir())
            .arg(info.size())
            .arg(info.lastModified().toMSecsSinceEpoch());
    }

    // False when the store's file cannot be read or holds lines a rewrite would
    // drop; such a file is never written. Qt caches parsed files between settings
    // objects and does not report a file that turned bad under the cache, so
    // the file is checked here, once per change of size or time.
    bool usable(int scope, const QSettings& store)
    {
        if (store.status() == QSettings::AccessError)
            return false;
        const QString path = store.fileName();
        const QString current = signature(path);
        if (current != checkedSignature[scope]) {
            checkedSignature[scope] = current;
            const QFileInfo info(path);
            if (!info.exists()) {
                checkedHealthy[scope] = true;
            } else {
                QFile file(path);
                checkedHealthy[scope] = info.isFile() && file.open(QIODevice::ReadOnly) &&
                                        CuteSettings::isWellFormedIni(file.readAll());
            }
        }
        return checkedHealthy[scope];
    }

    // Why a settings file cannot be written, in a few words.
    static QString writeProblem(const QString& path)
    {
        const QFileInfo file(path);
        if (!QFileInfo(file.absolutePath()).isWritable())
            return QStringLiteral("the folder is read-only");
        if (file.exists() && !file.isWritable())
            return QStringLiteral("the file is read-only");
        return file.exists() && !file.isFile() ? QStringLiteral("not a settings file")
                                               : QStringLiteral("the disk may be full");
    }

    void reportBroken(int scope, const QSettings& store)
    {
        if (reported[scope])
            return;
        reported[scope] = true;
        LogError(QStringLiteral("[Settings] %1 (%2) cannot be used (%3); changes are kept until the program "
                                "ends and the file is left as it is.")
                     .arg(QLatin1String(scopeName(scope)), store.fileName(), writeProblem(store.fileName())));
    }
};

CuteSettings::CuteSettings() : d(std::make_unique<Private>())
{
    configPath();
    d->files.insert(Ini, settingsFile());
    // A folder that cannot be written is said at once: the program starts
    // with what it can read and keeps changes until it ends.
    const QString file = settingsFile();
    if (!QFileInfo(QFileInfo(file).absolutePath()).isWritable()) {
        LogError(QStringLiteral("[Settings] %1 cannot be written: the folder is read-only").arg(file));
        SaveReport::instance()->failed(file, Private::writeProblem(file));
    }
}

CuteSettings::~CuteSettings() = default;

CuteSettings* CuteSettings::instance()
{
    static CuteSettings* settings = new CuteSettings;
    return settings;
}

QVariant CuteSettings::value(const QString& key, const QVariant& defaultValue, int scope) const
{
    if (scope == Transient)
        return d->transient.value(key, defaultValue);
    if (scope != Native && scope != Ini)
        return defaultValue;
    if (d->unsaved[scope].contains(key))
        return d->unsaved[scope].value(key);
    // A damaged file still yields whatever keys Qt can make out of it.
    const auto store = d->open(scope);
    if (store->status() == QSettings::AccessError)
        return defaultValue;
    return store->value(key, defaultValue);
}

QVariant CuteSettings::value(const QString& key) const
{
    return value(key, defaultValue(key), defaultScope(key));
}

void CuteSettings::setValue(const QString& key, const QVariant& value, int scope)
{
    if (scope == Transient) {
        d->transient.insert(key, value);
        return;
    }
    if (scope != Native && scope != Ini)
        return;
    const auto store = d->open(scope);
    if (d->usable(scope, *store)) {
        store->setValue(key, value);
        store->sync();
    }
    if (!d->usable(scope, *store)) {
        d->reportBroken(scope, *store);
        d->unsaved[scope].insert(key, value);
        SaveReport::instance()->failed(store->fileName(), d->writeProblem(store->fileName()));
        return;
    }
    d->unsaved[scope].remove(key);
}

bool CuteSettings::isWellFormedIni(const QByteArray& text)
{
    if (text.contains('\0'))
        return false;
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(text.constData(), text.size(), &state);
    if (state.invalidChars > 0)
        return false;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']'))
                return false;
            continue;
        }
        if (line.indexOf('=') <= 0)
            return false;
    }
    return true;
}

QVariant CuteSettings::defaultValue(const QString& key)
{
    const SettingKey* entry = findKey(key);
    if (!entry)
        return {};
    switch (entry->kind) {
    case DefaultKind::Invalid:
        return {};
    case DefaultKind::Text:
        return QString();
    case DefaultKind::Bool:
        return entry->number != 0;
    case DefaultKind::Int:
        return entry->number;
    case DefaultKind::List:
        return QVariantList();
    case DefaultKind::MusicFolder:
        return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    }
    return {};
}

int CuteSettings::defaultScope(const QString& key)
{
    const SettingKey* entry = findKey(key);
    return entry ? entry->scope : -1;
}

QStringList CuteSettings::knownKeys()
{
    QStringList keys;
    for (const SettingKey& entry : kSettingKeys)
        keys << QString::fromLatin1(entry.name);
    return keys;
}

QString CuteSettings::configEnvironmentVariable(const QString& key)
{
    for (const ConfigKey& entry : kConfigKeys) {
        if (key == QLatin1String(entry.key))
            return QString::fromLatin1(entry.environment);
    }
    return {};
}

QString CuteSettings::configValue(const QString& key) const
{
    const QString variable = configEnvironmentVariable(key);
    if (!variable.isEmpty() && qEnvironmentVariableIsSet(variable.toLatin1().constData()))
        return qEnvironmentVariable(variable.toLatin1().constData()).trimmed();
    return value(key, QString(), Ini).toString().trimmed();
}

QString CuteSettings::dataPath()
{
    return ensureFolder(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

QString CuteSettings::configPath()
{
    return ensureFolder(dataPath() + QStringLiteral("/config"));
}

QString CuteSettings::logPath()
{
    return ensureFolder(dataPath() + QStringLiteral("/log"));
}

QString CuteSettings::resourcesPath()
{
    // An installed program works on a per-user copy of its read-only bundle,
    // brought up to date once per process (even when run by root, who could
    // write under the prefix).
    const QString installed = ResourceSeed::installedResources(QCoreApplication::applicationDirPath());
    if (!installed.isEmpty()) {
        static const QString copy = [&installed] {
            const QString folder = ensureFolder(dataPath() + QStringLiteral("/resources"));
            const ResourceSeed::Result result = ResourceSeed::seed(installed, folder);
            if (result.copied || result.refreshed || result.kept)
                LogInfo(
                    QStringLiteral("[Resources] per-user copy seeded from %1: %2 copied, %3 refreshed, %4 "
                                   "kept as the user's")
                        .arg(installed)
                        .arg(result.copied)
                        .arg(result.refreshed)
                        .arg(result.kept));
            if (result.failed)
                LogError(QStringLiteral("[Resources] %1 files of %2 not seeded into %3; first: %4")
                             .arg(result.failed)
                             .arg(installed, folder, result.error));
            return folder;
        }();
        return copy;
    }
    // Beside the executable when that place is ours to write (a build tree or a
    // portable copy); otherwise a per-user folder in the data folder.
    const QString besideExecutable = QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
    const QFileInfo info(besideExecutable);
    if (info.isDir() ? info.isWritable() : QFileInfo(QCoreApplication::applicationDirPath()).isWritable())
        return ensureFolder(besideExecutable);
    return ensureFolder(dataPath() + QStringLiteral("/resources"));
}

QString CuteSettings::settingsFile()
{
    return configPath() + QStringLiteral("/appconfig.ini");
}
