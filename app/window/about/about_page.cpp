#include "window/about/about_page.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>

#include "links/open_externally.h"
#include "window/about/about_layout.h"
#include "window/about/about_page_texts.h"
#include "window/about/emblems.h"
#include "window/controls.h"
#include "window/twips.h"
#include "window/window_fonts.h"

namespace tavrel {

namespace {

using links::WebSite;

constexpr double kLinkLeft = 300;
constexpr double kLinkLabelWidth = 3165;
constexpr double kLinkLabelHeight = 255;

// The white panel's border lies inside it.
constexpr double kPanelLeft = 0, kPanelTop = 375, kPanelWidth = 11115, kPanelHeight = 6765;
constexpr int kPanelBorderPixels = 2;

// A category's label runs up to its value.
constexpr double kCategoryWidth = about::kAssumptionValueLeft - about::kAssumptionCategoryLeft;
constexpr double kCaptionHeight = 225;
constexpr double kHeadingHeight = 270;

// The right column's captions run up to the panel's border.
constexpr double kCaptionsRight = kPanelLeft + kPanelWidth - 45;

bool isActivationKey(const QKeyEvent* key) {
    if (key->isAutoRepeat()) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
           key->key() == Qt::Key_Space;
}

void setUnderlined(QLabel* label, bool underlined) {
    QFont font = label->font();
    font.setUnderline(underlined);
    label->setFont(font);
}

}  // namespace

AboutPage::AboutPage(QTabWidget* tabControl) : TabPage(tabControl, QStringLiteral("SSTab1_page2")) {
    // The panel first: everything else stands on it.
    ShapeControl* panel =
        controls::shape(surface(), QStringLiteral("Shape3"), ShapeControl::Rectangle, Qt::white,
                        {kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight});
    panel->setBorder(Qt::black, kPanelBorderPixels);
    buildLinks();
    buildAssumptions();
    buildDisclaimer();
}

void AboutPage::buildLinks() {
    QWidget* s = surface();
    for (int i = 0; i < 3; ++i) {
        const about::LinkPlace& place = about::kLinkPlaces[i];
        const QImage emblem = about::siteEmblem(place.site);
        QLabel* logo = controls::label(s, QLatin1String(place.logo), QString(),
                                       {kLinkLeft, place.logoTop, twips::fromPixels(emblem.width()),
                                        twips::fromPixels(emblem.height())});
        logo->setPixmap(QPixmap::fromImage(emblem));

        QLabel* link =
            controls::label(s, QLatin1String(place.label), links::siteHost(place.site),
                            {kLinkLeft, place.labelTop, kLinkLabelWidth, kLinkLabelHeight});
        link->setTextFormat(Qt::PlainText);
        controls::setTextColour(link, Qt::black);
        link->setAccessibleDescription(links::siteAddress(place.site));
        // Reached with Tab and opened with Enter or Space; a mouse click leaves focus alone.
        link->setFocusPolicy(Qt::TabFocus);

        // Each logo and the host name under it open the same site.
        siteLinks_[2 * i] = {logo, place.site};
        siteLinks_[2 * i + 1] = {link, place.site};
    }
    for (const SiteLink& target : siteLinks_) {
        target.control->setCursor(Qt::PointingHandCursor);
        target.control->installEventFilter(this);
    }
}

void AboutPage::buildAssumptions() {
    QWidget* s = surface();
    const QColor highlight = s->palette().color(QPalette::Highlight);
    const auto& captions = about::assumptionCaptions();
    for (int i = 0; i < about::kAssumptionCaptionCount; ++i) {
        const about::PlacedCaption& caption = captions[i];
        double width = kCaptionsRight - caption.left;
        double height = kCaptionHeight;
        QFont font = fonts::standard();
        switch (caption.style) {
            case about::CaptionStyle::Heading:
                font = fonts::bold();
                height = kHeadingHeight;
                break;
            case about::CaptionStyle::Category:
                font.setItalic(true);
                width = kCategoryWidth;
                break;
            case about::CaptionStyle::Value:
                break;
        }
        QLabel* label = controls::label(s, controls::arrayName("Label13", i), caption.text,
                                        {double(caption.left), double(caption.top), width, height});
        label->setTextFormat(Qt::PlainText);
        label->setFont(font);
        if (caption.style == about::CaptionStyle::Heading) {
            controls::setTextColour(label, highlight);
        }
    }
}

void AboutPage::buildDisclaimer() {
    QLabel* disclaimer = controls::label(surface(), QStringLiteral("Label2"),
                                         about::disclaimerText(), {7200, 5550, 3840, 1515});
    disclaimer->setTextFormat(Qt::PlainText);
    disclaimer->setWordWrap(true);
}

void AboutPage::onLinkActivated(WebSite site) {
    // Fire and forget: the desktop reports its own failures, if any.
    links::openExternally(QUrl(links::siteAddress(site)));
}

bool AboutPage::isLink(const QWidget* widget) const {
    return widget != nullptr &&
           std::any_of(siteLinks_.begin(), siteLinks_.end(),
                       [widget](const SiteLink& link) { return link.control == widget; });
}

bool AboutPage::eventFilter(QObject* watched, QEvent* event) {
    const auto target = std::find_if(siteLinks_.begin(), siteLinks_.end(),
                                     [watched](const SiteLink& t) { return t.control == watched; });
    if (target == siteLinks_.end()) return TabPage::eventFilter(watched, event);

    switch (event->type()) {
        case QEvent::MouseButtonPress:
            // Taken here so the release comes back to the same control.
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            // Released elsewhere, the press is abandoned, as with a button.
            if (target->control->rect().contains(mouse->position().toPoint())) {
                onLinkActivated(target->site);
            }
            return true;
        }
        case QEvent::KeyPress: {
            if (!isActivationKey(static_cast<QKeyEvent*>(event))) break;
            onLinkActivated(target->site);
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // The labels draw no focus frame; the underline shows where Enter goes.
            setUnderlined(target->control, event->type() == QEvent::FocusIn);
            break;
        default:
            break;
    }
    return TabPage::eventFilter(watched, event);
}

}  // namespace tavrel
