#include "dialogs/form6.h"

#include <QFile>

#include "dialogs/centre_on_screen.h"
#include "dialogs/enter_key_preview.h"
#include "dialogs/finish_first_start.h"
#include "dialogs/fit_label.h"
#include "dialogs/logic/first_start.h"
#include "dialogs/logic/season_table.h"
#include "windows/fonts.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

namespace {

constexpr int kImageTop = 900;
constexpr int kImageLefts[3] = {1200, 2570, 3960};
constexpr int kImageWidth = 375;
constexpr int kImageHeight = 345;
constexpr int kFrameMilliseconds = 450;
constexpr int kLabelLeft = 480;
constexpr int kLabelWidth = 4575;

// The frame drawn for the screen's pixel density: season_0@2x.png on a screen
// of ratio 2, and so on; the nearest smaller drawing where one is missing.
QPixmap LoadFrame(int index, qreal ratio) {
  const int wanted = ratio > 2.0 ? 4 : ratio > 1.0 ? 2 : 1;
  for (int scale : {4, 2, 1}) {
    if (scale > wanted) continue;
    const QString name = scale == 1 ? QStringLiteral(":/season_%1.png").arg(index)
                                    : QStringLiteral(":/season_%1@%2x.png").arg(index).arg(scale);
    if (!QFile::exists(name)) continue;
    QPixmap frame(name);
    if (frame.isNull()) continue;
    frame.setDevicePixelRatio(scale);
    return frame;
  }
  return {};
}

}  // namespace

Form6::Form6(Module& module) : FormBase(module) {
  SetUpWindow(QString::fromUtf8(kSeasonDesignCaption), 5415, 3630);
  const Twips tw(module_.platform().Screen());

  for (int i = 0; i < 2; ++i) frames_[static_cast<size_t>(i)] = LoadFrame(i, devicePixelRatioF());
  for (size_t i = 0; i < Image1.size(); ++i) {
    auto* image = new QLabel(this);
    // Drawn pixel for pixel: the picture keeps its size in the larger box.
    image->setScaledContents(false);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(frames_[0]);
    image->setAccessibleName(QStringLiteral("サンタ帽のひよこ"));
    tw.Place(image, kImageLefts[i], kImageTop, kImageWidth, kImageHeight);
    Image1[i] = image;
  }

  auto label = [&](const char* text, int top, int height, QFont font) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setFont(font);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    tw.Place(l, kLabelLeft, top, kLabelWidth, height);
    return l;
  };
  Label1 = label("クリスマス限定スペシャルメッセージ", 480, 255, DesignFont(9));
  Label2 = label("メリークリスマス", kSeasonLabel2DesignTop, 255, DesignFont(12, true));
  Label3[0] = label("聖なる日のケムリナが", 1560, 375, DesignFont(14.25, true));
  Label3[1] =
      label("成功しますように！", kSeasonLabel3SecondDesignTop, 375, DesignFont(14.25, true));

  Command1 = AddButton("ケムリナを開始する(CR)", {1560, 2760, 2295, 375});
  connect(Command1, &QPushButton::clicked, this, &Form6::StartQuitting);

  animation_ = new QTimer(this);
  animation_->setInterval(kFrameMilliseconds);
  connect(animation_, &QTimer::timeout, this, &Form6::ShowNextFrame);

  EnterKeyPreview::Install(this, [this] { StartQuitting(); });
  CentreOnScreen(this, module_.platform().Screen());
}

void Form6::Load() {
  for (QLabel* image : Image1) image->hide();
  for (QLabel* l : {Label1, Label2, Label3[0], Label3[1]}) l->clear();

  const SeasonView season = SeasonViewFor(module_.settings().QuitDate());
  setWindowTitle(QString::fromUtf8(season.Caption));
  Label1->setText(QString::fromUtf8(season.Label1));
  Label2->setText(QString::fromUtf8(season.Label2));
  Label3[0]->setText(QString::fromUtf8(season.Label3[0]));
  Label3[1]->setText(QString::fromUtf8(season.Label3[1]));
  const Twips tw(module_.platform().Screen());
  Label2->move(Label2->x(), tw.Y(season.Label2Top));
  Label3[1]->move(Label3[1]->x(), tw.Y(season.Label3SecondTop));
  for (size_t i = 0; i < Image1.size(); ++i) Image1[i]->setVisible(season.Pictures[i]);
  for (QLabel* l : {Label1, Label2, Label3[0], Label3[1]}) GrowToTextCentred(l, width());
}

void Form6::ShowNextFrame() {
  frame_ = 1 - frame_;
  for (QLabel* image : Image1) image->setPixmap(frames_[static_cast<size_t>(frame_)]);
}

void Form6::StartQuitting() {
  if (IsUnloading()) return;
  // The quit moment is the one the welcome window stamped, not this click's.
  if (!FinishFirstStart(module_, *this)) return;  // the greeting stays for another try
  hide();
  Unload();
}

void Form6::OnUnload() { animation_->stop(); }

void Form6::showEvent(QShowEvent* e) {
  FormBase::showEvent(e);
  animation_->start();
}

void Form6::hideEvent(QHideEvent* e) {
  animation_->stop();
  FormBase::hideEvent(e);
}

}  // namespace kemurina
