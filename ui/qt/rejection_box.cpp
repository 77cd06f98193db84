#include "ui/qt/rejection_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include "ui/qt/screen_centre.h"
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
  QPushButton* ok = box.addButton(
      QString::fromUtf8(ui::kConfirmText.data(), static_cast<qsizetype>(ui::kConfirmText.size())),
      QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}
