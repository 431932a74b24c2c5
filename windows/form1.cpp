#include "windows/form1.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "windows/accessibility.h"
#include "windows/fonts.h"
#include "windows/form7.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/placement.h"
#include "windows/twips.h"

namespace kemurina {

namespace {

constexpr int kClientWidth = 5625;
constexpr int kClientHeight = 3330;
constexpr int kBackground = 0xC0C0C0;
constexpr int kMovedDownTop = 2850;

struct Box {
  int Left, Top, Width, Height;
};

struct CaptionDesign {
  int Index;
  Box Where;
  const char* Text;
};

constexpr CaptionDesign kCaptions[] = {
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

Form1::Form1(Module& module) : DisplayWindow(module) {
  SetUpFixedWindow(QStringLiteral(" ケムリナ式 - hakkaro"), kClientWidth, kClientHeight,
                   MinimiseButton::Yes);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(kBackground));
  setPalette(pal);
  BuildControls();
  BuildMenu();
  AddDisplayWindowKeys(*this);
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  const Twips tw(module_.platform().Screen());

  for (const CaptionDesign& c : kCaptions) {
    auto* label = new ClickLabel(this);
    label->setText(QString::fromUtf8(c.Text));
    label->setFont(DesignFont(8.25));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    tw.Place(label, c.Where.Left, c.Where.Top, c.Where.Width, c.Where.Height);
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
    label->setFont(DesignFont(9));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const Box& b = kValueLabels[i];
    tw.Place(label, b.Left, b.Top, b.Width, b.Height);
    Label2[static_cast<size_t>(i)] = label;
  }
  {
    // The design's grey and white, until the load handler applies the user's.
    QPalette pal = Label2[0]->palette();
    for (ClickLabel* label : Label2) {
      pal.setColor(QPalette::Window, FromBgr(0x808080));
      pal.setColor(QPalette::WindowText, Qt::white);
      label->setPalette(pal);
    }
  }
  connect(Label2[0], &ClickLabel::clicked, this, &Form1::ToggleDayForm);

  const QPixmap duckA(QStringLiteral(":/duck_a.png"));
  const QPixmap duckB(QStringLiteral(":/duck_b.png"));
  for (int i = 0; i < 3; ++i) {
    auto* a = new ClickLabel(this);
    a->setPixmap(duckA);
    a->setAccessibleName(QStringLiteral("アヒル"));
    tw.Place(a, kPictureLefts[i], kImage1Top, kPictureWidth, kPictureHeight);
    image1_[static_cast<size_t>(i)] = a;
    auto* b = new ClickLabel(this);
    b->setPixmap(duckB);
    b->setAccessibleName(QStringLiteral("アヒル"));
    tw.Place(b, kPictureLefts[i], kImage3Top, kPictureWidth, kPictureHeight);
    image3_[static_cast<size_t>(i)] = b;
  }

  Image2 = new ClickLabel(this);
  Image2->setPixmap(module_.AppIcon().pixmap(16, 16));
  tw.Place(Image2, 0, 240, 240, 240);
  Image2->hide();

  auto button = [&](const char* text, const Box& b) {
    auto* command = new QPushButton(QString::fromUtf8(text), this);
    command->setFont(DesignFont(9));
    command->setAutoDefault(false);
    tw.Place(command, b.Left, b.Top, b.Width, b.Height);
    return command;
  };
  Command3 = button("コピ１", {120, 2950, 735, 300});
  Command4 = button("コピ２", {960, 2950, 735, 300});
  Command2 = button("ＢＢＳ", {3960, 2950, 735, 300});
  Command1 = button("設定", {4800, 2950, 735, 300});
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

  connect(Command3, &QPushButton::clicked, this, [this] { module_.CopyFullSummary(); });
  connect(Command4, &QPushButton::clicked, this, [this] { module_.CopyShortSummary(); });
  connect(Command2, &QPushButton::clicked, this, [this] { module_.OpenBbsPage(this); });
  connect(Command1, &QPushButton::clicked, this, &Form1::OpenSettings);

  Timer1 = new QTimer(this);
  Timer1->setInterval(30000);
  connect(Timer1, &QTimer::timeout, this, [this] { module_.RefreshAll(); });
}

void Form1::BuildMenu() {
  mnuPopup = new QMenu(QStringLiteral("popup"), this);
  auto item = [this](const char* text) { return mnuPopup->addAction(QString::fromUtf8(text)); };
  mnuCopy = item("コピーする");
  mnuCopy2 = item("ツイッター用にコピー");
  mnuBlog = item("ブログや掲示板を開く");
  mnuSettei = item("設定変更をする");
  mnuVer = item("バージョン情報");
  mnuMini = item("ミニサイズで運転する");
  mnuHelp = item("ヘルプを読む");
  mnuExit = item("アプリケーションの終了");

  // The items that repeat a button run the button's own handler.
  connect(mnuCopy, &QAction::triggered, Command3, &QPushButton::click);
  connect(mnuCopy2, &QAction::triggered, Command4, &QPushButton::click);
  connect(mnuBlog, &QAction::triggered, Command2, &QPushButton::click);
  connect(mnuSettei, &QAction::triggered, Command1, &QPushButton::click);
  connect(mnuVer, &QAction::triggered, this, [this] { module_.ShowVersionBox(this); });
  connect(mnuMini, &QAction::triggered, this, &Form1::SwitchToMini);
  connect(mnuHelp, &QAction::triggered, this, [this] { module_.OpenHelpWindow(); });
  connect(mnuExit, &QAction::triggered, this, [this] { Unload(); });
}

bool Form1::Load() {
  Platform& platform = module_.platform();
  if (!platform.AcquireSingleInstance()) {
    platform.ShowMessage(nullptr, QStringLiteral("プログラムは既に起動されています。"));
    module_.EndProcess();
    return false;
  }
  module_.ReloadFiles();

  for (int i = 10; i <= 12; ++i) Image1(i)->hide();
  for (int i = 0; i <= 2; ++i) Image3(i)->hide();
  Image2->hide();

  module_.RefreshAll();

  Settings& s = module_.settings();
  const ScreenMetrics screen = platform.Screen();
  const QPoint corner = CorrectPlacement(screen, 5000, 3000, s.MainLeft, s.MainTop);
  s.MainLeft = corner.x();
  s.MainTop = corner.y();
  const Twips tw(screen);
  move(tw.Point(s.MainLeft, s.MainTop));

  ApplyLabelColours();

  CreateTray();
  Timer1->start();
  return true;
}

void Form1::ApplyLabelColours() {
  const Settings& s = module_.settings();
  for (ClickLabel* label : Label2) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, FromBgr(s.TextBackColor));
    pal.setColor(QPalette::WindowText, FromBgr(s.TextForeColor));
    label->setPalette(pal);
  }
}

