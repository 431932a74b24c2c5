#include "windows/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <algorithm>

#include "windows/form_base.h"

namespace kemurina {

namespace {

constexpr char kValueProperty[] = "kemurinaValue";

// The caption a value stands under: the label that names it as its buddy.
const QLabel* CaptionOf(const QLabel* value) {
  if (!value->parentWidget()) return nullptr;
  const auto siblings = value->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  const auto it = std::find_if(siblings.begin(), siblings.end(),
                               [value](const QLabel* l) { return l->buddy() == value; });
  return it == siblings.end() ? nullptr : *it;
}

// A window of the program. Qt gives a bare top-level widget the role of a
// nameless filler; a desktop's window list and a screen reader want a window
// or a dialog, and the same rule a window manager applies tells them apart.
class AccessibleForm : public QAccessibleWidget {
 public:
  explicit AccessibleForm(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

  QAccessible::Role role() const override {
    return widget()->windowFlags() & Qt::WindowMinimizeButtonHint ? QAccessible::Window
                                                                  : QAccessible::Dialog;
  }
};

// A value label read as what it shows: its name and its text are the shown
// text, line breaks included; its caption comes as its label relation (from
// the caption's buddy) and as its description (else its own description). A label has no caret of
// its own, so the text's caret is only remembered for the reader.
class AccessibleValue : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return Shown();
      case QAccessible::Description: {
        const QLabel* caption = CaptionOf(Label());
        return caption ? caption->text() : QAccessibleWidget::text(t);
      }
      default:
        return QAccessibleWidget::text(t);
    }
  }

  // --- the text interface ---------------------------------------------------
  QString text(int startOffset, int endOffset) const override {
    return Shown().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  int cursorPosition() const override { return std::clamp(caret_, 0, characterCount()); }
  void setCursorPosition(int position) override { caret_ = position; }
  int selectionCount() const override { return 0; }
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

  QRect characterRect(int offset) const override {
    const QString shown = Shown();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics = Label()->fontMetrics();
    // (A search from -1 would start at the end.)
    const qsizetype lineStart =
        offset == 0 ? 0 : shown.lastIndexOf(QLatin1Char('\n'), offset - 1) + 1;
    const int line = static_cast<int>(shown.left(lineStart).count(QLatin1Char('\n')));
    const int x = metrics.horizontalAdvance(shown.mid(lineStart, offset - lineStart));
    const QRect local(FirstLine().x() + x, FirstLine().y() + line * metrics.lineSpacing(),
                      metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return QRect(Label()->mapToGlobal(local.topLeft()), local.size());
  }

  int offsetAtPoint(const QPoint& point) const override {
    const QString shown = Shown();
    for (int i = 0; i < shown.size(); ++i) {
      if (characterRect(i).contains(point)) return i;
    }
    return -1;
  }

 private:
  QLabel* Label() const { return static_cast<QLabel*>(widget()); }
  QString Shown() const { return Label()->text(); }

  // Where the first line's text starts inside the label, by its alignment.
  QPoint FirstLine() const {
    const QRect area = Label()->contentsRect().adjusted(Label()->margin(), Label()->margin(),
                                                        -Label()->margin(), -Label()->margin());
    const QFontMetrics metrics = Label()->fontMetrics();
    const int lines = static_cast<int>(Shown().count(QLatin1Char('\n'))) + 1;
    const int height = lines * metrics.lineSpacing();
    int top = area.top();
    if (Label()->alignment() & Qt::AlignVCenter) top += (area.height() - height) / 2;
    if (Label()->alignment() & Qt::AlignBottom) top += area.height() - height;
    return {area.left(), top};
  }

  int caret_ = 0;
};

QAccessibleInterface* Interfaces(const QString&, QObject* object) {
  if (auto* label = qobject_cast<QLabel*>(object);
      label && label->property(kValueProperty).toBool()) {
    return new AccessibleValue(label);
  }
  if (auto* form = qobject_cast<FormBase*>(object)) return new AccessibleForm(form);
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(&Interfaces); }

void MakeAccessibleValue(QLabel* value, QLabel* caption) {
  value->setProperty(kValueProperty, true);
  // A screen reader may already have met the label while it was being built
  // (a name or text set makes Qt describe it); it is described afresh.
  if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(value)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
  }
  // Its own name would hide the shown text.
  value->setAccessibleName(QString());
  value->setFocusPolicy(Qt::TabFocus);
  if (caption) caption->setBuddy(value);
}

}  // namespace kemurina
