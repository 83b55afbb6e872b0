// Korvo's pictures: banner, page and tab backgrounds, glyphs, button faces and
// tab faces, all painted in code so they stay crisp at any display scale.
#pragma once

#include <QAccessible>
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

class QPainter;

namespace korvo {

namespace art {
inline const QColor HeaderLeft{0x14, 0x21, 0x3d};
inline const QColor HeaderRight{0x1f, 0x47, 0x8a};
inline const QColor Accent{0x2a, 0x67, 0xd6};
inline const QColor AccentDark{0x1c, 0x4f, 0xb0};
inline const QColor Ink{0x1b, 0x27, 0x40};
inline const QColor Slate{0x4b, 0x5b, 0x77};
inline const QColor Border{0xc4, 0xd0, 0xe3};
inline const QColor PageTop{0xf7, 0xf9, 0xfd};
inline const QColor PageBottom{0xe6, 0xed, 0xf7};
inline const QColor Band{0xd9, 0xe7, 0xfb};
inline const QColor OnHeader{0xe4, 0xec, 0xfa};
inline const QColor InEffect{0x1f, 0x9d, 0x5a};

// The header's horizontal gradient; the banner and the page tab strip share it
// so that they read as one surface.
void fillHeader(QPainter& painter, const QRectF& rect, qreal windowWidth);

// Placing a control where the design puts it, under its control name (none for
// decorations).
template <typename W> W* place(W* widget, const char* name, int x, int y, int w, int h) {
    if (name) widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}
// A page's background picture covers the whole page, whatever size the tab control gives it.
QWidget* fillWith(QWidget* page, QWidget* picture);
QFont scaled(QFont font, qreal factor);
// The banner's mark as an icon, for the system tray.
QIcon markIcon();
void setTextColor(QWidget* widget, const QColor& color);
// What a screen reader is told `widget` is, where Qt's generic guess (a plain area) says too little.
// Set before the widget is first shown.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);
} // namespace art

// A picture panel. Glyphs are clickable; backgrounds only paint.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Banner, MainPage, SettingsPage, Band, TabPage, MinimiseGlyph, CloseGlyph };

    PicturePanel(Kind kind, QWidget* parent);

    // A glyph acts as a button: a screen reader sees one and can press it.
    bool isGlyph() const { return PanelKind == Kind::MinimiseGlyph || PanelKind == Kind::CloseGlyph; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintBanner(QPainter& p);
    void paintMainPage(QPainter& p);
    void paintGlyph(QPainter& p);

    Kind PanelKind;
    bool Hovered = false;
    bool Pressed = false;
};

// A push button with a painted face behind its caption. The caption is drawn
// exactly as set: a "&" in a profile name is part of the name, so it is shown
// and never turns into an access key.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    enum class Face { Apply, Primary, Neutral };

    PictureButton(Face face, const QString& text, QWidget* parent);

    // The caption as it is painted, and in what font: whole, or cut short with an ellipsis where even
    // the smaller font a long caption gets is too wide.
    struct Caption {
        QFont font;
        QString text;
    };
    Caption shownCaption() const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF captionRect() const;

    Face ButtonFace;
};

// A tab control whose tab faces and pane are painted: Header for the page
// control under the banner, Card for the profile tabs.
class PictureTabWidget : public QTabWidget {
    Q_OBJECT
public:
    enum class Look { Header, Card };

    PictureTabWidget(Look look, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look TabLook;
};

class PictureTabBar : public QTabBar {
    Q_OBJECT
public:
    PictureTabBar(PictureTabWidget::Look look, QWidget* parent);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PictureTabWidget::Look TabLook;
    // Captions' widths: the bar asks for every tab's size again on each insert and hit test.
    mutable QHash<QString, int> TextWidths;
};

} // namespace korvo
