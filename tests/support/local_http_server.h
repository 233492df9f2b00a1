#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <vector>

// An HTTP server on 127.0.0.1 inside the test: records what each connection sends and, once a
// request's empty line has arrived, answers it as told (by default: never).
class LocalHttpServer {
 public:
  LocalHttpServer();
  ~LocalHttpServer();

  QString Url(const QString& path = QStringLiteral("/Updates/rozovozu.xml")) const;
  quint16 Port() const { return server_.serverPort(); }

  // Runs on the connection once its request is complete.
  void OnRequest(std::function<void(QTcpSocket&)> answer) { answer_ = std::move(answer); }
  // Writes raw as the whole reply, then closes the connection.
  void ReplyWith(const QByteArray& raw);

  int Connections() const { return static_cast<int>(connections_.size()); }
  QByteArray Received(int connection = 0) const { return connections_.at(static_cast<std::size_t>(connection)).received; }
  QTcpSocket& Connection(int connection = 0) const { return *connections_.at(static_cast<std::size_t>(connection)).socket; }
  bool Ended(int connection = 0) const { return connections_.at(static_cast<std::size_t>(connection)).closed; }

  // Blocks, without the event loop, until a connection is waiting to be accepted.
  bool ConnectionPending(int timeoutMs) { return server_.waitForNewConnection(timeoutMs); }
  bool WaitForRequest(int connection = 0);
  bool WaitForEnd(int connection = 0);

 private:
  struct Peer {
    QTcpSocket* socket = nullptr;
    QByteArray received;
    bool answered = false;
    bool closed = false;
  };
  QTcpServer server_;
  std::vector<Peer> connections_;
  std::function<void(QTcpSocket&)> answer_;
};

// Ends a connection with a reset instead of an orderly close.
void ResetConnection(QTcpSocket& socket);
