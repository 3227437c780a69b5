#pragma once

#include <QApplication>
#include <QPointer>

#include <memory>

// The application object. The first process of a program copy becomes the
// primary instance; later ones find it through a named shared-memory block and
// a local socket, announce themselves and end. Also holds the interface scale
// factor and the program's current top-level window.
class XApplication : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY(XApplication)

public:
    enum Option
    {
        PerUser = 1,
        NotifyPrimary = 4,
        NoVersionInKey = 8,
        NoPathInKey = 16
    };

    XApplication(int& argc, char** argv, bool allowSecondary = false, int options = NotifyPrimary,
                 int timeoutMs = 1000, const QString& userData = QString());
    ~XApplication() override;

    bool isSecondary() const;
    qint64 primaryPid() const;
    quint32 instanceId() const;
    QString blockName() const;

    QWidget* currentWindow() const;
    void setCurrentWindow(QWidget* window);

    double scaleX() const;
    double scaleY() const;

    // Gives up the primary role and the shared block at once. The quit path
    // calls it because it ends the process without running destructors.
    void releaseInstance();

    // A secondary's message to the primary, which emits receivedMessage.
    // False when the primary did not take it within `timeoutMs`.
    bool sendMessage(const QByteArray& message, int timeoutMs = 1000);

    // Scale factor for a ratio of logical DPI to 96.
    static double scaleForRatio(double ratio);
    // Name of the shared block and the local server for these inputs.
    static QString makeBlockName(const QString& applicationName, const QString& organizationName,
                                 const QString& organizationDomain, const QStringList& userData,
                                 const QString& version, const QString& executablePath,
                                 const QString& userName, int options);
    // The account name of this process's user.
    static QString userName();

signals:
    void instanceStarted();
    void receivedMessage(quint32 instanceId, const QByteArray& message);

private:
    struct Private;
    std::unique_ptr<Private> d;
    QPointer<QWidget> m_currentWindow;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
};
