#include "xapplication.h"

#include "kit.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QScreen>
#include <QSharedMemory>
#include <QThread>
#include <QWidget>
#include <QtDebug>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace {

// The record every instance of one program copy shares. Native byte order;
// 146 bytes of record and 6 bytes of padding. The primary flag is kept as a
// byte so that arbitrary contents written by a foreign process stay readable.
struct InstancesBlock
{
    quint8 primary;
    char padding0[3];
    quint32 secondaries;
    qint64 primaryPid;
    char primaryUser[128];
    quint16 checksum;
    char padding1[6];
};
static_assert(sizeof(InstancesBlock) == 152, "shared block size");
static_assert(offsetof(InstancesBlock, primary) == 0, "shared block layout");
static_assert(offsetof(InstancesBlock, secondaries) == 4, "shared block layout");
static_assert(offsetof(InstancesBlock, primaryPid) == 8, "shared block layout");
static_assert(offsetof(InstancesBlock, primaryUser) == 16, "shared block layout");
static_assert(offsetof(InstancesBlock, checksum) == 144, "shared block layout");

enum ConnectionType : quint8
{
    NewInstance = 1,
    SecondaryInstance = 2
};

enum Stage
{
    StageInitialHeader = 0,
    StageInitialBody = 1,
    StageConnectedHeader = 2,
    StageConnectedBody = 3
};

// An announcement is a few dozen bytes; a longer first frame is not ours.
constexpr quint64 kMaxInitialBody = 64 * 1024;
constexpr int kInconsistentResetMs = 5000;
constexpr char kAck = '\n';

void randomSleep()
{
    QThread::msleep(QRandomGenerator::global()->bounded(8u, 18u));
}

quint16 blockChecksum(const InstancesBlock* block)
{
    return qChecksum(reinterpret_cast<const char*>(block), offsetof(InstancesBlock, checksum));
}

void setPrimaryUser(InstancesBlock* block, const QString& name)
{
    QByteArray utf8 = name.toUtf8();
    const int max = int(sizeof(block->primaryUser)) - 1;
    if (utf8.size() > max) {
        // Cut at a character boundary, never inside a multi-byte sequence.
        int cut = max;
        while (cut > 0 && (quint8(utf8.at(cut)) & 0xC0) == 0x80)
            --cut;
        utf8.truncate(cut);
    }
    std::memset(block->primaryUser, 0, sizeof(block->primaryUser));
    std::memcpy(block->primaryUser, utf8.constData(), size_t(utf8.size()));
}

void resetPrimaryFields(InstancesBlock* block)
{
    block->primary = 0;
    block->primaryPid = -1;
    std::memset(block->primaryUser, 0, sizeof(block->primaryUser));
    block->checksum = blockChecksum(block);
}

void initializeBlock(InstancesBlock* block)
{
    std::memset(block, 0, sizeof(InstancesBlock));
    resetPrimaryFields(block);
}

QByteArray frameHeader(quint64 length)
{
    QByteArray header;
    QDataStream stream(&header, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << length;
    return header;
}

// Where a process's executable link points; empty when it cannot be read.
QByteArray executableTarget(const QByteArray& exeLink)
{
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink(exeLink.constData(), buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return QByteArray();
    QByteArray target(buffer.data(), int(n));
    // A binary replaced on disk while it runs still names its old path.
    static const QByteArray deleted(" (deleted)");
    if (target.endsWith(deleted))
        target.chop(deleted.size());
    return target;
}

// A zombie still answers kill() but will never serve its socket again.
bool isZombie(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int paren = line.lastIndexOf(')');
    if (paren < 0 || paren + 2 >= line.size())
        return false;
    const char state = line.at(paren + 2);
    return state == 'Z' || state == 'X';
}

// Whether the process named in the block can still be our primary. A primary
// ended by a signal leaves its block behind with the flag set; its pid is then
// gone or, later, belongs to some other program.
bool primaryIsAlive(qint64 pid, bool compareFileNameOnly)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    if (isZombie(pid))
        return false;

    struct stat theirs;
    const QByteArray theirLink = "/proc/" + QByteArray::number(pid) + "/exe";
    if (::stat(theirLink.constData(), &theirs) != 0)
        return true; // another user's process, or no /proc: trust the block
    struct stat ours;
    if (::stat("/proc/self/exe", &ours) == 0 && ours.st_dev == theirs.st_dev && ours.st_ino == theirs.st_ino)
        return true;

    const QByteArray ownTarget = executableTarget("/proc/self/exe");
    const QByteArray theirTarget = executableTarget(theirLink);
    if (ownTarget.isEmpty() || theirTarget.isEmpty())
        return true;
    // Without the path in the key, copies in other folders share one block.
    if (compareFileNameOnly)
        return ownTarget.mid(ownTarget.lastIndexOf('/') + 1) ==
               theirTarget.mid(theirTarget.lastIndexOf('/') + 1);
    return ownTarget == theirTarget;
}

} // namespace

