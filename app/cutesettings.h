#pragma once

#include <QObject>
#include <QVariant>

#include <memory>

// Which store a setting lives in.
enum SettingsScope
{
    Transient = 0, // lost at exit
    Native = 1,    // the platform's settings store of the application
    Ini = 2        // appconfig.ini in the config folder
};

// The one place through which settings are read and written, and the owner of
// the folder layout. Permanent stores are opened afresh for every call, so each
// write is on disk when setValue returns.
class CuteSettings : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CuteSettings)

public:
    static CuteSettings* instance();

    // The stored value, or `defaultValue` when the key is absent or the scope unknown.
    QVariant value(const QString& key, const QVariant& defaultValue, int scope) const;
    // The stored value with the key's own store and default from the key table.
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value, int scope);

    // The key table: default and store of a key ("volume_7" matches "volume_%1").
    // Unknown keys have an invalid default and scope -1.
    static QVariant defaultValue(const QString& key);
    static int defaultScope(const QString& key);
    static QStringList knownKeys();

    // True when every line of an ini text is blank, a comment, a section or a
    // key=value pair, so that rewriting the file loses nothing.
    static bool isWellFormedIni(const QByteArray& text);

    // A server or site setting from appconfig.ini ("ResourceServer", "UpdateServer",
    // "WebSite", "AnalyticsEndpoint", "AnalyticsMeasurementId", "CrashReportServer"),
    // overridden by its environment variable (ZELVANI_RESOURCE_SERVER, ...) when set.
    QString configValue(const QString& key) const;
    static QString configEnvironmentVariable(const QString& key);

    // Folders, created on demand, without a trailing slash.
    static QString dataPath();
    static QString configPath();
    static QString logPath();
    static QString resourcesPath();
    static QString settingsFile();

private:
    CuteSettings();
    ~CuteSettings() override;

    struct Private;
    std::unique_ptr<Private> d;
};
