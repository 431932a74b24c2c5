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
  setWindowTitle(QStringLiteral("  (?_?) - help"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(module_.AppIcon());
  const Twips tw(module_.platform().Screen());
  resize(tw.X(kClientWidth), tw.Y(kClientHeight));

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

Form5::~Form5() = default;

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

// --- the module's side of the window --------------------------------------

Form5* Module::form5() const { return static_cast<Form5*>(Live(form5_)); }

Form5* Module::LoadForm5() { return LoadInto<Form5>(form5_); }

void Module::OpenHelpWindow() {
  Form5* help = LoadForm5();
  if (!help) return;
  // Asked for again while minimised, it comes back rather than staying an icon.
  if (help->windowState() & Qt::WindowMinimized) {
    help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
  }
  help->show();
  help->raise();
  help->activateWindow();
}

}  // namespace kemurina
