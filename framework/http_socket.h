#pragma once

// A plain HTTP/1.0 client, as a control without a face. Get returns at once; later exactly one of
// PageReceived (a reply of any status) or Error (no connection, or a reply over the caps) follows
// through the event loop, and none once the control's window has closed.

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/control.h"
#include "framework/internet_headers.h"

class HTTPSocket : public Control {
 public:
  // The codes Error reports. Only the first three mean "no connection"; a connection that ends
  // early still completes the reply with what arrived.
  enum ErrorCode : std::int32_t {
    kNameNotResolved = 1,     // the host name has no address
    kConnectionRefused = 2,   // nothing listens on that port
    kConnectionFailed = 3,    // any other failure before the connection was made
    kUnsupportedAddress = 4,  // not a plain-HTTP address that can be sent as written
    kHeaderTooLarge = 5,      // status line and headers beyond http_reply::kMaxHeaderBytes
    kReplyTooLarge = 6,       // the whole reply beyond http_reply::kMaxReplyBytes
  };

  HTTPSocket();
  ~HTTPSocket() override;

  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  // Starts a GET of url (http only; port 80 unless the URL names one) and returns before any
  // event. A request still under way is dropped without an event.
  void Get(const String& url);

  std::function<void(HTTPSocket& sender, const String& url, std::int32_t status, std::shared_ptr<InternetHeaders> headers,
                     const String& content)>
      PageReceived;
  std::function<void(HTTPSocket& sender, std::int32_t code)> Error;

  // The window has closed: the request ends with it and no event follows.
  void Detach() override;

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

 private:
  class Request;
  void DeliverPage(String url, std::int32_t status, std::shared_ptr<InternetHeaders> headers, const String& content);
  void DeliverError(std::int32_t code);

  std::unique_ptr<Request> request_;
  bool detached_ = false;
};
