#include "windows/form1.h"

#include <QPainter>
#include <algorithm>

#include "windows/accessibility.h"
#include "windows/fonts.h"
#include "windows/form7.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

namespace {

constexpr int kMovedDownTop = 2850;

constexpr LabelDesign kCaptions[] = {
    {0, {120, 60, 1335, 135}, "ケムリナからの日数"},
    {4, {120, 610, 975, 135}, "延びた寿命"},
    {2, {120, 1155, 1335, 135}, "節約できた金額"},
    {1, {120, 1710, 1455, 135}, "吸わなかった煙草"},
    {6, {120, 2235, 975, 135}, "今日の一言"},
    {5, {4005, 60, 975, 135}, "ステータス"},
    {19, {4080, 630, 735, 135}, "肺の状態"},
};

constexpr Box kValueLabels[6] = {
    {240, 240, 3615, 255},  {240, 790, 3615, 255},  {240, 1340, 3615, 255},
    {4080, 240, 1335, 255}, {240, 1890, 5175, 255}, {240, 2440, 5175, 255},
};
// Label1(n) that each Label2(i) stands under, and the order the keyboard
// reaches the values in: row by row, left to right.
constexpr int kCaptionOfValue[6] = {0, 4, 2, 5, 1, 6};
constexpr int kValueTabOrder[6] = {0, 3, 1, 2, 4, 5};

constexpr int kPictureLefts[3] = {2040, 2580, 3120};
constexpr int kImage3Top = 1560;
constexpr int kImage1Top = 2700;
constexpr int kPictureWidth = 450;
constexpr int kPictureHeight = 435;

struct Line {
  int X1, Y1, X2, Y2;
};
constexpr Line kLines[8] = {
    {4080, 840, 4080, 1680}, {4080, 1680, 5400, 1680}, {4800, 720, 5400, 720},
    {5400, 720, 5400, 1680}, {960, 2300, 5520, 2300},  {5520, 2300, 5520, 2780},
    {120, 2780, 5520, 2780}, {120, 2400, 120, 2780},
};
constexpr Box kLungs[2] = {{4320, 860, 375, 735}, {4800, 860, 375, 735}};
constexpr Box kLungMiddle = {4560, 1100, 375, 210};

}  // namespace

Form1::Form1(Module& module)
    : DisplayWindow(module, {&Settings::MainLeft, &Settings::MainTop, 5000, 3000}) {
  SetUpWindow(QStringLiteral(" ケムリナ式 - hakkaro"), 5625, 3330, Frame::FixedMinimise);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(0xC0C0C0));
  setPalette(pal);
  BuildControls();
  BuildMenu(QStringLiteral("popup"), {Command::Copy, Command::Copy2, Command::Blog, Command::Settei,
                                      Command::Ver, Command::Mini, Command::Help, Command::Exit});
  AddDisplayWindowKeys(*this);
}

