#pragma once

#include <QObject>

#include <memory>

// Crash reporting for the program: routes every fatal error into one handler
// that writes a report at the dump path (log folder, application name,
// version), and uploads reports left by an earlier run when a report address
// is configured.
class BugSplatProxy : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BugSplatProxy)

public:
    static BugSplatProxy* instance();

    void setup(const QString& dumpPath, const QString& attachmentFolder, const QString& database,
               const QString& application, const QString& version, const QString& appIdentifier);

    void setDefaultUserDescription(const QString& text);
    void setDefaultUserEmail(const QString& text);
    void setDefaultUserName(const QString& text);

    QString dumpPath() const;
    // True while a pending report is being offered to the report address.
    bool isUploading() const;

signals:
    // A pending report was offered to the report address: `ok` says whether it was accepted.
    void uploadFinished(bool ok);

private:
    BugSplatProxy();
    ~BugSplatProxy() override;

    // Offers the report left by an earlier run to the configured report address.
    void uploadPendingReport();
    void onUploadFinished();

    struct Private;
    std::unique_ptr<Private> d;
};
