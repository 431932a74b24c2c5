#include "dialogs/form5.h"

#include <QEvent>

#include "dialogs/logic/help_text.h"
#include "windows/fonts.h"
#include "windows/keyboard.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

namespace {
constexpr int kClientWidth = 7575;
constexpr int kClientHeight = 8100;
}  // namespace

Form5::Form5(Module& module) : FormBase(module) {
  SetUpWindow(QStringLiteral("  (?_?) - help"), kClientWidth, kClientHeight, Frame::SizableMinMax);

  Text1 = new QPlainTextEdit(this);
  Text1->setReadOnly(true);
  // Read-only, but with a caret: the keyboard moves through the text line by
  // line, as a screen reader needs.
  Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1->setFont(DesignFont(12));
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text1->setAccessibleName(QStringLiteral("ヘルプ"));
  // The text's lines end in CRLF; the box breaks lines on LF alone.
  QString text = QString::fromStdString(HelpText());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text1->setPlainText(text);
  AddEscapeKey(*this, [this] { close(); });
}

void Form5::Load() {
  const ScreenMetrics screen = module_.platform().Screen();
  const Twips tw(screen);
  move(tw.Point((screen.WidthTwips - kClientWidth) / 2, (screen.HeightTwips - kClientHeight) / 2));
  Text1->move(0, 0);
  FitText();
}

void Form5::FitText() {
  if (windowState() & Qt::WindowMinimized) return;
  Text1->resize(width(), height());
}

void Form5::resizeEvent(QResizeEvent* e) {
  FormBase::resizeEvent(e);
  FitText();
}

void Form5::changeEvent(QEvent* e) {
  FormBase::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange) FitText();
}

}  // namespace kemurina
