#include "dialogs/form4.h"

#include "dialogs/centre_on_screen.h"
#include "dialogs/enter_key_preview.h"
#include "dialogs/finish_first_start.h"
#include "dialogs/fit_label.h"
#include "dialogs/form6.h"
#include "dialogs/logic/first_start.h"
#include "windows/fonts.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

Form4::Form4(Module& module) : FormBase(module) {
  SetUpWindow(QStringLiteral(" ( ・◇・)  - hakkaro"), 5415, 3630);
  const Twips tw(module_.platform().Screen());

  Label1 = new QLabel(QStringLiteral("ようこそケムリナ式へ"), this);
  Label1->setFont(DesignFont(12, true));
  tw.Place(Label1, 1800, 480, 2055, 375);
  GrowToText(Label1);

  // Labels the design gives only a width take their text's height.
  auto label = [&](const char* text, int left, int top, int width = 0) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->adjustSize();
    if (width > 0) l->resize(tw.X(width), l->height());
    l->move(tw.Point(left, top));
    GrowToText(l);
    return l;
  };
  Label2[0] = label("これでタバコとは、永遠のサヨナラとなります。", 960, 1200, 3975);
  Label2[1] = label("今からケムリナを開始しますか？", 1680, 1560, 2655);
  Label3 = label("どうしますか？", 2160, 1920);

  auto button = [&](const char* text, int left, int top, int width, int height) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setAutoDefault(false);
    tw.Place(b, left, top, width, height);
    return b;
  };
  Command1 = button("ケムリナを開始する(CR)", 1680, 2400, 2175, 495);
  Command2[0] = button("もう少し考える", 720, 3000, 1935, 375);
  Command2[1] = button("また次の機会にする", 2760, 3000, 2055, 375);
  connect(Command1, &QPushButton::clicked, this, &Form4::StartQuitting);
  for (QPushButton* notNow : Command2)
    connect(notNow, &QPushButton::clicked, this, &Form4::Decline);

  EnterKeyPreview::Install(this, [this] { StartQuitting(); });
  CentreOnScreen(this, module_.platform().Screen());
}

Form4::~Form4() = default;

void Form4::StartQuitting() {
  if (IsUnloading()) return;
  Settings& s = module_.settings();
  s.SetQuitDate(module_.platform().Now());
  if (IsSeasonalDate(s.QuitDate())) {
    // The greeting finishes the first start itself, with the moment set here.
    if (Form6* greeting = module_.Load<Form6>()) greeting->show();
  } else {
    FinishFirstStart(module_, *this);
  }
  hide();
  Unload();
}

void Form4::Decline() { Unload(); }

}  // namespace kemurina