struct XApplication::Private
{
    struct Connection
    {
        qint64 messageLength = 0;
        quint32 instanceId = 0;
        int stage = StageInitialHeader;
        bool closing = false;
        bool reading = false; // readFrames() runs for it (a write may close it from inside)
    };

    XApplication* q = nullptr;
    QSharedMemory* memory = nullptr;
    QLocalSocket* socket = nullptr;
    QLocalServer* server = nullptr;
    QString blockName;
    int options = 0;
    quint32 instanceNumber = 0;
    QHash<QLocalSocket*, Connection> connections;
    QStringList userData;
    bool released = false;

    InstancesBlock* block() const { return static_cast<InstancesBlock*>(memory->data()); }

    // Ends the process after a failure of the shared block. The block object
    // goes first: a failed create() may have made this process the owner of
    // the block's semaphore, which would otherwise outlive it.
    [[noreturn]] void fail(const char* message, const QString& detail = QString())
    {
        qCritical("%s", message);
        qCritical().noquote().nospace() << "XApplication: " << int(memory->error()) << ' '
                                        << (detail.isNull() ? memory->errorString() : detail);
        delete memory;
        memory = nullptr;
        std::exit(EXIT_FAILURE);
    }

    void unlock(const char* message) const
    {
        if (!memory->unlock())
            qDebug().noquote() << message << memory->errorString();
    }

    void startPrimary();
    bool announce(quint8 type, int timeoutMs);
    bool writeAcknowledged(const QByteArray& data, const QElapsedTimer& timer, int timeoutMs);
    void acceptConnections();
    void readFrom(QLocalSocket* connection);
    void readFrames(QLocalSocket* connection);
    void acknowledge(QLocalSocket* connection);
};

