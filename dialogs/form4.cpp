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

  Label2[0] = AddLabel("これでタバコとは、永遠のサヨナラとなります。", {960, 1200, 3975, 0});
  Label2[1] = AddLabel("今からケムリナを開始しますか？", {1680, 1560, 2655, 0});
  Label3 = AddLabel("どうしますか？", {2160, 1920, 0, 0});
  for (QLabel* l : {Label2[0], Label2[1], Label3}) GrowToText(l);

  Command1 = AddButton("ケムリナを開始する(CR)", {1680, 2400, 2175, 495});
  Command2[0] = AddButton("もう少し考える", {720, 3000, 1935, 375});
  Command2[1] = AddButton("また次の機会にする", {2760, 3000, 2055, 375});
  connect(Command1, &QPushButton::clicked, this, &Form4::StartQuitting);
  for (QPushButton* notNow : Command2)
    connect(notNow, &QPushButton::clicked, this, &Form4::Decline);

  EnterKeyPreview::Install(this, [this] { StartQuitting(); });
  CentreOnScreen(this, module_.platform().Screen());
}

void Form4::StartQuitting() {
  if (IsUnloading()) return;
  Settings& s = module_.settings();
  s.SetQuitDate(module_.platform().Now());
  if (IsSeasonalDate(s.QuitDate())) {
    // The greeting finishes the first start itself, with the moment set here.
    if (Form6* greeting = module_.Load<Form6>()) greeting->show();
  } else if (!FinishFirstStart(module_, *this)) {
    return;  // nothing could be kept: the welcome stays for another try
  }
  hide();
  Unload();
}

void Form4::Decline() { Unload(); }

}  // namespace kemurina
