#pragma once

class QString;
class QWidget;

// Tells the user why a previous-draw text was refused: a modal box with no icon, titled with
// the application's name, whose one button "确定" both Enter and Esc press.
void ShowRejection(QWidget* parent, const QString& message);
