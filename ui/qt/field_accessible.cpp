#include "ui/qt/field_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace {

class FieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit FieldAccessible(QLineEdit* field)
      : QAccessibleWidget(field, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return field()->text();
    return QAccessibleWidget::text(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    state.readOnly = field()->isReadOnly();
    return state;
  }

  QString text(int startOffset, int endOffset) const override {
    if (startOffset > endOffset) return {};
    return field()->text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(field()->text().size()); }

  // The whole text is one run, without attributes of its own: it has one look throughout.
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

  int cursorPosition() const override { return field()->cursorPosition(); }
  void setCursorPosition(int position) override { field()->setCursorPosition(position); }

  int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText()) return;
    *startOffset = field()->selectionStart();
    *endOffset = *startOffset + static_cast<int>(field()->selectedText().size());
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex == 0) field()->setSelection(startOffset, endOffset - startOffset);
  }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) field()->deselect();
  }

  // From where the caret is drawn, which knows how far a long text is scrolled.
  QRect characterRect(int offset) const override {
    const QString text = field()->text();
    if (offset < 0 || offset >= text.size()) return {};
    const QFontMetrics metrics(field()->font());
    const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int textLeft =
        caret.left() - metrics.horizontalAdvance(text.left(field()->cursorPosition()));
    const QRect character(textLeft + metrics.horizontalAdvance(text.left(offset)), caret.top(),
                          metrics.horizontalAdvance(text.at(offset)), caret.height());
    return {field()->mapToGlobal(character.topLeft()), character.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
  }

 private:
  QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* FieldAccount(const QString& className, QObject* object) {
  auto* field = qobject_cast<QLineEdit*>(object);
  if (field == nullptr || className != QLatin1String(object->metaObject()->className()))
    return nullptr;
  return new FieldAccessible(field);
}

}  // namespace

void InstallFieldAccessible() { QAccessible::installFactory(FieldAccount); }
