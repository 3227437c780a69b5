// The frames another start of the program sends to the running one over the
// single-instance socket: the bytes go to a real running primary, through
// the socket, as another process would send them.

#include "fuzzsupport.h"
#include "xapplication.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalSocket>

namespace {

XApplication* g_app = nullptr;

// A well-formed first frame, as another start sends it: its header (the
// body's length) and body (block name, kind, instance number, checksum).
QByteArray firstFrame(quint8 type, quint32 instance)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << g_app->blockName().toLatin1() << type << instance;
    stream << qChecksum(body.constData(), uint(body.size()));
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_6);
    out << quint64(body.size());
    return header + body;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::scratch();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setOrganizationName(QStringLiteral("Zelvani"));
    QCoreApplication::setApplicationName(QStringLiteral("ZelvaniFrameFuzz%1").arg(::getpid()));
    QCoreApplication::setApplicationVersion(QStringLiteral("1"));
    g_app = new XApplication(*argc, *argv, true, XApplication::NotifyPrimary | XApplication::PerUser, 200);
    if (g_app->isSecondary())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QLocalSocket socket;
    socket.connectToServer(g_app->blockName());
    if (!socket.waitForConnected(1000))
        std::abort(); // the primary stopped answering
    // An odd first byte opens with a valid first frame (the rest follows as
    // messages); otherwise the input is all there is.
    QByteArray bytes;
    if (size > 0 && (data[0] & 1))
        bytes = firstFrame(quint8(data[0] >> 1 & 3), data[0] >> 3);
    if (size > 0)
        bytes.append(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
    socket.write(bytes);
    socket.flush();
    // The primary reads what arrived, answers or hangs up; a few turns of its
    // event loop are enough for either.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20 && socket.state() == QLocalSocket::ConnectedState) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        socket.waitForReadyRead(1);
        socket.readAll();
    }
    socket.abort();
    QCoreApplication::processEvents();
    return 0;
}
