// A small HTTP/1.1 server on 127.0.0.1 for network tests: answers every
// request with a configured status and body, and records what it received.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

class HttpTestServer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(HttpTestServer)

public:
    struct Request
    {
        QByteArray method;
        QByteArray path;                       // with the query, as sent
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;

        QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
    };

    // One part of a multipart/form-data body.
    struct FormPart
    {
        QByteArray name;
        QByteArray fileName; // empty for plain fields
        QByteArray contentType;
        QByteArray data;
    };

    explicit HttpTestServer(QObject* parent = nullptr);
    ~HttpTestServer() override;

    // Listens on 127.0.0.1 at a free port.
    bool listen();
    quint16 port() const;
    // "http://127.0.0.1:PORT", without a trailing slash.
    QString baseUrl() const;

    // The answer for requests whose path (without the query) is `path`; other
    // paths get the default answer, 200 with an empty body unless set.
    void setResponse(const QByteArray& path, int status, const QByteArray& body = QByteArray(),
                     const QByteArray& contentType = "text/plain");
    void setDefaultResponse(int status, const QByteArray& body = QByteArray(),
                            const QByteArray& contentType = "text/plain");

    QList<Request> requests() const { return m_requests; }
    int connectionCount() const { return m_connections; }
    // Spins the event loop until `count` requests have arrived in total.
    bool waitForRequests(int count, int timeoutMs = 10000);

    // The parts of a multipart/form-data request, in order; empty when the
    // request is not one.
    static QList<FormPart> formParts(const Request& request);
    // The first part named `name`, or an empty one.
    static FormPart formPart(const QList<FormPart>& parts, const QByteArray& name);

signals:
    void requestReceived();

private:
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain";
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    // Takes one complete request off the front of `buffer`; false when more data is needed.
    static bool takeRequest(QByteArray& buffer, Request& request);
    void respond(QTcpSocket* socket, const Request& request);

    QTcpServer* m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QHash<QByteArray, Response> m_responses;
    Response m_defaultResponse;
    QList<Request> m_requests;
    int m_connections = 0;
};
