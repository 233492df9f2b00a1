#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Collects the addresses the program hands to the system (web and mail) instead of opening them,
// while it lives.
class UrlCatcher final : public QObject {
  Q_OBJECT
 public:
  UrlCatcher();
  ~UrlCatcher() override;
  QStringList urls;

 public slots:
  void Open(const QUrl& url) { urls << url.toString(); }
};
