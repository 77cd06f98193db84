#include "ui/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* NotificationRole(const QString& className, QObject* object) {
  if (className != QLatin1String(Announcer::staticMetaObject.className()) ||
      !object->isWidgetType())
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
  // Installed once, however many times asked.
  QAccessible::installFactory(NotificationRole);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 0, 0);
  hide();
}

void Announcer::Say(const QString& text) {
  text_ = text;
  if (pending_) return;
  pending_ = true;
  QMetaObject::invokeMethod(this, &Announcer::Present, Qt::QueuedConnection);
}

void Announcer::Present() {
  pending_ = false;
  setAccessibleName(text_);
  // Shown again, even with the same text: each showing is one announcement.
  hide();
  show();
}
