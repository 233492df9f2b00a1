#include "tests/support/local_http_server.h"

#include <sys/socket.h>

LocalHttpServer::LocalHttpServer(quint16 port) {
  server_.listen(QHostAddress::LocalHost, port);
  QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      const std::size_t index = connections_.size();
      connections_.push_back({socket});
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, index] {
        Peer& peer = connections_[index];
        peer.received += peer.socket->readAll();
        if (!peer.answered && peer.received.contains("\r\n\r\n")) {
          peer.answered = true;
          if (answer_) answer_(*peer.socket);
        }
      });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, index] { connections_[index].closed = true; });
    }
  });
}

void LocalHttpServer::ReplyWith(const QByteArray& raw) {
  OnRequest([raw](QTcpSocket& socket) {
    socket.write(raw);
    socket.disconnectFromHost();  // after everything written has gone out
  });
}

void ResetConnection(QTcpSocket& socket) {
  const linger hard{1, 0};
  setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  socket.abort();
}

quint16 ClosedPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost);
  return probe.serverPort();
}
