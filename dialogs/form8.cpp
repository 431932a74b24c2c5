#include "dialogs/form8.h"

#include <QPainter>

#include "dialogs/form2.h"
#include "dialogs/logic/help_text.h"
#include "startup/settings.h"
#include "windows/fonts.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

namespace {
constexpr int kClientWidth = 5595;
constexpr int kClientHeight = 3300;
constexpr QRect kShape1Twips(120, 120, 5415, 3135);  // left, top, width, height
}  // namespace

Form8::Form8(Module& module) : FormBase(module) {
  // The half-width ﾉ and the full-width ～ are part of the caption.
  SetUpFixedWindow(QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびりケムリナ旅行～"), kClientWidth,
                   kClientHeight);
  const Twips tw(module_.platform().Screen());

  Text1 = new QPlainTextEdit(this);
  Text1->setReadOnly(true);
  Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1->setFont(DesignFont(9.75));
  Text1->setAccessibleName(QStringLiteral("アオゾラ"));
  QString text = QString::fromStdString(NoticeText());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text1->setPlainText(text);
  tw.Place(Text1, 720, 240, 4575, 2500);

  Command2 = new QPushButton(QStringLiteral("アオゾラの詳細をＷＥＢでみる"), this);
  Command2->setFont(DesignFont(9));
  Command2->setAutoDefault(false);
  tw.Place(Command2, 960, 2760, 3975, 375);
  connect(Command2, &QPushButton::clicked, this, &Form8::OpenCompanionPage);
  AddEscapeKey(*this, [this] { close(); });
}

Form8::~Form8() = default;

void Form8::Load() {
  const Settings& s = module_.settings();
  move(Twips(module_.platform().Screen()).Point(s.MainLeft, s.MainTop));
}

void Form8::OpenCompanionPage() {
  const QString address =
      QString::fromUtf8(kCompanionPageUrl.data(), static_cast<qsizetype>(kCompanionPageUrl.size()));
  if (!module_.platform().OpenUrl(address)) {
    module_.platform().ShowMessage(
        this, QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください"));
  }
}

void Form8::OnUnload() {
  // The notice only ever stands in for the settings dialog.
  module_.OpenSettingsDialog();
}

void Form8::paintEvent(QPaintEvent*) {
  const Twips tw(module_.platform().Screen());
  QPainter p(this);
  p.setPen(QPen(palette().color(QPalette::WindowText), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(
      tw.Rect(kShape1Twips.x(), kShape1Twips.y(), kShape1Twips.width(), kShape1Twips.height())
          .adjusted(0, 0, -1, -1));
}

// --- the module's side of the notice ----------------------------------------

Form8* Module::form8() const { return static_cast<Form8*>(Live(form8_)); }

Form8* Module::LoadForm8() { return LoadInto<Form8>(form8_); }

}  // namespace kemurina
