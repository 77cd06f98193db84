#include "ui/qt/u_main.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <initializer_list>
#include <limits>
#include <string>

#include "engine/engine.h"
#include "ui/qt/announcer.h"
#include "ui/qt/click_edit.h"
#include "ui/qt/enter_key.h"
#include "ui/qt/field_accessible.h"
#include "ui/qt/rejection_box.h"
#include "ui/qt/screen_centre.h"
#include "ui/qt/utf8_text.h"
#include "ui/verdict_text.h"
#include "ui/window_layout.h"

namespace {

// A window manager owns the frame, so the window is sized by what a classic Windows frame
// (4-pixel borders, 19-pixel caption) leaves of the outer size.
constexpr QSize kClientSize(ui::kOuterWidth - 8, ui::kOuterHeight - 27);

template <typename Control>
Control* Place(Control* control, const ui::ControlLayout& layout) {
  control->setObjectName(Text(layout.name));
  control->setGeometry(layout.place.left, layout.place.top, layout.place.width,
                       layout.place.height);
  return control;
}

QLabel* MakeLabel(const ui::ControlLayout& layout, QWidget* window) {
  auto* label = Place(new QLabel(Text(layout.text), window), layout);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

template <typename Field>
Field* MakeField(const ui::ControlLayout& layout, QWidget* window) {
  InstallFieldAccessible();
  return Place(new Field(window), layout);
}

QPushButton* MakeButton(const ui::ControlLayout& layout, QWidget* window) {
  return Place(new QPushButton(Text(layout.text), window), layout);
}

QFont WindowFont() {
  QStringList families;
  for (const std::string_view face : ui::kFontFaces) families.append(Text(face));
  QFont font;
  font.setFamilies(families);
  font.setPointSize(ui::kFontPoints);
  return font;
}

// Qt paints the selection of a disabled text view; the list should show none, as a view
// without the focus does on Windows. The selection is still set, so that it can be scrolled to.
void HideSelection(QPlainTextEdit* view) {
  QPalette palette = view->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setBrush(group, QPalette::Highlight, palette.brush(QPalette::Disabled, QPalette::Base));
    palette.setBrush(group, QPalette::HighlightedText,
                     palette.brush(QPalette::Disabled, QPalette::Text));
  }
  view->setPalette(palette);
}

// The list is one paragraph of some 40,000 digits and spaces. Declared left to right, it is not
// scanned whole for right-to-left text on every paint and scroll; and digits need no shaping.
void LayOutListQuickly(QPlainTextEdit* view) {
  QTextOption option = view->document()->defaultTextOption();
  option.setTextDirection(Qt::LeftToRight);
  view->document()->setDefaultTextOption(option);
  QFont font = view->font();
  font.setStyleStrategy(QFont::PreferNoShaping);
  view->setFont(font);
}

void ShowBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

void ShowDefaultCursor() {
  while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
}

}  // namespace

