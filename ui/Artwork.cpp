#include "ui/Artwork.h"

#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QFontInfo>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

namespace korvo {

namespace {

QColor withAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}

// A rectangle with only its top corners rounded, for tab faces.
QPainterPath topRounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

void verticalFill(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, qreal radius = 0) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    if (radius <= 0) {
        // A plain fill: the painter's fast path, no outline and nothing to smooth.
        p.fillRect(r, g);
        return;
    }
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

void paintMark(QPainter& p, const QRectF& markRect) {
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient mg(markRect.topLeft(), markRect.bottomRight());
    mg.setColorAt(0, QColor(0x5d, 0x9c, 0xff));
    mg.setColorAt(1, QColor(0x2f, 0xc4, 0xd8));
    p.setBrush(mg);
    const qreal m = markRect.width();
    p.drawRoundedRect(markRect, m * 0.28, m * 0.28);
    QPen arrow(Qt::white, qMax(1.2, m * 0.11), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(arrow);
    const qreal x0 = markRect.left(), y0 = markRect.top();
    p.drawLine(QPointF(x0 + m * 0.24, y0 + m * 0.36), QPointF(x0 + m * 0.76, y0 + m * 0.36));
    p.drawLine(QPointF(x0 + m * 0.60, y0 + m * 0.22), QPointF(x0 + m * 0.76, y0 + m * 0.36));
    p.drawLine(QPointF(x0 + m * 0.76, y0 + m * 0.64), QPointF(x0 + m * 0.24, y0 + m * 0.64));
    p.drawLine(QPointF(x0 + m * 0.40, y0 + m * 0.78), QPointF(x0 + m * 0.24, y0 + m * 0.64));
    p.restore();
}

} // namespace

QIcon art::markIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        paintMark(p, QRectF(0.5, 0.5, size - 1, size - 1));
        p.end();
        icon.addPixmap(picture);
    }
    return icon;
}

QWidget* art::fillWith(QWidget* page, QWidget* picture) {
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    return picture;
}

QFont art::scaled(QFont font, qreal factor) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    return font;
}

void art::setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void art::fillHeader(QPainter& painter, const QRectF& rect, qreal windowWidth) {
    QLinearGradient g(0, 0, windowWidth, 0);
    g.setColorAt(0, HeaderLeft);
    g.setColorAt(0.55, QColor(0x1a, 0x33, 0x63));
    g.setColorAt(1, HeaderRight);
    painter.fillRect(rect, g);
}

// ---------------------------------------------------------------- PicturePanel

namespace {

const char* const RoleProperty = "korvoAccessibleRole";

// The glyphs are reached from the keyboard through the "Minimise" and "Exit" buttons beside them;
// to a screen reader they are buttons of their own, with the press action a click does.
class GlyphAccessible : public QAccessibleWidget {
public:
    explicit GlyphAccessible(PicturePanel* glyph) : QAccessibleWidget(glyph, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<PicturePanel*>(widget())->clicked();
    }
};

QAccessibleInterface* withRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* panel = qobject_cast<PicturePanel*>(widget); panel && panel->isGlyph())
        return new GlyphAccessible(panel);
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()))
                          : nullptr;
}

} // namespace

void art::setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    // Installed after Qt's own factory, so asked before it, also for Qt's own classes.
    static const bool installed = (QAccessible::installFactory(withRole), true);
    Q_UNUSED(installed);
    widget->setProperty(RoleProperty, static_cast<int>(role));
}

PicturePanel::PicturePanel(Kind kind, QWidget* parent) : QWidget(parent), PanelKind(kind) {
    setFocusPolicy(Qt::NoFocus);
    if (isGlyph()) {
        art::setAccessibleRole(this, QAccessible::Button);
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
    }
}

void PicturePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QRectF r = rect();

    switch (PanelKind) {
    case Kind::Banner:
        paintBanner(p);
        break;
    case Kind::MainPage:
        paintMainPage(p);
        break;
    case Kind::SettingsPage:
        verticalFill(p, r, art::PageTop, art::PageBottom);
        break;
    case Kind::Band: {
        verticalFill(p, r, art::Band, QColor(0xcb, 0xdc, 0xf6));
        p.setPen(QPen(withAlpha(art::Accent, 60), 1));
        p.drawLine(QPointF(0, r.bottom() - 0.5), QPointF(r.right(), r.bottom() - 0.5));
        break;
    }
    case Kind::TabPage: {
        verticalFill(p, r, Qt::white, QColor(0xf3, 0xf7, 0xfd));
        // The card's frame, open above the tab face that belongs to this page so
        // that face and card read as one sheet.
        qreal gapLeft = -1, gapRight = -1;
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
                const int index = tabs->indexOf(parentWidget());
                if (index >= 0) {
                    const QRect face = tabs->tabBar()->tabRect(index);
                    const QPoint left = mapFrom(tabs, tabs->tabBar()->mapTo(tabs, face.topLeft()));
                    gapLeft = left.x() + 1.5;
                    gapRight = left.x() + face.width() - 1.5;
                }
                break;
            }
        }
        p.setPen(QPen(art::Border, 1));
        p.setBrush(Qt::NoBrush);
        const qreal top = 0.5, left = 0.5, right = r.right() - 0.5, bottom = r.bottom() - 0.5;
        p.drawLine(QPointF(left, top), QPointF(left, bottom));
        p.drawLine(QPointF(right, top), QPointF(right, bottom));
        p.drawLine(QPointF(left, bottom), QPointF(right, bottom));
        if (gapLeft < 0) {
            p.drawLine(QPointF(left, top), QPointF(right, top));
        } else {
            p.drawLine(QPointF(left, top), QPointF(gapLeft, top));
            p.drawLine(QPointF(gapRight, top), QPointF(right, top));
        }
        // A hairline between the address row and the adapter choice.
        p.setPen(QPen(withAlpha(art::Border, 150), 1));
        p.drawLine(QPointF(8, 54.5), QPointF(r.right() - 8, 54.5));
        break;
    }
    case Kind::MinimiseGlyph:
    case Kind::CloseGlyph:
        paintGlyph(p);
        break;
    }
}

void PicturePanel::paintBanner(QPainter& p) {
    const QRectF r = rect();
    art::fillHeader(p, r, window()->width());

    // The captions' bold font, scaled up: a font of its own size would cost a font engine
    // (a fontconfig match and a shaper set-up) on the first frame for one word.
    QFont font = this->font();
    font.setWeight(QFont::Bold);
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    const qreal scale = qMax(12, height() * 2 / 3) / qMax(1.0, QFontInfo(font).pixelSize() * 1.0);
    const QString name = QStringLiteral("Korvo");
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(name) * scale;
    const qreal mark = height() * 0.66;
    const qreal gap = mark * 0.4;
    const qreal startX = (r.width() - (mark + gap + textWidth)) / 2;

    // The mark: two opposed arrows, switching one configuration for another.
    const qreal cy = r.center().y();
    paintMark(p, QRectF(startX, cy - mark / 2, mark, mark));

    p.setFont(font);
    p.setPen(Qt::white);
    p.translate(startX + mark + gap, r.top());
    p.scale(scale, scale);
    p.drawText(QRectF(0, 0, (textWidth + 4) / scale, r.height() / scale), Qt::AlignLeft | Qt::AlignVCenter,
               name);
}

