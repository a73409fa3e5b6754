// A straight line of the window, its end points in twips of its container.
// The widget covers the line's bounding box and moves with its end points.
#pragma once

#include <QColor>
#include <QWidget>

namespace tavrel {

class LineControl : public QWidget {
  public:
    LineControl(double x1, double y1, double x2, double y2, int widthPixels, QColor colour,
                QWidget* parent);

    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void setX1(double twips);
    void setX2(double twips);
    // Flat by default: the line ends exactly at its end points. Lines that meet
    // at an angle need round ends, or the joint shows a notch.
    void setCapStyle(Qt::PenCapStyle cap);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void place();

    double x1_, y1_, x2_, y2_;
    int width_;
    QColor colour_;
    Qt::PenCapStyle cap_ = Qt::FlatCap;
};

}  // namespace tavrel
