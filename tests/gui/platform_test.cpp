#include <gtest/gtest.h>
#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include "windows/qt_platform.h"

namespace kemurina {
namespace {

// Stands in for the desktop's browser: takes every http address handed over.
class Browser : public QObject {
  Q_OBJECT
 public:
  QStringList opened;
  Q_INVOKABLE void open(const QUrl& url) {
    opened << QUrl::fromPercentEncoding(url.toEncoded());
  }
};

// Addresses a browser opens are handed over as they are typed, not refused
// for characters a strict reading of addresses dislikes.
TEST(QtPlatformTest, HandsOverWhatABrowserWouldOpen) {
  Browser browser;
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
  QtPlatform platform;
  const QStringList addresses = {
      QStringLiteral("http://www.example.com/kemurina/"),
      QStringLiteral("http://www.example.com/my board/"),
      QStringLiteral("http://example.com/a|b{c}^d"),
      QStringLiteral("http://example.com/100%"),
  };
  for (const QString& address : addresses) {
    EXPECT_TRUE(platform.OpenUrl(address)) << address.toStdString();
  }
  QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  EXPECT_EQ(browser.opened.join('\n').toStdString(), addresses.join('\n').toStdString());
}

}  // namespace
}  // namespace kemurina

#include "platform_test.moc"
