#include "xapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {

const QString kProbe = QStringLiteral(XAPP_PROBE);
constexpr int kBlockSize = 152;

// One run of the probe program for a given version, its stdout read by lines.
class Probe
{
public:
    explicit Probe(const QString& version, const QStringList& extra = {}, const QString& program = kProbe,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(environment);
        m_process.start(program, QStringList{QStringLiteral("--version"), version} + extra);
    }
    ~Probe()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // The rest of the first line starting with prefix once it arrives; null
    // when none does in time.
    QByteArray waitForLine(const QByteArray& prefix, int timeoutMs = 8000)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            collect();
            for (const QByteArray& line : qAsConst(m_lines)) {
                if (line.startsWith(prefix))
                    return QByteArray(line.constData() + prefix.size(), line.size() - prefix.size());
            }
            const qint64 left = timeoutMs - timer.elapsed();
            if (left <= 0 || m_process.state() == QProcess::NotRunning)
                return QByteArray();
            m_process.waitForReadyRead(int(qMin<qint64>(left, 100)));
        }
    }

    // Lets output that is already on its way arrive, then counts a line.
    int count(const QByteArray& line, int settleMs = 300)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < settleMs && m_process.state() != QProcess::NotRunning)
            m_process.waitForReadyRead(int(settleMs - timer.elapsed()) + 1);
        collect();
        return int(std::count(m_lines.cbegin(), m_lines.cend(), line));
    }

    // Closes stdin, which makes a primary quit in order; returns the exit code.
    int finish()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(8000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        collect();
        return m_process.exitCode();
    }

    QByteArray errors()
    {
        m_errors += m_process.readAllStandardError();
        return m_errors;
    }
    qint64 pid() const { return m_process.processId(); }
    QProcess& process() { return m_process; }

private:
    void collect()
    {
        m_pending += m_process.readAllStandardOutput();
        for (int end; (end = m_pending.indexOf('\n')) >= 0; m_pending.remove(0, end + 1))
            m_lines.append(m_pending.left(end));
    }

    QProcess m_process;
    QByteArray m_pending;
    QByteArray m_errors;
    QList<QByteArray> m_lines;
};

QString uniqueVersion(const char* tag)
{
    return QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(tag));
}

QString probeBlockName(const QString& version, const QString& program = kProbe)
{
    return XApplication::makeBlockName(QStringLiteral("XAppProbe"), QStringLiteral("Zelvani"), QString(), {},
                                       version, QFileInfo(program).canonicalFilePath(),
                                       XApplication::userName(), XApplication::NotifyPrimary);
}

// The block as another process sees it, decoded by offset.
struct BlockView
{
    quint8 primary = 0;
    quint32 secondaries = 0;
    qint64 pid = 0;
    QByteArray user;
    bool consistent = false; // the checksum matches bytes 0 to 143
};

BlockView readBlock(QSharedMemory& memory)
{
    BlockView view;
    if (!memory.lock())
        return view;
    const char* bytes = static_cast<const char*>(memory.constData());
    view.primary = quint8(bytes[0]);
    std::memcpy(&view.secondaries, bytes + 4, 4);
    std::memcpy(&view.pid, bytes + 8, 8);
    view.user = QByteArray(bytes + 16, int(qstrnlen(bytes + 16, 128)));
    quint16 checksum = 0;
    std::memcpy(&checksum, bytes + 144, 2);
    view.consistent = checksum == qChecksum(bytes, 144);
    memory.unlock();
    return view;
}

void writeBlock(QSharedMemory& memory, quint8 primary, qint64 pid, bool validChecksum)
{
    QVERIFY(memory.lock());
    char* bytes = static_cast<char*>(memory.data());
    std::memset(bytes, 0, kBlockSize);
    bytes[0] = char(primary);
    std::memcpy(bytes + 8, &pid, 8);
    quint16 checksum = qChecksum(bytes, 144);
    if (!validChecksum)
        checksum ^= 0x5a5a;
    std::memcpy(bytes + 144, &checksum, 2);
    QVERIFY(memory.unlock());
}

QByteArray encode(quint64 value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << value;
    return bytes;
}

QByteArray announcement(const QByteArray& name, quint8 type, quint32 instance, bool corruptChecksum)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << name << type << instance;
    stream << quint16(qChecksum(body.constData(), uint(body.size())) ^ (corruptChecksum ? 1 : 0));
    return body;
}

// Reads exactly one byte from the socket, or returns a null array.
QByteArray readAck(QLocalSocket& socket)
{
    if (socket.bytesAvailable() < 1 && !socket.waitForReadyRead(3000))
        return QByteArray();
    return socket.read(1);
}

} // namespace

