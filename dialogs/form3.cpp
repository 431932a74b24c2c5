#include "dialogs/form3.h"

#include "dialogs/centre_on_screen.h"
#include "dialogs/enter_key_preview.h"
#include "dialogs/form4.h"
#include "dialogs/logic/first_start.h"
#include "windows/fonts.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

Form3::Form3(Module& module) : FormBase(module) {
  SetUpWindow(QStringLiteral(" ケムリナ式初期設定 - hakkaro"), 5415, 3630);
  const Twips tw(module_.platform().Screen());

  Label2[0] = new QLabel(QStringLiteral("初期値を設定してください"), this);
  Label2[0]->setFont(DesignFont(12, true));
  Label2[0]->adjustSize();
  Label2[0]->setGeometry(QRect(tw.Point(1320, 120), QSize(tw.X(3375), Label2[0]->height())));
  Label2[1] = AddLabel("一日あたりに吸っているタバコの本数", {1200, 600, 0, 0});
  Label1 = AddLabel("（１から２００までの半角数字で記入）", {1200, 840, 0, 0});
  Label2[2] = AddLabel("一箱（２０本）あたりのタバコの金額", {1200, 1440, 0, 0});
  Label3 = AddLabel("（１から２０００の半角数字で記入）", {1200, 1680, 0, 0});
  Label2[3] = AddLabel("あなたの吸っているタバコのサイズ", {1320, 2400, 0, 0});

  const int boxTops[2] = {1080, 1920};
  const int boxLengths[2] = {3, 4};
  const char* boxNames[2] = {"一日あたりの本数", "一箱の金額"};
  for (size_t i = 0; i < 2; ++i) {
    auto* box = new QLineEdit(this);
    box->setMaxLength(boxLengths[i]);
    box->setAccessibleName(QString::fromUtf8(boxNames[i]));
    tw.Place(box, 2040, boxTops[i], 1215, 270);
    Text1[i] = box;
  }

  const int sizeLefts[3] = {960, 2160, 3720};
  for (size_t i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(kCigaretteSizes[i].Name), this);
    option->adjustSize();
    option->move(tw.Point(sizeLefts[i], 2640));
    Option1[i] = option;
  }
  Option1[static_cast<size_t>(kStandardSizeIndex)]->setChecked(true);

  Command1 = AddButton("設定する", {1440, 3120, 2295, 375});
  connect(Command1, &QPushButton::clicked, this, &Form3::RunSetupCheck);

  EnterKeyPreview::Install(this, [this] { RunSetupCheck(); });
  CentreOnScreen(this, module_.platform().Screen());
}

int Form3::ChosenSize() const {
  for (size_t i = 0; i < Option1.size(); ++i) {
    if (Option1[i]->isChecked()) return static_cast<int>(i);
  }
  return kStandardSizeIndex;
}

void Form3::RunSetupCheck() {
  if (IsUnloading()) return;
  const auto message = ApplySetup(Text1[0]->text().toStdString(), Text1[1]->text().toStdString(),
                                  ChosenSize(), module_.settings());
  if (message) {
    module_.platform().ShowMessage(this, QString::fromUtf8(*message));
    return;
  }
  if (Form4* welcome = module_.Load<Form4>()) welcome->show();
  hide();
  Unload();
}

}  // namespace kemurina