XApplication::XApplication(int& argc, char** argv, bool allowSecondary, int options, int timeoutMs,
                           const QString& userData)
    : QApplication(argc, argv), d(new Private)
{
    d->q = this;

    // Interface scale, options and user data.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
    m_scaleX = m_scaleY = scaleForRatio(ratio);
    Kit::setScale(m_scaleX, m_scaleY);
    d->options = options;
    if (!userData.isEmpty())
        d->userData.append(userData);

    // One name for the shared block and the local server.
    d->blockName = makeBlockName(applicationName(), organizationName(), organizationDomain(), d->userData,
                                 applicationVersion(), applicationFilePath(), userName(), options);

    // Spread out processes started at the same moment.
    randomSleep();

    // Create the block, or attach to the one that exists.
    d->memory = new QSharedMemory(d->blockName);
    if (d->memory->create(int(sizeof(InstancesBlock)))) {
        if (!d->memory->lock())
            d->fail("SingleApplication: Unable to lock memory block after create.");
        initializeBlock(d->block());
    } else if (d->memory->error() != QSharedMemory::AlreadyExists) {
        d->fail("SingleApplication: Unable to create block.");
    } else {
        if (!d->memory->attach(QSharedMemory::ReadWrite))
            d->fail("SingleApplication: Unable to attach to shared memory block.");
        if (d->memory->size() < int(sizeof(InstancesBlock)))
            d->fail("SingleApplication: Unable to attach to shared memory block.",
                    QStringLiteral("block of %1 bytes, %2 expected")
                        .arg(d->memory->size())
                        .arg(int(sizeof(InstancesBlock))));
        if (!d->memory->lock())
            d->fail("SingleApplication: Unable to lock memory block after attach.");
    }

    // Wait out a writer in progress; a block that stays inconsistent
    // belonged to a writer that died.
    QElapsedTimer consistency;
    consistency.start();
    while (blockChecksum(d->block()) != d->block()->checksum) {
        if (consistency.elapsed() > kInconsistentResetMs) {
            qWarning("SingleApplication: Shared memory block has been in an inconsistent state from more "
                     "than 5s. Assuming primary instance failure.");
            initializeBlock(d->block());
        }
        d->unlock("SingleApplication: Unable to unlock memory for random wait.");
        randomSleep();
        if (!d->memory->lock())
            d->fail("SingleApplication: Unable to lock memory after random wait.");
    }

    // A primary killed by a signal never cleared its flag; its pid is dead or
    // taken by another program. Such a block has no primary.
    InstancesBlock* block = d->block();
    if (block->primary && !primaryIsAlive(block->primaryPid, (options & NoPathInKey) != 0)) {
        qWarning("XApplication: primary instance %lld is gone; taking over its stale block.",
                 static_cast<long long>(block->primaryPid));
        resetPrimaryFields(block);
    }

    // Nobody leads: become the primary.
    if (!block->primary) {
        d->startPrimary();
        d->unlock("SingleApplication: Unable to unlock memory after primary start.");
        return;
    }

    // Only one instance allowed: tell the primary and leave.
    if (!allowSecondary) {
        d->unlock("SingleApplication: Unable to unlock memory at end of execution.");
        d->announce(NewInstance, timeoutMs);
        releaseInstance();
        std::exit(EXIT_SUCCESS);
    }

    // Run as a secondary.
    block->secondaries += 1;
    block->checksum = blockChecksum(block);
    d->instanceNumber = block->secondaries;
    if (options & NotifyPrimary)
        d->announce(SecondaryInstance, timeoutMs);
    d->unlock("SingleApplication: Unable to unlock memory after secondary start.");
}

XApplication::~XApplication()
{
    releaseInstance();
}

void XApplication::Private::startPrimary()
{
    InstancesBlock* block = this->block();
    block->primary = 1;
    block->primaryPid = QCoreApplication::applicationPid();
    setPrimaryUser(block, XApplication::userName());
    block->checksum = blockChecksum(block);
    instanceNumber = 0;

    // A primary that died leaves its socket file behind.
    QLocalServer::removeServer(blockName);
    server = new QLocalServer();
    server->setSocketOptions((options & PerUser) ? QLocalServer::UserAccessOption
                                                 : QLocalServer::WorldAccessOption);
    if (!server->listen(blockName))
        qWarning().noquote() << "XApplication: unable to listen for other instances:"
                             << server->errorString();
    QObject::connect(server, &QLocalServer::newConnection, q, [this] { acceptConnections(); });
}

bool XApplication::Private::announce(quint8 type, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    if (!socket)
        socket = new QLocalSocket();

    while (socket->state() != QLocalSocket::ConnectedState) {
        randomSleep();
        if (socket->state() != QLocalSocket::ConnectingState)
            socket->connectToServer(blockName, QIODevice::ReadWrite);
        if (socket->state() == QLocalSocket::ConnectingState)
            socket->waitForConnected(int(qMax<qint64>(1, timeoutMs - timer.elapsed())));
        if (socket->state() == QLocalSocket::ConnectedState)
            break;
        if (timer.elapsed() >= timeoutMs)
            return false;
    }

    QByteArray message;
    QDataStream stream(&message, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << blockName.toLatin1();
    stream << type;
    stream << instanceNumber;
    stream << qChecksum(message.constData(), uint(message.size()));

    return writeAcknowledged(frameHeader(quint64(message.size())), timer, timeoutMs) &&
           writeAcknowledged(message, timer, timeoutMs);
}

// Writes one half of a frame and waits for the primary's one-byte receipt.
bool XApplication::Private::writeAcknowledged(const QByteArray& data, const QElapsedTimer& timer,
                                              int timeoutMs)
{
    socket->write(data);
    socket->flush();
    while (socket->bytesAvailable() < 1) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0 || !socket->waitForReadyRead(int(left)))
            return false;
    }
    char ack = 0;
    return socket->getChar(&ack);
}

