#include "window/controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "window/input_box.h"
#include "window/twips.h"

namespace tavrel::controls {

namespace {

template <typename Control>
Control* placed(Control* control, const QString& name, Box box) {
    control->setObjectName(name);
    control->setGeometry(twips::rect(box.left, box.top, box.width, box.height));
    return control;
}

}  // namespace

QString arrayName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, Box box,
              Qt::Alignment alignment) {
    auto* l = placed(new QLabel(caption, parent), name, box);
    l->setAlignment(alignment);
    return l;
}

QLineEdit* textBox(QWidget* parent, const QString& name, const QString& accessibleName, Box box) {
    auto* t = placed(new InputBox(parent), name, box);
    t->setAccessibleName(accessibleName);
    setBackgroundColour(t, Qt::white);
    return t;
}

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, Box box) {
    return placed(new QRadioButton(caption, parent), name, box);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, Box box) {
    return placed(new QGroupBox(caption, parent), name, box);
}

QComboBox* dropDownList(QWidget* parent, const QString& name, const QStringList& items, Box box) {
    auto* c = placed(new QComboBox(parent), name, box);
    c->addItems(items);
    c->setEditable(false);
    return c;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, Box box) {
    return placed(new QPushButton(caption, parent), name, box);
}

ShapeControl* shape(QWidget* parent, const QString& name, ShapeControl::Kind kind, QColor fill,
                    Box box) {
    return placed(new ShapeControl(kind, fill, parent), name, box);
}

LineControl* line(QWidget* parent, const QString& name, double x1, double y1, double x2, double y2,
                  int widthPixels, QColor colour) {
    auto* l = new LineControl(x1, y1, x2, y2, widthPixels, colour, parent);
    l->setObjectName(name);
    return l;
}

void setTextColour(QWidget* control, QColor colour) {
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    p.setColor(QPalette::Text, colour);
    control->setPalette(p);
}

// Each setter writes only what changes: the sizing table sets every cell's
// background on every keystroke, and a new palette costs allocations and a
// repaint even when it holds the same colours.

void setOpaqueBackground(QLabel* label, QColor colour) {
    // The style first, then the colour, as the table's cells change them.
    label->setAutoFillBackground(true);
    if (backgroundColour(label) == colour && label->testAttribute(Qt::WA_SetPalette)) return;
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
}

void setTransparentBackground(QLabel* label) {
    label->setAutoFillBackground(false);
}

bool hasOpaqueBackground(const QLabel* label) {
    return label->autoFillBackground();
}

QColor backgroundColour(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

void setBackgroundColour(QLineEdit* box, QColor colour) {
    if (backgroundColour(box) == colour && box->testAttribute(Qt::WA_SetPalette)) return;
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

QColor backgroundColour(const QLineEdit* box) {
    return box->palette().color(QPalette::Base);
}

}  // namespace tavrel::controls
