#include "window/about/emblems.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tavrel::about {

namespace {

const QString kFamily = QStringLiteral("Liberation Sans");

QImage blankImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A font of at most maxPixels whose rendering of text fits within width.
QFont fittedFont(const QString& text, qreal width, int maxPixels, int weight,
                 qreal letterSpacing = 100) {
    QFont font(kFamily);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setLetterSpacing(QFont::PercentageSpacing, letterSpacing);
    for (int pixels = maxPixels; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

// Draws text with its baseline at y, starting at x.
void drawText(QPainter& painter, qreal x, qreal y, const QString& text, const QFont& font,
              const QColor& colour) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(x, y), text);
}

// A name and a line under it, both left-aligned in the area right of the mark.
void drawNameBlock(QPainter& painter, const QRectF& area, const QString& name,
                   const QColor& nameColour, const QString& line, const QColor& lineColour) {
    const QFont nameFont = fittedFont(name, area.width(), 22, QFont::Bold, 106);
    const QFont lineFont = fittedFont(line, area.width(), 11, QFont::Normal);
    const qreal nameAscent = QFontMetricsF(nameFont).ascent();
    const qreal lineAscent = QFontMetricsF(lineFont).ascent();
    const qreal gap = 3;
    const qreal top = area.top() + (area.height() - nameAscent - gap - lineAscent) / 2;
    drawText(painter, area.left(), top + nameAscent, name, nameFont, nameColour);
    drawText(painter, area.left() + 1, top + nameAscent + gap + lineAscent, line, lineFont,
             lineColour);
}

}  // namespace

QImage makerEmblem() {
    QImage image = blankImage(kMakerEmblemSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A wind-rose of three swept blades in a navy disc.
    const QColor navy(22, 54, 110);
    const QColor teal(0, 150, 160);
    const QRectF disc(3, 4, 38, 38);
    painter.setPen(Qt::NoPen);
    painter.setBrush(navy);
    painter.drawEllipse(disc);
    painter.translate(disc.center());
    for (int blade = 0; blade < 3; ++blade) {
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(4, -6, 4, -13, 0, -16);
        path.cubicTo(-1, -10, -3, -5, 0, 0);
        painter.setBrush(blade == 0 ? teal : QColor(Qt::white));
        painter.drawPath(path);
        painter.rotate(120);
    }
    painter.resetTransform();

    drawNameBlock(painter, QRectF(48, 2, kMakerEmblemSize.width() - 51, 42),
                  QStringLiteral("MERROWIND"), navy,
                  QStringLiteral("Pavement Engineering Software"), teal.darker(130));
    return image;
}

QImage associationEmblem() {
    QImage image = blankImage(kAssociationEmblemSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Two slabs meeting at a joint, with a dowel across it, inside a ring.
    const QColor green(24, 110, 62);
    const QRectF ring(3, 3, 37, 37);
    painter.setPen(QPen(green, 3));
    painter.setBrush(Qt::white);
    painter.drawEllipse(ring);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(QRectF(9, 17, 11, 10));
    painter.drawRect(QRectF(23, 17, 11, 10));
    painter.setBrush(green);
    painter.drawRoundedRect(QRectF(12, 20.5, 19, 3), 1.5, 1.5);

    drawNameBlock(painter, QRectF(47, 1, kAssociationEmblemSize.width() - 50, 41),
                  QStringLiteral("OSTRELLE"), green,
                  QStringLiteral("Concrete Pavement Association"), QColor(70, 70, 70));
    return image;
}

QImage partnerEmblem() {
    QImage image = blankImage(kPartnerEmblemSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Three steel bar ends in a dark square, lit from the top left.
    const QColor steel(52, 64, 78);
    const QColor rust(196, 92, 38);
    painter.setPen(Qt::NoPen);
    painter.setBrush(steel);
    painter.drawRoundedRect(QRectF(3, 4, 38, 38), 5, 5);
    for (int bar = 0; bar < 3; ++bar) {
        const QRectF end(8.5 + bar * 10.5, 17.5, 8, 8);
        QLinearGradient shine(end.topLeft(), end.bottomRight());
        shine.setColorAt(0, QColor(235, 238, 242));
        shine.setColorAt(1, QColor(140, 150, 160));
        painter.setBrush(shine);
        painter.drawEllipse(end);
    }
    painter.setBrush(rust);
    painter.drawRect(QRectF(8, 33, 28, 3));

    drawNameBlock(painter, QRectF(48, 2, kPartnerEmblemSize.width() - 51, 42),
                  QStringLiteral("KESTRABAR"), steel, QStringLiteral("Dowel Bar & Steel Works"),
                  rust.darker(120));
    return image;
}

QImage tavrelLogo() {
    QImage image = blankImage(kTavrelLogoSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A joint between two slabs, bridged by a dowel bar.
    const QColor blue(0, 60, 150);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 176, 184));
    painter.drawRect(QRectF(2, 9, 14, 18));
    painter.drawRect(QRectF(19, 9, 14, 18));
    painter.setBrush(blue);
    painter.drawRoundedRect(QRectF(6, 16, 23, 4), 2, 2);

    const QString name = QStringLiteral("Tavrel");
    const QFont nameFont = fittedFont(name, 80, 25, QFont::Bold, 102);
    const QFontMetricsF nameMetrics(nameFont);
    const qreal baseline = 18 + nameMetrics.capHeight() / 2;
    drawText(painter, 40, baseline, name, nameFont, blue);

    const qreal tagLeft = 40 + nameMetrics.horizontalAdvance(name) + 7;
    const QString tag = QStringLiteral("Dowel Design Aid");
    const QFont tagFont = fittedFont(tag, kTavrelLogoSize.width() - tagLeft - 2, 12, QFont::Normal);
    drawText(painter, tagLeft, baseline, tag, tagFont, QColor(80, 80, 80));
    return image;
}

QImage siteEmblem(WebSite site) {
    switch (site) {
        case WebSite::Maker:
            return makerEmblem();
        case WebSite::Association:
            return associationEmblem();
        case WebSite::Partner:
            return partnerEmblem();
    }
    return {};
}

}  // namespace tavrel::about