void XApplication::Private::acceptConnections()
{
    while (QLocalSocket* connection = server->nextPendingConnection()) {
        connections.insert(connection, Connection());
        QObject::connect(connection, &QLocalSocket::readyRead, q,
                         [this, connection] { readFrom(connection); });
        QObject::connect(connection, &QLocalSocket::aboutToClose, q, [this, connection] {
            // Handle a complete frame the peer sent just before leaving.
            auto it = connections.find(connection);
            if (it == connections.end() || it->closing || released)
                return;
            it->closing = true;
            readFrom(connection);
        });
        QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        QObject::connect(connection, &QObject::destroyed, q,
                         [this, connection] { connections.remove(connection); });
    }
}

void XApplication::Private::acknowledge(QLocalSocket* connection)
{
    // A connection that is closing gets no receipt: its peer left, and the
    // socket may be tearing down its buffers right now.
    const auto it = connections.constFind(connection);
    if (it == connections.cend() || it->closing || connection->state() != QLocalSocket::ConnectedState)
        return;
    connection->putChar(kAck);
    connection->flush();
}

// A receipt that fails (the peer gone) closes the socket from inside the
// read, and its aboutToClose handler calls here again: that nested call
// leaves the frames to the read already running.
void XApplication::Private::readFrom(QLocalSocket* connection)
{
    auto it = connections.find(connection);
    if (it == connections.end() || it->reading)
        return;
    it->reading = true;
    readFrames(connection);
    it = connections.find(connection);
    if (it != connections.end())
        it->reading = false;
}

void XApplication::Private::readFrames(QLocalSocket* connection)
{
    for (;;) {
        if (released)
            return;
        auto it = connections.find(connection);
        if (it == connections.end())
            return;
        Connection& record = *it;

        switch (record.stage) {
        case StageInitialHeader:
        case StageConnectedHeader: {
            if (connection->bytesAvailable() < 8)
                return;
            QDataStream stream(connection->read(8));
            stream.setVersion(QDataStream::Qt_5_6);
            quint64 length = 0;
            stream >> length;
            if ((record.stage == StageInitialHeader && length > kMaxInitialBody) ||
                length > quint64(std::numeric_limits<qint64>::max())) {
                record.closing = true;
                connection->close();
                return;
            }
            record.messageLength = qint64(length);
            record.stage += 1;
            acknowledge(connection);
            break;
        }
        case StageInitialBody: {
            if (connection->bytesAvailable() < record.messageLength)
                return;
            const QByteArray body = connection->read(record.messageLength);
            QDataStream stream(body);
            stream.setVersion(QDataStream::Qt_5_6);
            QByteArray name;
            quint8 type = 0;
            quint32 instanceId = 0;
            quint16 checksum = 0;
            stream >> name >> type >> instanceId >> checksum;
            const bool valid = stream.status() == QDataStream::Ok && body.size() >= 2 &&
                               name == blockName.toLatin1() &&
                               checksum == qChecksum(body.constData(), uint(body.size() - 2));
            if (!valid) {
                record.closing = true;
                connection->close();
                return;
            }
            record.instanceId = instanceId;
            record.stage = StageConnectedHeader;
            const QPointer<QLocalSocket> guard(connection);
            if (type == NewInstance || (type == SecondaryInstance && (options & NotifyPrimary)))
                emit q->instanceStarted();
            if (!guard)
                return;
            acknowledge(connection);
            break;
        }
        case StageConnectedBody: {
            if (connection->bytesAvailable() < record.messageLength)
                return;
            const QByteArray body = connection->read(record.messageLength);
            const quint32 instanceId = record.instanceId;
            acknowledge(connection);
            record.stage = StageConnectedHeader;
            const QPointer<QLocalSocket> guard(connection);
            emit q->receivedMessage(instanceId, body);
            if (!guard)
                return;
            break;
        }
        default:
            return;
        }
    }
}

