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
  Q_INVOKABLE void open(const QUrl& url) { opened << QUrl::fromPercentEncoding(url.toEncoded()); }
};

// Addresses go to the browser as typed, not refused for what a strict reading of addresses
// dislikes.
TEST(QtPlatformTest, HandsOverWhatABrowserWouldOpen) {
  Browser browser;
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
  QtPlatform platform;
  const QStringList addresses = {"http://www.example.com/kemurina/",
                                 "http://www.example.com/my board/", "http://example.com/a|b{c}^d",
                                 "http://example.com/100%"};
  for (const QString& address : addresses) {
    EXPECT_TRUE(platform.OpenUrl(address)) << address.toStdString();
  }
  QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  EXPECT_EQ(browser.opened.join('\n').toStdString(), addresses.join('\n').toStdString());
}

}  // namespace
}  // namespace kemurina

#include "platform_test.moc"
