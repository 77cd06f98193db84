#include "ui/qt/rejection_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include "ui/qt/screen_centre.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_layout.h"

namespace {

// Qt centres a box on its parent, and does so before the box knows its final size.
class ScreenCentredBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    CentreOnScreen(this);
  }
};

}  // namespace

void ShowRejection(QWidget* parent, const QString& message) {
  ScreenCentredBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), message,
                       QMessageBox::NoButton, parent);
  QPushButton* ok = box.addButton(Text(ui::kConfirmText), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}
