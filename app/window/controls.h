// Creating the window's controls: each one named as the layout names it
// (array members as name_index), placed by its box in twips.
#pragma once

#include <QColor>
#include <QString>

#include "window/line_control.h"
#include "window/shape_control.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tavrel::controls {

struct Box {
    double left, top, width, height;
};

// "lblDia", 3 -> "lblDia_3"
QString arrayName(const char* name, int index);

QLabel* label(QWidget* parent, const QString& name, const QString& caption, Box box,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
QLineEdit* textBox(QWidget* parent, const QString& name, const QString& accessibleName, Box box);
QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, Box box);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, Box box);
QComboBox* dropDownList(QWidget* parent, const QString& name, const QStringList& items, Box box);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, Box box);
ShapeControl* shape(QWidget* parent, const QString& name, ShapeControl::Kind kind, QColor fill,
                    Box box);
LineControl* line(QWidget* parent, const QString& name, double x1, double y1, double x2, double y2,
                  int widthPixels, QColor colour = Qt::black);

// Text colour of a label, option button or frame caption.
void setTextColour(QWidget* control, QColor colour);

// A label's background: opaque in a colour, or transparent.
void setOpaqueBackground(QLabel* label, QColor colour);
void setTransparentBackground(QLabel* label);
bool hasOpaqueBackground(const QLabel* label);
QColor backgroundColour(const QLabel* label);

// A text box's background colour.
void setBackgroundColour(QLineEdit* box, QColor colour);
QColor backgroundColour(const QLineEdit* box);

}  // namespace tavrel::controls
