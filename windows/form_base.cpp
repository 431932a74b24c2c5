#include "windows/form_base.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "startup/startup.h"
#include "windows/fonts.h"
#include "windows/module.h"

namespace kemurina {

FormBase::FormBase(Module& module) : QWidget(nullptr), module_(module) {
  module_.FormCreated(this);
}

FormBase::~FormBase() {
  if (!unloading_) module_.FormUnloaded(this);
}

void FormBase::SetUpWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                           Frame frame) {
  setWindowTitle(caption);
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (frame != Frame::Fixed) flags |= Qt::WindowMinimizeButtonHint;
  if (frame == Frame::SizableMinMax)
    flags |= Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint;
  setWindowFlags(flags);
  setWindowIcon(module_.AppIcon());
  setFont(DesignFont(9));
  const Twips tw(module_.platform().Screen());
  const QSize size(tw.X(clientWidthTwips), tw.Y(clientHeightTwips));
  if (frame == Frame::Fixed || frame == Frame::FixedMinimise) {
    setFixedSize(size);
  } else {
    resize(size);
  }
}

QPushButton* FormBase::AddButton(const char* text, const Box& where) {
  auto* button = new QPushButton(QString::fromUtf8(text), this);
  button->setAutoDefault(false);
  Twips(module_.platform().Screen()).Place(button, where);
  return button;
}

QLabel* FormBase::AddLabel(const char* text, const Box& where, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent ? parent : this);
  const Twips tw(module_.platform().Screen());
  if (where.Width > 0 && where.Height > 0) {
    tw.Place(label, where);
    return label;
  }
  label->adjustSize();
  label->move(tw.Point(where.Left, where.Top));
  if (where.Width > 0) label->resize(tw.X(where.Width), label->height());
  return label;
}

void FormBase::MoveToTwips(int left, int top) {
  move(Twips(module_.platform().Screen()).Point(left, top));
}

void FormBase::StoreCorner(int& left, int& top) const {
  if (!module_.platform().PositionsReliable()) return;
  const Twips tw(module_.platform().Screen());
  left = tw.ToTwipsX(pos().x());
  top = tw.ToTwipsY(pos().y());
}

bool FormBase::ClaimSingleInstance() {
  Platform& platform = module_.platform();
  if (platform.AcquireSingleInstance()) return true;
  platform.ShowMessage(nullptr, QString::fromUtf8(kAlreadyRunningMessage));
  module_.EndProcess();
  return false;
}

void FormBase::ApplyTextColours(QWidget* label) const {
  ApplyTextColours(label, module_.settings());
}

void FormBase::ApplyTextColours(QWidget* label, const Settings& s) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, FromBgr(s.TextBackColor));
  pal.setColor(QPalette::WindowText, FromBgr(s.TextForeColor));
  label->setPalette(pal);
}

void FormBase::Unload() {
  if (unloading_) return;
  unloading_ = true;
  OnUnload();
  hide();
  module_.FormUnloaded(this);
  deleteLater();
}

void FormBase::paintEvent(QPaintEvent*) {
  if (frames_.empty()) return;
  const Twips tw(module_.platform().Screen());
  QPainter p(this);
  p.setPen(QPen(palette().color(QPalette::WindowText), 1));
  p.setBrush(Qt::NoBrush);
  for (const Box& b : frames_) p.drawRect(tw.Rect(b).adjusted(0, 0, -1, -1));
}

void FormBase::closeEvent(QCloseEvent* event) {
  // The window is taken down by Unload (which may have to run handlers that
  // unload other windows first); the system's own close is not needed.
  event->ignore();
  Unload();
}

}  // namespace kemurina