class TestXApplication : public QObject
{
    Q_OBJECT

private slots:
    void scaleForRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("scale");
        const double rows[][2] = {{0.5, 1.0},  {1.0, 1.0},   {1.099, 1.0}, {1.1, 1.25}, {1.399, 1.25},
                                  {1.4, 1.5},  {1.599, 1.5}, {1.6, 1.75},  {1.8, 2.0},  {2.099, 2.0},
                                  {2.1, 2.25}, {2.4, 2.5},   {2.599, 2.5}, {2.6, 3.0},  {3.099, 3.0},
                                  {3.1, 3.5},  {8.0, 3.5}};
        for (const auto& row : rows)
            QTest::addRow("%g", row[0]) << row[0] << row[1];
    }
    void scaleForRatio()
    {
        QFETCH(double, ratio);
        QFETCH(double, scale);
        QCOMPARE(XApplication::scaleForRatio(ratio), scale);
    }

    void blockNameCoversItsInputs()
    {
        const auto name = [](const char* version, const char* path, const char* user, int options,
                             const QStringList& userData = {}) {
            return XApplication::makeBlockName(
                QStringLiteral("App"), QStringLiteral("Org"), QStringLiteral("org.example"), userData,
                QLatin1String(version), QLatin1String(path), QLatin1String(user), options);
        };
        // Known answer: a fixed prefix, then the fields in order, the path in lower case.
        const QByteArray digest = QCryptographicHash::hash("XApplicationAppOrgorg.example1.0/opt/app/app",
                                                           QCryptographicHash::Sha256);
        const QString base = name("1.0", "/opt/App/app", "ann", 0);
        QCOMPARE(base, QString::fromLatin1(digest.toBase64().replace('/', '_')));

        QCOMPARE(name("1.0", "/OPT/APP/APP", "bob", 0), base);
        QVERIFY(name("1.1", "/opt/App/app", "", 0) != base);
        QVERIFY(name("1.0", "/srv/app", "", 0) != base);
        QVERIFY(name("1.0", "/opt/App/app", "", 0, {QStringLiteral("x")}) != base);
        QCOMPARE(name("1.0", "/a", "", XApplication::NoVersionInKey),
                 name("2.0", "/a", "", XApplication::NoVersionInKey));
        QCOMPARE(name("1.0", "/a", "", XApplication::NoPathInKey),
                 name("1.0", "/b", "", XApplication::NoPathInKey));
        QVERIFY(name("1.0", "/a", "ann", XApplication::PerUser) !=
                name("1.0", "/a", "bob", XApplication::PerUser));
        QVERIFY(!XApplication::userName().isEmpty());
    }

    // One user's running copy is closed to every other user of the machine:
    // another account can neither read its shared block nor reach its
    // socket (the program runs per user).
    void perUserBlockAndSocketAreClosedToOthers()
    {
        if (::geteuid() != 0)
            QSKIP("acting as another user needs root");
        const QString version = uniqueVersion("exposure");
        Probe primary(version, {QStringLiteral("--options"),
                                QString::number(XApplication::NotifyPrimary | XApplication::PerUser)});
        const QByteArray name = primary.waitForLine("primary ");
        QVERIFY(!name.isEmpty());

        // The owner reaches both; nobody reaches either.
        QProcess mine;
        mine.start(kProbe, {QStringLiteral("--try"), QString::fromLatin1(name)});
        QVERIFY(mine.waitForFinished(10000));
        QCOMPARE(mine.readAllStandardOutput(), QByteArray("block open\nsocket open\n"));
        QProcess other;
        other.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                     QStringLiteral("--clear-groups"), QStringLiteral("--"), kProbe, QStringLiteral("--try"),
                     QString::fromLatin1(name)});
        QVERIFY(other.waitForFinished(10000));
        QCOMPARE(other.exitCode(), 0);
        QCOMPARE(other.readAllStandardOutput(), QByteArray("block denied\nsocket denied\n"));
        QCOMPARE(primary.finish(), 0);
    }

    // Second starts of every kind against one running primary, and the block
    // they all share.
    void laterStartsMeetTheRunningPrimary()
    {
        const QString version = uniqueVersion("meet");
        const QString name = probeBlockName(version);
        Probe primary(version);
        QCOMPARE(primary.waitForLine("primary "), name.toLatin1());

        QSharedMemory memory(name);
        QVERIFY2(memory.attach(QSharedMemory::ReadOnly), qPrintable(memory.errorString()));
        QCOMPARE(memory.size(), kBlockSize);
        BlockView view = readBlock(memory);
        QCOMPARE(view.primary, quint8(1));
        QCOMPARE(view.pid, primary.pid());
        QCOMPARE(view.user, XApplication::userName().toUtf8());
        QCOMPARE(view.secondaries, quint32(0));
        QVERIFY(view.consistent);

        // A secondary that notifies: reported once, ends at once.
        QElapsedTimer timer;
        timer.start();
        Probe second(version);
        QCOMPARE(second.finish(), 0);
        QVERIFY2(timer.elapsed() < 5000, QByteArray::number(timer.elapsed()));
        QCOMPARE(second.waitForLine("secondary "),
                 QByteArray::number(1) + ' ' + QByteArray::number(primary.pid()));
        QCOMPARE(primary.count("instanceStarted"), 1);
        view = readBlock(memory);
        QCOMPARE(view.secondaries, quint32(1));
        QVERIFY(view.consistent);

        // A secondary without the notify option stays silent.
        Probe quiet(version, {QStringLiteral("--options"), QStringLiteral("0")});
        QCOMPARE(quiet.finish(), 0);
        QCOMPARE(quiet.waitForLine("secondary "),
                 QByteArray::number(2) + ' ' + QByteArray::number(primary.pid()));
        QCOMPARE(primary.count("instanceStarted"), 1);

        // Where secondaries are not allowed the newcomer announces and ends.
        Probe single(version, {QStringLiteral("--no-secondary")});
        QCOMPARE(single.finish(), 0);
        QVERIFY(single.waitForLine("primary ", 0).isNull());
        QCOMPARE(primary.count("instanceStarted"), 2);

        // An orderly end clears the primary fields, and the next start leads.
        QCOMPARE(primary.finish(), 0);
        view = readBlock(memory);
        QCOMPARE(view.primary, quint8(0));
        QCOMPARE(view.pid, qint64(-1));
        QVERIFY(view.user.isEmpty());
        QVERIFY(view.consistent);
        memory.detach();

        Probe next(version);
        QCOMPARE(next.waitForLine("primary "), name.toLatin1());
        QCOMPARE(next.finish(), 0);
    }

    void inconsistentBlockIsResetAfterFiveSeconds()
    {
        const QString version = uniqueVersion("inconsistent");
        const QString name = probeBlockName(version);
        QSharedMemory memory(name);
        QVERIFY2(memory.create(kBlockSize), qPrintable(memory.errorString()));
        writeBlock(memory, 1, 1, false);

        QElapsedTimer timer;
        timer.start();
        Probe probe(version);
        QCOMPARE(probe.waitForLine("primary ", 12000), name.toLatin1());
        QVERIFY2(timer.elapsed() >= 5000 && timer.elapsed() < 9000, QByteArray::number(timer.elapsed()));
        QVERIFY(probe.errors().contains("SingleApplication: Shared memory block has been in an inconsistent "
                                        "state from more than 5s. Assuming primary instance failure."));
        const BlockView view = readBlock(memory);
        QCOMPARE(view.primary, quint8(1));
        QCOMPARE(view.pid, probe.pid());
        QVERIFY(view.consistent);
        QCOMPARE(probe.finish(), 0);
    }

    void framesAreCheckedBeforeReporting_data()
    {
        QTest::addColumn<bool>("rightName");
        QTest::addColumn<bool>("corruptChecksum");
        QTest::addColumn<bool>("oversized");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("valid") << true << false << false << true;
        QTest::newRow("wrong name") << false << false << false << false;
        QTest::newRow("wrong checksum") << true << true << false << false;
        QTest::newRow("oversized length") << true << false << true << false;
    }
    void framesAreCheckedBeforeReporting()
    {
        QFETCH(bool, rightName);
        QFETCH(bool, corruptChecksum);
        QFETCH(bool, oversized);
        QFETCH(bool, accepted);

        const QString version = uniqueVersion("frames");
        const QString name = probeBlockName(version);
        Probe primary(version);
        QCOMPARE(primary.waitForLine("primary "), name.toLatin1());

        QLocalSocket socket;
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(3000));
        const QByteArray body =
            announcement(rightName ? name.toLatin1() : QByteArray("someone else"), 2, 7, corruptChecksum);
        socket.write(encode(oversized ? quint64(1) << 40 : quint64(body.size())));
        socket.flush();
        if (oversized) {
            QVERIFY(socket.waitForDisconnected(3000));
            QCOMPARE(primary.count("instanceStarted"), 0);
            QCOMPARE(primary.finish(), 0);
            return;
        }
        QCOMPARE(readAck(socket), QByteArray("\n"));
        socket.write(body);
        socket.flush();
        if (!accepted) {
            QVERIFY(socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(3000));
            QCOMPARE(primary.count("instanceStarted"), 0);
            QCOMPARE(primary.finish(), 0);
            return;
        }
        QCOMPARE(readAck(socket), QByteArray("\n"));
        QVERIFY(!primary.waitForLine("instanceStarted").isNull());

        // Later frames on the same connection arrive as messages of that instance.
        socket.write(encode(5));
        socket.flush();
        QCOMPARE(readAck(socket), QByteArray("\n"));
        socket.write("hello");
        socket.flush();
        QCOMPARE(readAck(socket), QByteArray("\n"));
        QCOMPARE(primary.waitForLine("message "), QByteArray("7 hello"));
        QCOMPARE(primary.count("instanceStarted", 0), 1);
        socket.disconnectFromServer();
        QCOMPARE(primary.finish(), 0);
    }

    // Another start that sends its frames and leaves at once, without waiting
    // for the receipts: a receipt then fails and closes the socket in the
    // middle of the read. The primary takes the frames and lives on.
    void peerLeavingBeforeItsReceipts()
    {
        const QString version = uniqueVersion("leaving");
        const QString name = probeBlockName(version);
        Probe primary(version);
        QCOMPARE(primary.waitForLine("primary "), name.toLatin1());
        const QByteArray body = announcement(name.toLatin1(), 2, 7, false);
        const QByteArray frames = encode(quint64(body.size())) + body + encode(quint64(5)) + "hello";
        constexpr int kPeers = 20;
        for (int i = 0; i < kPeers; ++i) {
            QLocalSocket socket;
            socket.connectToServer(name);
            QVERIFY(socket.waitForConnected(3000));
            socket.write(frames);
            socket.flush();
            socket.abort();
        }
        QTest::qWait(500);
        QCOMPARE(primary.process().state(), QProcess::Running);
        QVERIFY(primary.count("message 7 hello") > 0);
        QCOMPARE(primary.finish(), 0);
    }

    // A block left saying "primary present" by a process that is gone, or
    // whose pid now runs another program, must not keep the next start out.
    void stalePrimaryIsTakenOver_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("primary killed") << true;
        QTest::newRow("pid of another program") << false;
    }
    void stalePrimaryIsTakenOver()
    {
        QFETCH(bool, killed);
        const QString version = uniqueVersion(killed ? "killed" : "reused");
        const QString name = probeBlockName(version);
        QSharedMemory memory(name);
        if (killed) {
            Probe victim(version);
            QCOMPARE(victim.waitForLine("primary "), name.toLatin1());
            const qint64 victimPid = victim.pid();
            victim.process().kill();
            QVERIFY(victim.process().waitForFinished(5000));
            // Stay attached so the stale block survives until the next start.
            QVERIFY2(memory.attach(QSharedMemory::ReadOnly), qPrintable(memory.errorString()));
            const BlockView view = readBlock(memory);
            QCOMPARE(view.primary, quint8(1));
            QCOMPARE(view.pid, victimPid);
        } else {
            QVERIFY2(memory.create(kBlockSize), qPrintable(memory.errorString()));
            writeBlock(memory, 1, QCoreApplication::applicationPid(), true);
        }

        QElapsedTimer timer;
        timer.start();
        Probe next(version);
        QCOMPARE(next.waitForLine("primary "), name.toLatin1());
        QVERIFY2(timer.elapsed() < 4000, QByteArray::number(timer.elapsed()));
        QVERIFY(next.errors().contains("stale"));
        QCOMPARE(readBlock(memory).pid, next.pid());

        // The new primary serves newcomers on the recreated socket.
        Probe second(version);
        QCOMPARE(second.finish(), 0);
        QVERIFY(!second.waitForLine("secondary ").isNull());
        QCOMPARE(next.count("instanceStarted"), 1);
        QCOMPARE(next.finish(), 0);
    }

    void blockFailureEndsWithCodeOne_data()
    {
        QTest::addColumn<bool>("tinyBlock");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("block too small") << true
                                         << QByteArray("SingleApplication: Unable to attach to shared "
                                                       "memory block.");
        QTest::newRow("no key folder") << false << QByteArray("SingleApplication: Unable to create block.");
    }
    void blockFailureEndsWithCodeOne()
    {
        QFETCH(bool, tinyBlock);
        QFETCH(QByteArray, message);

        const QString version = uniqueVersion(tinyBlock ? "tiny" : "nokey");
        QSharedMemory memory(probeBlockName(version));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (tinyBlock)
            QVERIFY2(memory.create(16), qPrintable(memory.errorString()));
        else
            environment.insert(QStringLiteral("TMPDIR"),
                               QStringLiteral("/proc")); // no files can be made there

        Probe probe(version, {}, kProbe, environment);
        QCOMPARE(probe.finish(), 1);
        QVERIFY2(probe.errors().contains(message), probe.errors().constData());
        QVERIFY(probe.errors().contains("XApplication: "));
    }
};

QTEST_GUILESS_MAIN(TestXApplication)
#include "test_xapplication.moc"
