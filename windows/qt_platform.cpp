#include "windows/qt_platform.h"

#include <QClipboard>
#include <QColorDialog>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QUrl>
#include <chrono>
#include <cstdlib>

#include "windows/app_title.h"

namespace kemurina {

namespace {

class QtTrayIcon : public TrayIcon {
 public:
  QtTrayIcon(QWidget* owner, const QIcon& icon, const QString& tip, QMenu* menu,
             std::function<void()> onRestore)
      : icon_(icon, owner) {
    icon_.setToolTip(tip);
    // The context button opens the menu (Qt shows it, or hands it to the
    // desktop's tray); only a plain left click restores, double clicks are
    // ignored.
    icon_.setContextMenu(menu);
    QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_,
                     [onRestore = std::move(onRestore)](QSystemTrayIcon::ActivationReason reason) {
                       if (reason == QSystemTrayIcon::Trigger) onRestore();
                     });
  }
  void Add() override { icon_.show(); }
  void Delete() override { icon_.hide(); }
  bool IsShown() const override { return icon_.isVisible(); }

 private:
  QSystemTrayIcon icon_;
};

}  // namespace

QString SingleInstanceLockPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir + QStringLiteral("/kemurina.lock");
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(parent);
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(AppTitle());
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

bool QtPlatform::OpenUrl(const QString& address) {
  // Read as a browser's address bar would: blanks, "|", "{", "^" or a lone
  // "%" are encoded rather than refused. Whether the address leads anywhere
  // is for the system's handler to find out.
  return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void QtPlatform::ClearClipboard() { QGuiApplication::clipboard()->clear(); }

void QtPlatform::SetClipboardText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

std::optional<int> QtPlatform::ChooseColor(QWidget* parent) {
  const QColor c = QColorDialog::getColor(Qt::black, parent);
  if (!c.isValid()) return std::nullopt;
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

bool QtPlatform::AcquireSingleInstance() {
  if (lockHeld_) return true;
  if (!lock_) {
    lock_ = std::make_unique<QLockFile>(SingleInstanceLockPath());
    // Never stale by age: only a lock whose owner no longer runs is taken over.
    lock_->setStaleLockTime(0);
  }
  lockHeld_ = lock_->tryLock(0);
  return lockHeld_;
}

void QtPlatform::EndProcess() { std::exit(0); }

ScreenMetrics QtPlatform::Screen() const {
  ScreenMetrics m;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    m.WidthTwips = 1024 * 15;
    m.HeightTwips = 768 * 15;
    return m;
  }
  const double dpiX = screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : 96.0;
  const double dpiY = screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
  m.TwipsPerPixelX = 1440.0 / dpiX;
  m.TwipsPerPixelY = 1440.0 / dpiY;
  m.WidthTwips = qRound(screen->geometry().width() * m.TwipsPerPixelX);
  m.HeightTwips = qRound(screen->geometry().height() * m.TwipsPerPixelY);
  return m;
}

bool QtPlatform::PositionsReliable() const {
  return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

LocalTime QtPlatform::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute()};
}

std::uint64_t QtPlatform::ClockSeed() const {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void QtPlatform::WatchSessionEnd(std::function<void()> onEnd) {
  // Watched from the first request until the platform goes; later requests
  // only change whom to tell.
  if (!session_ && onEnd) session_ = std::make_unique<QtSessionWatch>();
  if (session_) session_->SetOnEnd(std::move(onEnd));
}

bool QtPlatform::TrayAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

std::unique_ptr<TrayIcon> QtPlatform::CreateTrayIcon(QWidget* owner, const QIcon& icon,
                                                     const QString& tip, QMenu* menu,
                                                     std::function<void()> onRestore) {
  return std::make_unique<QtTrayIcon>(owner, icon, tip, menu, std::move(onRestore));
}

}  // namespace kemurina
