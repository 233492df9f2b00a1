#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <vector>

#include "tests/support/gui_helpers.h"

// An HTTP server on 127.0.0.1 inside the test: records what each connection sends and, once a
// request's empty line has arrived, answers it as told (by default: never).
class LocalHttpServer {
 public:
  // port 0 lets the system choose a free one.
  explicit LocalHttpServer(quint16 port = 0);
  bool Listening() const { return server_.isListening(); }

  QString Url() const { return QStringLiteral("http://127.0.0.1:%1/Updates/rozovozu.xml").arg(Port()); }
  quint16 Port() const { return server_.serverPort(); }

  // Runs on the connection once its request is complete.
  void OnRequest(std::function<void(QTcpSocket&)> answer) { answer_ = std::move(answer); }
  // Writes raw as the whole reply, then closes the connection.
  void ReplyWith(const QByteArray& raw);

  int Connections() const { return static_cast<int>(connections_.size()); }
  // What the first connection sent.
  QByteArray Received() const { return connections_.at(0).received; }

  // Wait for the first connection's complete request, or its end.
  bool WaitForRequest() {
    return testing_support::WaitUntil([&] { return Connections() > 0 && connections_[0].answered; });
  }
  bool WaitForEnd() {
    return testing_support::WaitUntil([&] { return Connections() > 0 && connections_[0].closed; });
  }

 private:
  struct Peer {
    QTcpSocket* socket = nullptr;
    QByteArray received;
    bool answered = false;
    bool closed = false;
  };
  std::vector<Peer> connections_;
  std::function<void(QTcpSocket&)> answer_;
  // Last, so its sockets go while the records their handlers write to still exist.
  QTcpServer server_;
};

// A port on 127.0.0.1 where nothing listens: one just given up by a server.
quint16 ClosedPort();

// Ends a connection with a reset instead of an orderly close.
void ResetConnection(QTcpSocket& socket);
