#include "windows/form7.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

#include "windows/accessibility.h"
#include "windows/fonts.h"
#include "windows/form1.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/placement.h"
#include "windows/twips.h"

namespace kemurina {

namespace {
constexpr int kClientWidth = 4230;
constexpr int kClientHeight = 1320;
constexpr int kDesignBackground = 0x80C0FF;
}  // namespace

Form7::Form7(Module& module) : DisplayWindow(module) {
  setWindowTitle(QStringLiteral(" ケムリナ式 mini mode"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(module_.AppIcon());
  setFont(DesignFont(9));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(kDesignBackground));
  setPalette(pal);

  const Twips tw(module_.platform().Screen());
  resize(tw.X(kClientWidth), tw.Y(kClientHeight));

  // Wider than the window on purpose: the ends of long lines are cut off.
  Label1 = new ClickLabel(this);
  Label1->setAutoFillBackground(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setTextFormat(Qt::PlainText);
  Label1->setAccessibleDescription(QStringLiteral("ケムリナの記録"));
  MakeAccessibleValue(Label1, nullptr);
  QPalette labelPal = Label1->palette();
  labelPal.setColor(QPalette::Window, FromBgr(kDesignBackground));
  labelPal.setColor(QPalette::WindowText, Qt::white);
  Label1->setPalette(labelPal);
  tw.Place(Label1, 120, 120, 5000, 1095);
  connect(Label1, &ClickLabel::doubleClicked, this, &Form7::HideToTray);
  connect(Label1, &ClickLabel::rightPressed, this,
          [this](const QPoint& at) { mnuPopup->popup(at); });

  Image2 = new ClickLabel(this);
  Image2->setPixmap(module_.AppIcon().pixmap(16, 16));
  tw.Place(Image2, 0, 0, 240, 240);
  Image2->hide();
  connect(Image2, &ClickLabel::doubleClicked, this, &Form7::HideToTray);

  mnuPopup = new QMenu(QStringLiteral("Popupmenu"), this);
  auto item = [this](const char* text) { return mnuPopup->addAction(QString::fromUtf8(text)); };
  mnuCopy = item("コピーする");
  mnuCopy2 = item("ツイッター用にコピー");
  mnuBlog = item("ブログや掲示板を開く");
  mnuHelp = item("ヘルプを読む");
  mnuSettei = item("設定変更をする");
  mnuVer = item("バージョン情報");
  mnuSt = item("標準サイズで運転する");
  mnuExit = item("アプリケーションの終了");
  connect(mnuCopy, &QAction::triggered, this, [this] { module_.CopyFullSummary(); });
  connect(mnuCopy2, &QAction::triggered, this, [this] { module_.CopyShortSummary(); });
  connect(mnuBlog, &QAction::triggered, this, [this] { module_.OpenBbsPage(this); });
  connect(mnuHelp, &QAction::triggered, this, [this] { module_.OpenHelpWindow(); });
  connect(mnuSettei, &QAction::triggered, this, &Form7::OpenSettings);
  connect(mnuVer, &QAction::triggered, this, [this] { module_.ShowVersionBox(this); });
  connect(mnuSt, &QAction::triggered, this, &Form7::SwitchToMain);
  connect(mnuExit, &QAction::triggered, this, [this] { Unload(); });
  AddDisplayWindowKeys(*this);
}

Form7::~Form7() = default;

void Form7::Load() {
  Settings& s = module_.settings();
  const ScreenMetrics screen = module_.platform().Screen();
  const QPoint corner = CorrectPlacement(screen, 3500, 1500, s.MiniLeft, s.MiniTop);
  s.MiniLeft = corner.x();
  s.MiniTop = corner.y();
  move(Twips(screen).Point(s.MiniLeft, s.MiniTop));

  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(s.TextBackColor));
  setPalette(pal);
  QPalette labelPal = Label1->palette();
  labelPal.setColor(QPalette::Window, FromBgr(s.TextBackColor));
  labelPal.setColor(QPalette::WindowText, FromBgr(s.TextForeColor));
  Label1->setPalette(labelPal);

  CreateTray();
  module_.RefreshAll();
}

void Form7::SetSummaryText(const std::string& text) {
  // The summary's lines are CRLF-separated; a label breaks on the LF alone.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Label1->SetValue(shown);
  // Six lines must show whole even where the font's lines run a little taller
  // than the design's; the label only ever grows.
  if (Label1->sizeHint().height() > Label1->height()) {
    Label1->resize(Label1->width(), Label1->sizeHint().height());
  }
}

void Form7::SwitchToMain() {
  module_.settings().WindowMode = window_mode::kSwitchedBack;
  if (Form1* main = module_.LoadForm1()) main->show();
  hide();
}

void Form7::StorePosition() {
  if (!module_.PositionsReliable()) return;
  const Twips tw(module_.platform().Screen());
  module_.settings().MiniLeft = tw.ToTwipsX(pos().x());
  module_.settings().MiniTop = tw.ToTwipsY(pos().y());
}

void Form7::OpenSettings() {
  StorePosition();
  hide();
  Unload();
  module_.OpenSettingsDialog();
}

void Form7::OnUnload() {
  RemoveTrayIcon();
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  StorePosition();
  module_.SaveOptionFile();
  if (Form1* main = module_.form1()) main->Unload();
}

}  // namespace kemurina