void Form1::BuildControls() {
  const Twips tw(module_.platform().Screen());

  for (const LabelDesign& c : kCaptions) {
    auto* label = new ClickLabel(this);
    label->setText(QString::fromUtf8(c.Text));
    label->setFont(DesignFont(8.25));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    tw.Place(label, c.Where);
    // The substitute font runs a little wider than the design's; a caption is
    // never cut off, it may reach a few pixels further right instead.
    const QSize hint = label->sizeHint();
    const int height = std::max(label->height(), hint.height());
    label->setGeometry(label->x(), label->y() - (height - label->height()) / 2,
                       std::max(label->width(), hint.width()), height);
    Label1[c.Index] = label;
  }

  for (int i = 0; i < 6; ++i) {
    auto* label = new ClickLabel(this);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tw.Place(label, kValueLabels[i]);
    Label2[static_cast<size_t>(i)] = label;
  }
  connect(Label2[0], &ClickLabel::clicked, this, &Form1::ToggleDayForm);

  const QPixmap duckA(QStringLiteral(":/duck_a.png"));
  const QPixmap duckB(QStringLiteral(":/duck_b.png"));
  for (size_t i = 0; i < 3; ++i) {
    for (const bool image1 : {true, false}) {  // Image1 first in each column
      auto* duck = new ClickLabel(this);
      duck->setPixmap(image1 ? duckA : duckB);
      duck->setAccessibleName(QStringLiteral("アヒル"));
      tw.Place(duck, kPictureLefts[i], image1 ? kImage1Top : kImage3Top, kPictureWidth,
               kPictureHeight);
      pictures_[image1 ? i : 3 + i] = duck;
    }
  }

  Image2 = new ClickLabel(this);
  Image2->setPixmap(module_.AppIcon().pixmap(16, 16));
  tw.Place(Image2, 0, 240, 240, 240);
  Image2->hide();

  auto button = [&](const char* text, const Box& b, Command command) {
    QPushButton* pushButton = AddButton(text, b);
    connect(pushButton, &QPushButton::clicked, this, [this, command] { Run(command); });
    return pushButton;
  };
  Command3 = button("コピ１", {120, 2950, 735, 300}, Command::Copy);
  Command4 = button("コピ２", {960, 2950, 735, 300}, Command::Copy2);
  Command2 = button("ＢＢＳ", {3960, 2950, 735, 300}, Command::Blog);
  Command1 = button("設定", {4800, 2950, 735, 300}, Command::Settei);
  setTabOrder(Command1, Command3);
  setTabOrder(Command3, Command2);
  setTabOrder(Command2, Command4);
  // The values come after the buttons, so the focus the window opens with
  // stays where it was.
  QWidget* previous = Command4;
  for (int i : kValueTabOrder) {
    ClickLabel* value = Label2[static_cast<size_t>(i)];
    MakeAccessibleValue(value, Label1.at(kCaptionOfValue[i]));
    setTabOrder(previous, value);
    previous = value;
  }

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setRange(0, 33);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setAccessibleName(QStringLiteral("次のアヒルまで"));
  tw.Place(ProgressBar1, 1800, 3120, 2055, 120);

  Timer1 = new QTimer(this);
  Timer1->setInterval(30000);
  connect(Timer1, &QTimer::timeout, this, [this] { module_.RefreshAll(); });
}

void Form1::Load() {
  if (!ClaimSingleInstance()) return;
  module_.ReloadFiles();
  RestoreCorner(module_.settings());
  for (ClickLabel* label : Label2) ApplyTextColours(label);
  CreateTray();
  Timer1->start();
}

void Form1::ShowRefresh(const RefreshResult& r) {
  const ProgressSnapshot& snap = r.Snapshot;
  for (size_t i : {0, 2, 1, 4, 5, 3}) Label2[i]->SetValue(QString::fromStdString(r.Label2[i]));

  lungFill_ = snap.LungColour;
  update();

  for (ClickLabel* picture : pictures_) picture->hide();
  const Twips tw(module_.platform().Screen());
  for (int n = 0; n < r.Pictures.Count; ++n) {
    ClickLabel* picture = pictures_.at(static_cast<size_t>(r.Pictures.Shown.at(n)));
    picture->show();
    if (r.Pictures.MovedDown) picture->move(picture->x(), tw.Y(kMovedDownTop));
  }
  if (!snap.ProgressVisible) ProgressBar1->hide();
  ProgressBar1->setValue(snap.ProgressValue);
}

void Form1::ToggleDayForm() {
  const ProgressSnapshot& snap = module_.Snapshot();
  if (module_.DayFormToggle == 0) {
    module_.DayFormToggle = 1;
    Label2[0]->SetValue(QString::fromStdString(DayForm(snap)));
  } else if (module_.DayFormToggle == 1) {
    module_.DayFormToggle = 0;
    Label2[0]->SetValue(QString::fromStdString(CalendarForm(snap)));
  }
}

void Form1::SwitchToMini() {
  Settings& s = module_.settings();
  Form7* mini = module_.Find<Form7>();
  if (!mini) return;
  if (s.WindowMode == window_mode::kNeverSwitched) mini->move(pos());
  s.WindowMode = window_mode::kMiniInUse;
  hide();
  mini->show();
}

void Form1::OnUnload() {
  Timer1->stop();
  DisplayWindow::OnUnload();
}

void Form1::paintEvent(QPaintEvent*) {
  const Twips tw(module_.platform().Screen());
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(FromBgr(lungFill_));
  for (const Box& b : kLungs) p.drawEllipse(tw.Rect(b));
  p.drawRect(tw.Rect(kLungMiddle));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::white, 1));
  for (const Line& l : kLines) p.drawLine(tw.Point(l.X1, l.Y1), tw.Point(l.X2, l.Y2));
}

}  // namespace kemurina
