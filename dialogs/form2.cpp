#include "dialogs/form2.h"

#include <algorithm>

#include "dialogs/enter_key_preview.h"
#include "dialogs/form8.h"
#include "dialogs/logic/settings_choices.h"
#include "windows/fonts.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

namespace {

// Screen readers hear each box of the quit moment by its own name.
constexpr const char* kDateBoxNames[5] = {"ケムリナ日（年）", "ケムリナ日（月）",
                                          "ケムリナ日（日）", "ケムリナ日（時）",
                                          "ケムリナ日（分）"};

// Label1(n): the captions of the dialog, in the design's twips; a width of 0
// sizes a label to its text.
constexpr LabelDesign kLabels[] = {
    {11, {120, 45, 3015, 0}, "あなたのブログや掲示板のアドレス"},
    {13, {80, 300, 615, 255}, "http://"},
    {16, {3960, 45, 1575, 0}, "ステータスの選択"},
    {6, {240, 1845, 0, 0}, "ケムリナ日"},
    {0, {1710, 1845, 0, 0}, "年"},
    {1, {2415, 1845, 0, 0}, "月"},
    {2, {3165, 1845, 0, 0}, "日"},
    {3, {3900, 1845, 0, 0}, "時"},
    {4, {4605, 1845, 0, 0}, "分"},
    {7, {240, 2205, 0, 0}, "一日あたりの本数"},
    {5, {3060, 2205, 0, 0}, "本"},
    {8, {240, 2450, 0, 0}, "一箱（２０本）の金額"},
    {9, {3060, 2450, 0, 0}, "円"},
    {14, {3480, 2200, 0, 0}, "税(円/千本)"},
    {15, {4560, 2200, 0, 0}, "消費税(％)"},
    {10, {240, 2680, 0, 0}, "サイズ"},
};

// Text1(0..4): year, month, day, hour, minute.
constexpr Box kDateBoxes[5] = {
    {960, 1800, 735, 270},  {2040, 1800, 375, 270}, {2760, 1800, 375, 270},
    {3480, 1800, 375, 270}, {4200, 1800, 375, 270},
};
constexpr int kDateLengths[5] = {4, 2, 2, 2, 2};

constexpr Box kSizeOptions[3] = {
    {1080, 2660, 1155, 255}, {2280, 2660, 1635, 255}, {3960, 2660, 1215, 255}};
// Inside Frame1.
constexpr Box kCopyPlusOptions[3] = {
    {480, 170, 555, 255}, {1080, 170, 555, 255}, {1680, 170, 1545, 255}};

// Narrows a label's font until its text fits in maxWidth pixels.
void FitToWidth(QLabel* label, int maxWidth) {
  const int natural = label->fontMetrics().horizontalAdvance(label->text());
  if (natural <= maxWidth || natural == 0) return;
  QFont f = label->font();
  f.setStretch(std::max(50, maxWidth * 100 / natural));
  label->setFont(f);
  label->resize(maxWidth, label->height());
}

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

int Checked(const std::array<QRadioButton*, 3>& options) {
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

Form2::Form2(Module& module) : FormBase(module) {
  SetUpWindow(QStringLiteral(" 設定ウィンドウ - 全て半角で記入してください - hakkaro"), 5625, 3330);
  frames_ = {{120, 1680, 5415, 1245}, {120, 630, 5415, 420}};  // Shape1, Shape2
  BuildControls();

  // The dialog sees key presses before its controls: Enter saves from any
  // control, the editable combo's own edit box included.
  EnterKeyPreview::Install(this, [this] { Save(); });
  AddEscapeKey(*this, [this] { Command2->click(); });
}

void Form2::BuildControls() {
  const Twips tw(module_.platform().Screen());

  auto textBox = [&](QWidget* parent, const Box& b, int maxLength, const char* name) {
    auto* t = new QLineEdit(parent);
    t->setFont(DesignFont(9));
    t->setMaxLength(maxLength);
    t->setAccessibleName(QString::fromUtf8(name));
    tw.Place(t, b);
    return t;
  };
  // Created top to bottom, so Tab walks the dialog in reading order.
  for (const LabelDesign& d : kLabels) Label1[d.Index] = AddLabel(d.Text, d.Where);
  // The design font's five full-width characters run into the year box on
  // this screen; narrow the glyphs rather than lose the last one under it.
  FitToWidth(Label1[6], tw.X(kDateBoxes[0].Left - 240));

  Text4 = textBox(this, {720, 260, 3135, 270}, 256, "あなたのブログや掲示板のアドレス");

  Combo1 = new QComboBox(this);
  Combo1->setFont(DesignFont(9));
  Combo1->setEditable(true);
  // A typed name is stored as typed: not added to the list, and not
  // completed to a listed name it begins like (日本 is not 日本旅行).
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setCompleter(nullptr);
  for (std::string_view name : kStatusThemeNames) Combo1->addItem(QString::fromUtf8(name));
  Combo1->setAccessibleName(QStringLiteral("ステータスの選択"));
  tw.Place(Combo1, 3960, 240, 1575, 300);
  Label1[16]->setBuddy(Combo1);

  Command3 = AddButton("テキストの色", {240, 720, 1335, 255});
  Label2 = new QLabel(QStringLiteral("サンプル色"), this);
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setAutoFillBackground(true);
  tw.Place(Label2, 1680, 720, 2295, 255);
  Command4 = AddButton("背景の色", {4080, 720, 1335, 255});

  Frame1 = new QGroupBox(QStringLiteral("copy+"), this);
  Frame1->setFont(DesignFont(9));
  // A frame with its caption set into the top line, so the options inside
  // keep their designed places instead of sitting below a title row.
  Frame1->setStyleSheet(
      QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
                     "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
  tw.Place(Frame1, 120, 1080, 4095, 495);
  for (std::size_t i = 0; i < Option2.size(); ++i) {
    auto* o = new QRadioButton(QString::fromUtf8(kCopyPlusCaptions[i]), Frame1);
    // Its own font: what it would take from the style-sheeted frame is wider.
    o->setFont(DesignFont(9));
    tw.Place(o, kCopyPlusOptions[i]);
    connect(o, &QRadioButton::clicked, this, &Form2::UpdateYearsBox);
    Option2[i] = o;
  }
  Text7 = textBox(Frame1, {3240, 150, 495, 270}, 2, "喫煙年数");
  Label3 = AddLabel("年", {3720, 195, 0, 0}, Frame1);

  Check2 = new QCheckBox(this);
  Check2->setAccessibleName(QStringLiteral("箱数表示"));
  tw.Place(Check2, 4440, 1320, 200, 200);
  Label5 = AddLabel("箱数表示", {4680, 1320, 0, 0});

  for (std::size_t i = 0; i < Text1.size(); ++i) {
    Text1[i] = textBox(this, kDateBoxes[i], kDateLengths[i], kDateBoxNames[i]);
  }
  Text2 = textBox(this, {2160, 2160, 855, 240}, 3, "一日あたりの本数");
  Text3 = textBox(this, {2160, 2400, 855, 240}, 4, "一箱（２０本）の金額");
  Text5 = textBox(this, {3600, 2400, 735, 240}, 5, "税(円/千本)");
  Text6 = textBox(this, {4624, 2400, 735, 240}, 2, "消費税(％)");
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    auto* o = new QRadioButton(QString::fromUtf8(kCigaretteSizes[i].Name), this);
    tw.Place(o, kSizeOptions[i]);
    Option1[i] = o;
  }

  Command1 = AddButton("設定を保存", {120, 3000, 1095, 300});
  Command2 = AddButton("キャンセル", {1320, 3000, 1095, 300});
  Command6 = AddButton("ヘルプ", {2520, 3000, 1695, 300});
  Command5 = AddButton("アオゾラ", {4320, 3000, 1215, 300});
  QFont underlined = DesignFont(9);
  underlined.setUnderline(true);
  Command5->setFont(underlined);

  connect(Command1, &QPushButton::clicked, this, &Form2::Save);
  connect(Command2, &QPushButton::clicked, this, &Form2::Cancel);
  connect(Command3, &QPushButton::clicked, this, &Form2::ChooseTextColour);
  connect(Command4, &QPushButton::clicked, this, &Form2::ChooseBackColour);
  connect(Command5, &QPushButton::clicked, this, &Form2::OpenNotice);
  connect(Command6, &QPushButton::clicked, this, [this] { module_.OpenDialog(Dialog::Help); });
}

void Form2::Load() {
  const Settings& s = module_.settings();
  const SettingsEntry e = EntryFromSettings(s);
  for (std::size_t i = 0; i < Text1.size(); ++i) {
    Text1[i]->setText(QString::fromStdString(e.QuitDate[i]));
  }
  Text2->setText(QString::fromStdString(e.CigarettesPerDay));
  Text3->setText(QString::fromStdString(e.PackPrice));
  if (e.SizeOption >= 0) Option1[static_cast<std::size_t>(e.SizeOption)]->setChecked(true);
  if (e.CopyPlusOption >= 0) Option2[static_cast<std::size_t>(e.CopyPlusOption)]->setChecked(true);
  Text7->setEnabled(SmokingYearsEnabledAtLoad(s.CopyPlusMode));
  Text5->setText(QString::fromStdString(e.TobaccoTax));
  Text6->setText(QString::fromStdString(e.ConsumptionTax));
  Text7->setText(QString::fromStdString(e.SmokingYears));
  Check2->setChecked(e.ShowBoxes);
  Text4->setText(QString::fromStdString(e.BbsUrl));
  Combo1->setCurrentText(QString::fromStdString(e.StatusModeName));
  ApplyTextColours(Label2);
  MoveToTwips(e.Left, e.Top);
}

SettingsEntry Form2::ReadEntry() const {
  SettingsEntry e;
  for (std::size_t i = 0; i < Text1.size(); ++i) e.QuitDate[i] = Text(Text1[i]);
  e.CigarettesPerDay = Text(Text2);
  e.PackPrice = Text(Text3);
  e.SizeOption = Checked(Option1);
  e.BbsUrl = Text(Text4);
  e.StatusModeName = Combo1->currentText().toStdString();
  e.CopyPlusOption = Checked(Option2);
  e.SmokingYears = Text(Text7);
  e.ShowBoxes = Check2->isChecked();
  e.TobaccoTax = Text(Text5);
  e.ConsumptionTax = Text(Text6);
  const Settings& s = module_.settings();
  e.Left = s.MainLeft;
  e.Top = s.MainTop;
  StoreCorner(e.Left, e.Top);
  return e;
}

void Form2::Save() {
  if (IsUnloading()) return;
  Platform& platform = module_.platform();
  DataFolderWriter writer(module_.Paths());
  const SaveOutcome outcome = SaveSettings(ReadEntry(), platform.Now(), module_.settings(), writer);
  if (outcome.Message != SaveMessage::None) {
    platform.ShowMessage(this, QString::fromStdString(
                                   MessageText(outcome.Message, module_.Paths().Folder.string())));
  }
  if (outcome.Closes) Leave();
}

void Form2::Cancel() { Leave(); }

void Form2::Leave() {
  handedOver_ = true;
  module_.ShowDisplayWindows();
  Unload();
}

void Form2::OnUnload() {
  // Closed through its frame: the same as Cancel, so the user is never left
  // without a window (and the program does not end unasked).
  if (!handedOver_) {
    handedOver_ = true;
    module_.ShowDisplayWindows();
  }
}

void Form2::OpenNotice() {
  handedOver_ = true;
  if (Form8* notice = module_.Load<Form8>()) notice->show();
  Unload();
}

void Form2::ChooseTextColour() {
  const std::optional<int> colour = module_.platform().ChooseColor(this);
  if (!colour) return;
  module_.settings().TextForeColor = *colour;
  ApplyTextColours(Label2);
}

void Form2::ChooseBackColour() {
  const std::optional<int> colour = module_.platform().ChooseColor(this);
  if (!colour) return;
  module_.settings().TextBackColor = *colour;
  ApplyTextColours(Label2);
}

void Form2::UpdateYearsBox() { Text7->setEnabled(Option2[2]->isChecked()); }

}  // namespace kemurina
