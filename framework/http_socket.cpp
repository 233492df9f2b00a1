#include "framework/http_socket.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <algorithm>
#include <charconv>
#include <optional>

#include "framework/dispatch.h"
#include "framework/http_reply.h"

namespace {
// Where a URL points and what goes on the wire for it.
struct Target {
  std::string host;  // to connect to
  std::uint16_t port = 80;
  std::string hostHeader;  // the authority as written
  std::string path;        // path and query
};

// Only printable ASCII passes, so nothing in the URL can break a request line or add a header.
std::optional<Target> ParseHttpUrl(const String& url) {
  constexpr std::u32string_view kScheme =
      U"http:"
      U"//";
  if (url.size() <= kScheme.size() || !SameText(url.substr(0, kScheme.size()), String(kScheme))) return std::nullopt;
  if (!std::all_of(url.begin(), url.end(), [](char32_t c) { return c > 0x20 && c < 0x7F; })) return std::nullopt;
  std::string rest = ToUtf8(url.substr(kScheme.size()));
  rest = rest.substr(0, rest.find('#'));
  const auto pathAt = rest.find_first_of("/?");
  Target target;
  target.hostHeader = rest.substr(0, pathAt);
  // A query without a path asks for the root.
  if (pathAt == std::string::npos || rest[pathAt] == '?') target.path.push_back('/');
  if (pathAt != std::string::npos) target.path.append(rest, pathAt);

  std::string_view authority = target.hostHeader;
  if (authority.find('@') != std::string_view::npos) return std::nullopt;  // no credentials are ever sent
  std::size_t portAt = std::string_view::npos;
  if (authority.starts_with('[')) {
    const auto close = authority.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    target.host = authority.substr(1, close - 1);
    if (close + 1 < authority.size()) {
      if (authority[close + 1] != ':') return std::nullopt;
      portAt = close + 1;
    }
  } else {
    portAt = authority.find(':');
    target.host = authority.substr(0, portAt);
  }
  if (target.host.empty()) return std::nullopt;
  if (portAt != std::string_view::npos) {
    const std::string_view digits = authority.substr(portAt + 1);
    unsigned port = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || port == 0 || port > 65535) return std::nullopt;
    target.port = static_cast<std::uint16_t>(port);
  }
  return target;
}

std::int32_t ConnectFailureCode(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::HostNotFoundError:
      return HTTPSocket::kNameNotResolved;
    case QAbstractSocket::ConnectionRefusedError:
      return HTTPSocket::kConnectionRefused;
    default:
      return HTTPSocket::kConnectionFailed;
  }
}
}  // namespace