void Form1::ShowRefresh(const RefreshResult& r) {
  const ProgressSnapshot& snap = r.Snapshot;
  Label2[0]->SetValue(QString::fromStdString(r.Label2[0]));
  Label2[2]->SetValue(QString::fromStdString(r.Label2[2]));
  Label2[1]->SetValue(QString::fromStdString(r.Label2[1]));
  Label2[4]->SetValue(QString::fromStdString(r.Label2[4]));
  Label2[5]->SetValue(QString::fromStdString(r.Label2[5]));
  Label2[3]->SetValue(QString::fromStdString(r.Label2[3]));

  lungFill_ = snap.LungColour;
  update();

  for (int i = 10; i <= 12; ++i) Image1(i)->hide();
  for (int i = 0; i <= 2; ++i) Image3(i)->hide();
  std::vector<QLabel*> movedDown;
  switch (snap.CharacterStage) {
    case 0:
      break;
    case 1:
      Image1(10)->show();
      break;
    case 2:
      Image1(10)->show();
      Image1(12)->show();
      break;
    case 3:
      movedDown = {Image1(10), Image1(11), Image1(12)};
      break;
    case 4:
      movedDown = {Image1(12), Image3(0), Image1(11)};
      break;
    case 5:
      movedDown = {Image3(0), Image3(2), Image1(11)};
      break;
    default:
      movedDown = {Image3(0), Image3(1), Image3(2)};
      break;
  }
  if (!movedDown.empty()) {
    const Twips tw(module_.platform().Screen());
    for (QLabel* picture : movedDown) {
      picture->show();
      picture->move(picture->x(), tw.Y(kMovedDownTop));
    }
    ProgressBar1->hide();
  }
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
  Form7* mini = module_.LoadForm7();
  if (!mini) return;
  if (s.WindowMode == window_mode::kNeverSwitched) mini->move(pos());
  s.WindowMode = window_mode::kMiniInUse;
  hide();
  mini->show();
}

void Form1::OpenSettings() {
  hide();
  Unload();
  module_.OpenSettingsDialog();
}

void Form1::OnUnload() {
  Timer1->stop();
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  Settings& s = module_.settings();
  if (module_.PositionsReliable()) {
    const Twips tw(module_.platform().Screen());
    s.MainLeft = tw.ToTwipsX(pos().x());
    s.MainTop = tw.ToTwipsY(pos().y());
  }
  module_.SaveOptionFile();
  RemoveTrayIcon();
  if (Form7* mini = module_.form7()) mini->Unload();
}

void Form1::paintEvent(QPaintEvent*) {
  const Twips tw(module_.platform().Screen());
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(FromBgr(lungFill_));
  for (const Box& b : kLungs) p.drawEllipse(tw.Rect(b.Left, b.Top, b.Width, b.Height));
  p.drawRect(tw.Rect(kLungMiddle.Left, kLungMiddle.Top, kLungMiddle.Width, kLungMiddle.Height));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::white, 1));
  for (const Line& l : kLines) p.drawLine(tw.Point(l.X1, l.Y1), tw.Point(l.X2, l.Y2));
}

}  // namespace kemurina
