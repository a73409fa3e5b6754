// A shape of the window: a rectangle, circle or oval with a border and a fill.
#pragma once

#include <QColor>
#include <QWidget>

namespace tavrel {

class ShapeControl : public QWidget {
  public:
    enum Kind { Rectangle, Circle, Oval };

    ShapeControl(Kind kind, QColor fill, QWidget* parent);

    void setBorder(QColor border, int widthPixels);
    QColor fill() const { return fill_; }
    Kind kind() const { return kind_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Kind kind_;
    QColor fill_;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
};

}  // namespace tavrel
