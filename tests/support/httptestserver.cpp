#include "httptestserver.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

// The value of `attribute` in a header such as `form-data; name="x"; filename="y"`.
QByteArray headerAttribute(const QByteArray& header, const QByteArray& attribute)
{
    for (const QByteArray& piece : header.split(';')) {
        const QByteArray item = piece.trimmed();
        const int equals = item.indexOf('=');
        if (equals < 0 || item.left(equals).trimmed().toLower() != attribute)
            continue;
        QByteArray value = item.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2).replace("\\\"", "\"").replace("\\\\", "\\");
        return value;
    }
    return {};
}

} // namespace

HttpTestServer::HttpTestServer(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &HttpTestServer::onNewConnection);
}

HttpTestServer::~HttpTestServer() = default;

bool HttpTestServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 HttpTestServer::port() const
{
    return m_server->serverPort();
}

QString HttpTestServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void HttpTestServer::setResponse(const QByteArray& path, int status, const QByteArray& body,
                                 const QByteArray& contentType)
{
    m_responses.insert(path, Response{status, body, contentType});
}

void HttpTestServer::setDefaultResponse(int status, const QByteArray& body, const QByteArray& contentType)
{
    m_defaultResponse = Response{status, body, contentType};
}

bool HttpTestServer::waitForRequests(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_requests.size() < count && !deadline.hasExpired())
        QTest::qWait(10);
    return m_requests.size() >= count;
}

void HttpTestServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        ++m_connections;
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void HttpTestServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    Request request;
    while (takeRequest(buffer, request)) {
        m_requests.append(request);
        respond(socket, request);
        emit requestReceived();
        request = Request();
    }
}

bool HttpTestServer::takeRequest(QByteArray& buffer, Request& request)
{
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() < 2)
        return false;
    request.method = requestLine.at(0);
    request.path = requestLine.at(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
    }

    // Qt's clients send a length with every body, never chunks.
    const int bodyStart = headerEnd + 4;
    const int length = request.header("content-length").toInt();
    if (buffer.size() < bodyStart + length)
        return false;
    request.body = buffer.mid(bodyStart, length);
    buffer.remove(0, bodyStart + length);
    return true;
}

void HttpTestServer::respond(QTcpSocket* socket, const Request& request)
{
    QByteArray path = request.path;
    const int query = path.indexOf('?');
    if (query >= 0)
        path.truncate(query);
    const Response response = m_responses.value(path, m_defaultResponse);

    // Clients go by the status code; the reason phrase is only for people.
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(response.status) +
                        (response.status < 400 ? " OK" : " Error") +
                        "\r\nContent-Type: " + response.contentType +
                        "\r\nContent-Length: " + QByteArray::number(response.body.size()) +
                        "\r\nConnection: close\r\n\r\n" + response.body;
    socket->write(answer);
    socket->disconnectFromHost();
}

QList<HttpTestServer::FormPart> HttpTestServer::formParts(const Request& request)
{
    const QByteArray contentType = request.header("content-type");
    if (!contentType.toLower().startsWith("multipart/form-data"))
        return {};
    const QByteArray boundary = headerAttribute(contentType, "boundary");
    if (boundary.isEmpty())
        return {};

    QList<FormPart> parts;
    const QByteArray delimiter = "--" + boundary;
    const QByteArray& body = request.body;
    int at = body.indexOf(delimiter);
    while (at >= 0) {
        at += delimiter.size();
        if (body.mid(at, 2) == "--")
            break; // the closing delimiter
        at = body.indexOf("\r\n", at) + 2;
        const int headersEnd = body.indexOf("\r\n\r\n", at);
        const int next = body.indexOf("\r\n" + delimiter, headersEnd);
        if (headersEnd < 0 || next < 0)
            break;
        FormPart part;
        for (const QByteArray& line : body.mid(at, headersEnd - at).split('\n')) {
            const int colon = line.indexOf(':');
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-disposition") {
                part.name = headerAttribute(value, "name");
                part.fileName = headerAttribute(value, "filename");
            } else if (name == "content-type") {
                part.contentType = value;
            }
        }
        part.data = body.mid(headersEnd + 4, next - headersEnd - 4);
        parts.append(part);
        at = next + 2;
    }
    return parts;
}

HttpTestServer::FormPart HttpTestServer::formPart(const QList<FormPart>& parts, const QByteArray& name)
{
    for (const FormPart& part : parts) {
        if (part.name == name)
            return part;
    }
    return {};
}
