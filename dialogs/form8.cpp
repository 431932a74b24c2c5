#include "dialogs/form8.h"

#include "dialogs/logic/help_text.h"
#include "startup/settings.h"
#include "windows/fonts.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

Form8::Form8(Module& module) : FormBase(module) {
  // The half-width ﾉ and the full-width ～ are part of the caption.
  SetUpWindow(QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびりケムリナ旅行～"), 5595, 3300);
  frames_ = {{120, 120, 5415, 3135}};  // Shape1, behind the text and the button
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

  Command2 = AddButton("アオゾラの詳細をＷＥＢでみる", {960, 2760, 3975, 375});
  connect(Command2, &QPushButton::clicked, this,
          [this] { module_.OpenWebPage(this, QString::fromUtf8(kCompanionPageUrl)); });
  MoveToTwips(module_.settings().MainLeft, module_.settings().MainTop);
  AddEscapeKey(*this, [this] { close(); });
}

void Form8::OnUnload() {
  // The notice only ever stands in for the settings dialog.
  module_.OpenDialog(Dialog::Settings);
}

}  // namespace kemurina