// One GET under way. Every outcome ends in exactly one call of DeliverPage or DeliverError, each
// of which destroys this object first, so nothing of it runs afterwards.
class HTTPSocket::Request final {
 public:
  Request(HTTPSocket& owner, const String& url) : owner_(owner), url_(url), socket_(new QTcpSocket) {
    // Nothing beyond the header cap is pulled off the connection before the reader has seen it.
    socket_->setReadBufferSize(static_cast<qint64>(http_reply::kMaxHeaderBytes));
    socket_->setProxy(QNetworkProxy::NoProxy);
    const auto target = ParseHttpUrl(url);
    if (!target) {
      // Get must return before any event, even this one.
      QMetaObject::invokeMethod(
          socket_, [this] { owner_.DeliverError(kUnsupportedAddress); }, Qt::QueuedConnection);
      return;
    }
    request_ = "GET " + target->path + " HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: " + target->hostHeader + "\r\n\r\n";
    QObject::connect(socket_, &QTcpSocket::connected, socket_, [this] {
      connected_ = true;
      socket_->write(request_.data(), static_cast<qint64>(request_.size()));
    });
    QObject::connect(socket_, &QTcpSocket::readyRead, socket_, [this] { ReadAvailable(); });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, socket_, [this](QAbstractSocket::SocketError error) { Ended(error); });
    QObject::connect(socket_, &QTcpSocket::disconnected, socket_, [this] { Ended(QAbstractSocket::RemoteHostClosedError); });
    socket_->connectToHost(QString::fromStdString(target->host), target->port);
  }

  ~Request() {
    // Possibly called from inside one of the socket's own signals: cut every tie, delete later.
    socket_->disconnect();
    QCoreApplication::removePostedEvents(socket_);
    socket_->abort();
    socket_->deleteLater();
  }

  Request(const Request&) = delete;
  Request& operator=(const Request&) = delete;

 private:
  void ReadAvailable() {
    while (socket_->bytesAvailable() > 0 && reader_.CurrentState() == http_reply::ReplyReader::State::Reading) {
      const QByteArray chunk = socket_->read(static_cast<qint64>(http_reply::kMaxHeaderBytes));
      reader_.Feed(std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())));
    }
    if (reader_.CurrentState() != http_reply::ReplyReader::State::Reading) Report();
  }

  void Ended(QAbstractSocket::SocketError error) {
    if (!connected_) return owner_.DeliverError(ConnectFailureCode(error));
    ReadAvailable();
    if (reader_.CurrentState() != http_reply::ReplyReader::State::Reading) return;  // reported already
    reader_.Close();
    Report();
  }

  // Must be the last thing a handler of this object does.
  void Report() {
    switch (reader_.CurrentState()) {
      case http_reply::ReplyReader::State::HeaderTooLarge:
        return owner_.DeliverError(kHeaderTooLarge);
      case http_reply::ReplyReader::State::ReplyTooLarge:
        return owner_.DeliverError(kReplyTooLarge);
      default:
        return owner_.DeliverPage(url_, reader_.Status(), reader_.Headers(), FromUtf8(reader_.Body()));
    }
  }

  HTTPSocket& owner_;
  String url_;
  QTcpSocket* socket_;
  std::string request_;
  http_reply::ReplyReader reader_;
  bool connected_ = false;
};

HTTPSocket::HTTPSocket() = default;
HTTPSocket::~HTTPSocket() = default;

const ClassRecord& HTTPSocket::ClassInfo() {
  static const ClassRecord record{U"HTTPSocket",
                                  &Control::ClassInfo(),
                                  PublicMethods({{"Get", "( String )"}}),
                                  {{U"PageReceived", U"PageReceived"}, {U"Error", U"Error"}}};
  return record;
}

void HTTPSocket::Get(const String& url) {
  RequireMainThread();
  request_.reset();
  if (detached_) return;
  request_ = std::make_unique<Request>(*this, url);
}

void HTTPSocket::Detach() {
  detached_ = true;
  request_.reset();
  Control::Detach();
}

void HTTPSocket::DeliverPage(String url, std::int32_t status, std::shared_ptr<InternetHeaders> headers, const String& content) {
  auto self = std::static_pointer_cast<HTTPSocket>(shared_from_this());  // the handler may close the window
  request_.reset();
  if (auto handler = PageReceived) Dispatch([&] { handler(*self, url, status, headers, content); });
}

void HTTPSocket::DeliverError(std::int32_t code) {
  auto self = std::static_pointer_cast<HTTPSocket>(shared_from_this());
  request_.reset();
  if (auto handler = Error) Dispatch([&] { handler(*self, code); });
}

namespace {
// Get takes host and port from its URL and always returns at once, so Address, Port and yield
// (waiting for the reply) set nothing.
const PropertyKey<HTTPSocket> kKeys[] = {
    {"yield", PropertyKind::Boolean, IgnoreProperty<HTTPSocket>},
    {"Port", PropertyKind::Integer, IgnoreProperty<HTTPSocket>},
    {"Address", PropertyKind::Text, IgnoreProperty<HTTPSocket>},
};
}  // namespace

std::optional<PropertySetter> HTTPSocket::PropertySetterFor(std::string_view key) { return FindPropertySetter<Control>(*this, kKeys, key); }