Tfrmmain::Tfrmmain(QWidget* parent)
    : QWidget(parent),
      lbljushu(MakeLabel(ui::kLbljushu, this)),
      memcode(Place(new QPlainTextEdit(this), ui::kMemcode)),
      Label1(MakeLabel(ui::kLabel1, this)),
      Label2(MakeLabel(ui::kLabel2, this)),
      edtcode(MakeField<ClickEdit>(ui::kEdtcode, this)),
      edtdj(MakeField<QLineEdit>(ui::kEdtdj, this)),
      btnfilt(MakeButton(ui::kBtnfilt, this)),
      btncopy(MakeButton(ui::kBtncopy, this)),
      btnclose(MakeButton(ui::kBtnclose, this)),
      announcer(new Announcer(this)) {
  setWindowTitle(Text(ui::kApplicationTitle));
  setFont(WindowFont());
  resize(kClientSize);

  // Qt cuts a line edit at 32,767 characters; these fields keep whatever is typed or pasted.
  edtcode->setMaxLength(std::numeric_limits<int>::max());
  edtdj->setMaxLength(std::numeric_limits<int>::max());

  memcode->setEnabled(false);
  memcode->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memcode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memcode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  HideSelection(memcode);
  LayOutListQuickly(memcode);

  // Screen readers name each field after the label above it.
  Label1->setBuddy(edtcode);
  Label2->setBuddy(edtdj);
  lbljushu->setBuddy(memcode);

  btnfilt->setDefault(true);
  auto* enterKey = new EnterKeyFilter(btnfilt, this);
  for (QWidget* control :
       std::initializer_list<QWidget*>{edtcode, edtdj, btnfilt, btncopy, btnclose}) {
    enterKey->Watch(control);
  }

  setTabOrder(edtcode, memcode);
  setTabOrder(memcode, btnfilt);
  setTabOrder(btnfilt, btncopy);
  setTabOrder(btncopy, btnclose);
  setTabOrder(btnclose, edtdj);
  edtcode->setFocus();

  connect(btnfilt, &QPushButton::clicked, this, &Tfrmmain::btnfiltClick);
  connect(btncopy, &QPushButton::clicked, this, &Tfrmmain::btncopyClick);
  connect(btnclose, &QPushButton::clicked, this, &Tfrmmain::btncloseClick);
  connect(edtcode, &QLineEdit::textChanged, this, &Tfrmmain::edtcodeChange);
  connect(edtdj, &QLineEdit::textChanged, this, &Tfrmmain::edtcodeChange);
  connect(edtcode, &ClickEdit::clicked, this, &Tfrmmain::edtcodeClick);

  FormCreate();
}

void Tfrmmain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) CentreOnScreen(this);
}

// The handlers, each the user's action it answers; why they make these calls in this order is
// told once for every front end, in ui/window_layout.h.

// The window is made.
void Tfrmmain::FormCreate() {
  engine::ResetRunCounter();
  engine::Fill();
}

// The user presses Filter (过滤).
void Tfrmmain::btnfiltClick() {
  if (const auto rejection = engine::ValidateDraw(Utf8(edtcode->text()))) {
    ShowRejection(this, Text(*rejection));
    edtcode->setText(QString());
    edtcode->setFocus();
    return;
  }
  ShowBusyCursor();
  const engine::FilterResult result = engine::RunFilter();
  memcode->setPlainText(Text(result.text));
  lbljushu->setText(Text(result.caption));
  ShowDefaultCursor();
  announcer->Say(lbljushu->text());
}

// The user presses Copy (复制).
void Tfrmmain::btncopyClick() {
  const QString list = memcode->toPlainText();
  if (!list.isEmpty()) QGuiApplication::clipboard()->setText(list);
}

// The user presses Exit (退出).
void Tfrmmain::btncloseClick() { close(); }

// The user, or the handler itself, changes the text of edtcode or edtdj.
void Tfrmmain::edtcodeChange() {
  const engine::DrawVerdict verdict =
      engine::CheckDraw(Utf8(memcode->toPlainText()), Utf8(edtcode->text()));
  const auto text = ui::VerdictText(verdict.kind);
  if (!text) return;
  edtdj->setText(Text(*text));
  if (verdict.kind == engine::VerdictKind::Hit) SelectInResult(verdict.start, verdict.length);
  if (const auto spoken = ui::VerdictAnnouncement(verdict.kind)) announcer->Say(Text(*spoken));
}

// The user clicks in edtcode.
void Tfrmmain::edtcodeClick() { edtcode->setText(QString()); }

void Tfrmmain::SelectInResult(int start, int length) {
  // The list is ASCII, so the engine's byte positions are character positions. The cursor ends
  // at the end of the selection, and that is what scrolls into view.
  QTextCursor selection(memcode->document());
  selection.setPosition(start);
  selection.setPosition(start + length, QTextCursor::KeepAnchor);
  memcode->setTextCursor(selection);
  memcode->ensureCursorVisible();
}