void XApplication::releaseInstance()
{
    if (d->released)
        return;
    d->released = true;

    if (d->socket) {
        d->socket->close();
        delete d->socket;
        d->socket = nullptr;
    }
    if (!d->memory)
        return;

    const bool locked = d->memory->lock();
    if (d->server) {
        d->server->close();
        delete d->server;
        d->server = nullptr;
        if (d->memory->data())
            resetPrimaryFields(d->block());
    }
    if (locked)
        d->memory->unlock();
    delete d->memory;
    d->memory = nullptr;
}

bool XApplication::sendMessage(const QByteArray& message, int timeoutMs)
{
    if (!isSecondary() || d->released)
        return false;
    // A secondary that did not announce itself connects now.
    if ((!d->socket || d->socket->state() != QLocalSocket::ConnectedState) &&
        !d->announce(SecondaryInstance, timeoutMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    return d->writeAcknowledged(frameHeader(quint64(message.size())), timer, timeoutMs) &&
           d->writeAcknowledged(message, timer, timeoutMs);
}

bool XApplication::isSecondary() const
{
    return d->server == nullptr;
}

qint64 XApplication::primaryPid() const
{
    if (!d->memory || !d->memory->data())
        return -1;
    const bool locked = d->memory->lock();
    const qint64 pid = d->block()->primaryPid;
    if (locked)
        d->memory->unlock();
    return pid;
}

quint32 XApplication::instanceId() const
{
    return d->instanceNumber;
}

QString XApplication::blockName() const
{
    return d->blockName;
}

QWidget* XApplication::currentWindow() const
{
    return m_currentWindow.data();
}

void XApplication::setCurrentWindow(QWidget* window)
{
    m_currentWindow = window;
    Kit::setCurrentWindow(window);
}

double XApplication::scaleX() const
{
    return m_scaleX;
}

double XApplication::scaleY() const
{
    return m_scaleY;
}

double XApplication::scaleForRatio(double ratio)
{
    if (ratio < 1.1)
        return 1.0;
    if (ratio < 1.4)
        return 1.25;
    if (ratio < 1.6)
        return 1.5;
    if (ratio < 1.8)
        return 1.75;
    if (ratio < 2.1)
        return 2.0;
    if (ratio < 2.4)
        return 2.25;
    if (ratio < 2.6)
        return 2.5;
    if (ratio < 3.1)
        return 3.0;
    return 3.5;
}

QString XApplication::makeBlockName(const QString& applicationName, const QString& organizationName,
                                    const QString& organizationDomain, const QStringList& userData,
                                    const QString& version, const QString& executablePath,
                                    const QString& userName, int options)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("XApplication", 12);
    hash.addData(applicationName.toUtf8());
    hash.addData(organizationName.toUtf8());
    hash.addData(organizationDomain.toUtf8());
    if (!userData.isEmpty())
        hash.addData(userData.join(QString()).toUtf8());
    if (!(options & NoVersionInKey))
        hash.addData(version.toUtf8());
    if (!(options & NoPathInKey))
        hash.addData(executablePath.toLower().toUtf8());
    if (options & PerUser)
        hash.addData(userName.toUtf8());
    return QString::fromLatin1(hash.result().toBase64().replace('/', '_'));
}

QString XApplication::userName()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    if (size <= 0)
        size = 16384;
    std::vector<char> buffer(size_t(size), '\0');
    struct passwd entry;
    struct passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name)
        return QString::fromUtf8(found->pw_name);
    return qEnvironmentVariable("USER");
}