void PicturePanel::paintMainPage(QPainter& p) {
    const QRectF r = rect();
    verticalFill(p, r, art::PageTop, art::PageBottom);

    // The card that holds the column of apply buttons.
    const QRectF card(8.5, 8.5, 249, r.height() - 17);
    p.setPen(QPen(art::Border, 1));
    p.setBrush(withAlpha(Qt::white, 190));
    p.drawRoundedRect(card, 8, 8);

    // A quiet network motif on the free side of the page: a hub that hands the
    // same adapter to different configurations.
    const QPointF hub(card.right() + (r.width() - card.right()) / 2, r.height() * 0.42);
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        p.setPen(QPen(withAlpha(art::Accent, 46 - ring * 10), 1));
        const qreal radius = 44.0 + ring * 38.0;
        p.drawEllipse(hub, radius, radius);
    }
    const int satellites = 6;
    const qreal orbit = 120;
    for (int i = 0; i < satellites; ++i) {
        const qreal angle = (M_PI * 2 * i) / satellites - M_PI / 2 + 0.3;
        const QPointF node(hub.x() + orbit * std::cos(angle), hub.y() + orbit * 0.78 * std::sin(angle));
        QPen link(withAlpha(art::Accent, 70), 1);
        link.setDashPattern({3, 3});
        p.setPen(link);
        p.drawLine(hub, node);
        p.setPen(QPen(withAlpha(art::Accent, 120), 1));
        p.setBrush(i == 1 ? art::Accent : QColor(Qt::white));
        p.drawEllipse(node, 9, 9);
        p.setBrush(Qt::NoBrush);
    }
    QRadialGradient glow(hub, 58);
    glow.setColorAt(0, withAlpha(art::Accent, 60));
    glow.setColorAt(1, withAlpha(art::Accent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(hub, 58, 58);
    QLinearGradient hubFill(hub - QPointF(34, 34), hub + QPointF(34, 34));
    hubFill.setColorAt(0, QColor(0x4d, 0x8d, 0xf5));
    hubFill.setColorAt(1, art::AccentDark);
    p.setBrush(hubFill);
    p.drawEllipse(hub, 34, 34);
    QPen arrow(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(arrow);
    p.drawLine(hub + QPointF(-14, -7), hub + QPointF(14, -7));
    p.drawLine(hub + QPointF(6, -14), hub + QPointF(14, -7));
    p.drawLine(hub + QPointF(14, 7), hub + QPointF(-14, 7));
    p.drawLine(hub + QPointF(-6, 14), hub + QPointF(-14, 7));
}

void PicturePanel::paintGlyph(QPainter& p) {
    const QRectF r = QRectF(rect()).adjusted(2, 3, -2, -3);
    const bool close = PanelKind == Kind::CloseGlyph;
    if (Hovered || Pressed) {
        QColor face = close ? QColor(0xe0, 0x44, 0x4e) : withAlpha(Qt::white, 46);
        if (Pressed) face = close ? QColor(0xb8, 0x32, 0x3b) : withAlpha(Qt::white, 80);
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawRoundedRect(r, 4, 4);
    }
    const QPointF c = r.center();
    const qreal s = qMin(r.width(), r.height()) * 0.24;
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    if (close) {
        p.drawLine(c + QPointF(-s, -s), c + QPointF(s, s));
        p.drawLine(c + QPointF(-s, s), c + QPointF(s, -s));
    } else {
        p.drawLine(c + QPointF(-s, s * 0.8), c + QPointF(s, s * 0.8));
    }
}

void PicturePanel::mousePressEvent(QMouseEvent* event) {
    if (isGlyph() && event->button() == Qt::LeftButton) {
        Pressed = true;
        update();
    }
    QWidget::mousePressEvent(event);
}

void PicturePanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = Pressed;
    Pressed = false;
    update();
    if (isGlyph() && wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}

void PicturePanel::enterEvent(QEnterEvent* event) {
    Hovered = true;
    update();
    QWidget::enterEvent(event);
}

void PicturePanel::leaveEvent(QEvent* event) {
    Hovered = false;
    update();
    QWidget::leaveEvent(event);
}

// --------------------------------------------------------------- PictureButton

PictureButton::PictureButton(Face face, const QString& text, QWidget* parent)
    : QPushButton(text, parent), ButtonFace(face) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    QFont f = font();
    f.setWeight(face == Face::Neutral ? QFont::Normal : QFont::Bold);
    setFont(f);
}

bool PictureButton::event(QEvent* event) {
    // QAbstractButton turns "&x" in its text into an Alt+X shortcut; a caption
    // here is a profile name, never an access key.
    if (event->type() == QEvent::Shortcut) return true;
    return QPushButton::event(event);
}

// Return or Enter presses a focused button, as Space does: the keys Windows gives every button.
void PictureButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

QRectF PictureButton::captionRect() const {
    const bool inEffect = ButtonFace == Face::Apply && property("active").toBool();
    return QRectF(rect())
        .adjusted(0.5, 0.5, -0.5, -0.5)
        .adjusted(ButtonFace == Face::Apply ? 10 : 4, 0, inEffect ? -26 : -4, 0);
}

// A long caption first gets a slightly smaller font, and only then an ellipsis.
PictureButton::Caption PictureButton::shownCaption() const {
    const qreal width = captionRect().width();
    QFont captionFont = font();
    for (int step = 0; step < 3 && QFontMetricsF(captionFont).horizontalAdvance(text()) > width; ++step) {
        if (captionFont.pointSizeF() > 0)
            captionFont.setPointSizeF(captionFont.pointSizeF() * 0.92);
        else
            captionFont.setPixelSize(qMax(1, captionFont.pixelSize() - 1));
    }
    return {captionFont,
            QFontMetrics(captionFont).elidedText(text(), Qt::ElideRight, static_cast<int>(width))};
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool enabled = isEnabled();
    const bool down = isDown();
    const bool hover = enabled && underMouse();
    const qreal radius = 5;

    QColor top, bottom, border, ink;
    switch (ButtonFace) {
    case Face::Apply:
        top = hover ? QColor(0xf3, 0xf7, 0xff) : QColor(Qt::white);
        bottom = hover ? QColor(0xe2, 0xec, 0xfc) : QColor(0xee, 0xf2, 0xf9);
        border = hover ? art::Accent : art::Border;
        ink = art::Ink;
        break;
    case Face::Primary:
        top = hover ? QColor(0x3d, 0x7b, 0xea) : QColor(0x33, 0x71, 0xe0);
        bottom = hover ? QColor(0x24, 0x5c, 0xc6) : art::AccentDark;
        border = QColor(0x18, 0x45, 0x9c);
        ink = Qt::white;
        break;
    case Face::Neutral:
        top = hover ? QColor(0xfb, 0xfc, 0xff) : QColor(Qt::white);
        bottom = hover ? QColor(0xe3, 0xea, 0xf5) : QColor(0xe9, 0xee, 0xf6);
        border = hover ? art::Slate : art::Border;
        ink = art::Ink;
        break;
    }
    if (down) {
        std::swap(top, bottom);
        top = top.darker(106);
        bottom = bottom.darker(103);
    }
    if (!enabled) {
        top = QColor(0xf1, 0xf3, 0xf6);
        bottom = QColor(0xe8, 0xeb, 0xf0);
        border = QColor(0xd3, 0xd8, 0xe0);
        ink = QColor(0x98, 0xa1, 0xb0);
    }

    p.setPen(QPen(border, 1));
    verticalFill(p, r, top, bottom, radius);

    // The profile this button applies is what its adapter has now.
    const bool inEffect = ButtonFace == Face::Apply && property("active").toBool();
    if (ButtonFace == Face::Apply) {
        // An accent edge marks the button as one that changes the adapter; green while in effect.
        // The face's own rounded outline, cut to the edge's width by a plain rectangle.
        p.save();
        p.setClipRect(QRectF(r.left(), r.top(), inEffect ? 5 : 4, r.height()));
        p.setPen(Qt::NoPen);
        p.setBrush(!enabled ? border : inEffect ? art::InEffect : art::Accent);
        p.drawRoundedRect(r, radius, radius);
        p.restore();
    }
    if (inEffect) {
        // A green disc with a tick at the right end.
        const qreal d = qMin(r.height() - 8, 15.0);
        const QRectF disc(r.right() - 6 - d, r.center().y() - d / 2, d, d);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(enabled ? art::InEffect : border);
        p.drawEllipse(disc);
        p.setPen(QPen(Qt::white, qMax(1.4, d * 0.13), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal x = disc.left(), y = disc.top();
        p.drawPolyline(QList<QPointF>{
            {x + d * 0.28, y + d * 0.53}, {x + d * 0.44, y + d * 0.69}, {x + d * 0.73, y + d * 0.36}});
        p.restore();
    }

    if (hasFocus()) {
        const QColor ring = ButtonFace == Face::Primary ? withAlpha(Qt::white, 200) : art::Accent;
        p.setPen(QPen(ring, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), radius - 2, radius - 2);
    }

    // Drawn without mnemonic handling, so "&" shows as typed.
    const Caption caption = shownCaption();
    p.setPen(ink);
    p.setFont(caption.font);
    p.drawText(captionRect().translated(0, down ? 1 : 0), Qt::AlignCenter | Qt::TextSingleLine, caption.text);
}

// ------------------------------------------------------------ PictureTabWidget

PictureTabWidget::PictureTabWidget(Look look, QWidget* parent) : QTabWidget(parent), TabLook(look) {
    setTabBar(new PictureTabBar(look, this));
    // Focusable (through its tab strip), so a screen reader wants more than a plain area.
    art::setAccessibleRole(this, QAccessible::Grouping);
    setDocumentMode(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    tabBar()->setDrawBase(false);
    tabBar()->setExpanding(false);
    // Clicking the tab strip moves the focus onto the control, as the keyboard does.
    tabBar()->setFocusPolicy(Qt::StrongFocus);
}

void PictureTabWidget::paintEvent(QPaintEvent*) {
    if (TabLook != Look::Header) return; // the band behind shows through; the pages draw the card
    QPainter p(this);
    const QRect strip(0, 0, width(), tabBar()->geometry().bottom() + 1);
    art::fillHeader(p, strip, window()->width());
    p.setPen(QPen(withAlpha(Qt::black, 40), 1));
    p.drawLine(strip.bottomLeft(), strip.bottomRight());
}

PictureTabBar::PictureTabBar(PictureTabWidget::Look look, QWidget* parent) : QTabBar(parent), TabLook(look) {
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    if (look == PictureTabWidget::Look::Header) {
        QFont f = font();
        f.setWeight(QFont::Bold);
        setFont(f);
    }
}

QSize PictureTabBar::tabSizeHint(int index) const {
    if (TabLook == PictureTabWidget::Look::Header) return {index == 0 ? 112 : 104, 28};
    const QString text = tabText(index);
    auto known = TextWidths.constFind(text);
    if (known == TextWidths.constEnd())
        known = TextWidths.insert(text, QFontMetrics(font()).horizontalAdvance(text));
    return {qMax(96, *known + 28), 27};
}

void PictureTabBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) TextWidths.clear();
    QTabBar::changeEvent(event);
}

void PictureTabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool header = TabLook == PictureTabWidget::Look::Header;
    const int hovered = underMouse() ? tabAt(mapFromGlobal(QCursor::pos())) : -1;

    for (int i = 0; i < count(); ++i) {
        const bool selected = i == currentIndex();
        QRectF face = tabRect(i);
        face.adjust(header && i == 0 ? 10 : 2, header ? 5 : 2, -2, 0);
        const QPainterPath path = topRounded(face.adjusted(0.5, 0.5, -0.5, 1), header ? 7 : 6);

        QColor textColor;
        if (header) {
            p.setPen(Qt::NoPen);
            p.setBrush(selected ? art::PageTop : withAlpha(Qt::white, i == hovered ? 48 : 26));
            p.drawPath(path);
            textColor = selected ? art::Ink : art::OnHeader;
        } else {
            p.setPen(QPen(selected ? art::Border : withAlpha(art::Border, 200), 1));
            p.setBrush(selected ? QColor(Qt::white) : withAlpha(Qt::white, i == hovered ? 200 : 130));
            p.drawPath(path);
            if (selected) {
                p.save();
                p.setClipPath(path);
                p.fillRect(QRectF(face.left(), face.top(), face.width(), 3), art::Accent);
                p.restore();
            }
            textColor = selected ? art::Ink : art::Slate;
        }
        if (tabTextColor(i).isValid()) textColor = tabTextColor(i);

        if (selected && hasFocus()) {
            p.setPen(QPen(art::Accent, 1.2, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(face.adjusted(6, header ? 5 : 6, -6, -4), 3, 3);
        }
        p.setPen(textColor);
        p.setFont(font());
        p.drawText(face.translated(0, header ? 0 : 1), Qt::AlignCenter | Qt::TextSingleLine, tabText(i));
    }
}

} // namespace korvo
