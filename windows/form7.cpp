#include "windows/form7.h"

#include "windows/accessibility.h"
#include "windows/fonts.h"
#include "windows/form1.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

Form7::Form7(Module& module)
    : DisplayWindow(module, {&Settings::MiniLeft, &Settings::MiniTop, 3500, 1500}) {
  SetUpWindow(QStringLiteral(" ケムリナ式 mini mode"), 4230, 1320, Frame::SizableMinimise);
  setAutoFillBackground(true);
  const Twips tw(module_.platform().Screen());

  // Wider than the window on purpose: the ends of long lines are cut off.
  Label1 = new ClickLabel(this);
  Label1->setAutoFillBackground(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setTextFormat(Qt::PlainText);
  Label1->setAccessibleDescription(QStringLiteral("ケムリナの記録"));
  MakeAccessibleValue(Label1, nullptr);
  tw.Place(Label1, 120, 120, 5000, 1095);
  connect(Label1, &ClickLabel::doubleClicked, this, &Form7::HideToTray);
  connect(Label1, &ClickLabel::rightPressed, this,
          [this](const QPoint& at) { mnuPopup->popup(at); });

  Image2 = new ClickLabel(this);
  Image2->setPixmap(module_.AppIcon().pixmap(16, 16));
  tw.Place(Image2, 0, 0, 240, 240);
  Image2->hide();
  connect(Image2, &ClickLabel::doubleClicked, this, &Form7::HideToTray);

  BuildMenu(QStringLiteral("Popupmenu"),
            {Command::Copy, Command::Copy2, Command::Blog, Command::Help, Command::Settei,
             Command::Ver, Command::St, Command::Exit});
  AddDisplayWindowKeys(*this);
}

void Form7::Load() {
  ShowAsIn(module_.settings());
  CreateTray();
}

void Form7::ShowAsIn(Settings& s) {
  RestoreCorner(s);
  ApplyTextColours(this, s);
  ApplyTextColours(Label1, s);
}

void Form7::SetSummaryText(const std::string& text) {
  // The summary's lines are CRLF-separated; a label breaks on the LF alone.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Label1->SetValue(shown);
  // Six lines must show whole even where the font's lines run a little taller
  // than the design's; the label only ever grows. Its height follows the number
  // of lines, not the figures in them, so it is measured again only when a
  // text has more lines than any before: measuring lays the whole text out,
  // which would otherwise be most of every refresh.
  const int lines = static_cast<int>(shown.count(QLatin1Char('\n'))) + 1;
  if (lines <= measuredLines_) return;
  measuredLines_ = lines;
  const int needed = Label1->sizeHint().height();
  if (needed > Label1->height()) Label1->resize(Label1->width(), needed);
}

void Form7::SwitchToMain() {
  module_.settings().WindowMode = window_mode::kSwitchedBack;
  if (Form1* main = module_.Find<Form1>()) main->show();
  hide();
}

}  // namespace kemurina
