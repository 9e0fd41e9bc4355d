#pragma once
// The planner's command button: a picture whose key colour (the colour of its pixel (1, 1))
// is see-through, so the button takes the outline of what the picture shows. It draws
// itself raised, pressed and disabled from bevelled copies of the picture, can show parts
// of the picture as tinted glass, and answers the mouse only over its visible pixels.
#include <QColor>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QShortcut;

namespace numbrela::ui {

class TShapeButton : public QWidget {
    Q_OBJECT
public:
    explicit TShapeButton(QWidget* parent = nullptr);

    // Assigning the picture builds the three faces and sizes the control to the picture
    // (70 x 70 while there is none).
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    const QImage& pictureUp() const { return up_; }
    const QImage& pictureDown() const { return down_; }
    const QImage& pictureDisabled() const { return disabled_; }
    QColor keyColor() const { return key_; }

    // 0..2 bevel passes; any other value becomes 2.
    void setBevelWidth(int width);
    int bevelWidth() const { return bevelWidth_; }
    void setSemiTransparent(bool on);
    void setSemiTransparentColor(const QColor& color);
    void setGlassColor(const QColor& color);

    // "&" marks the accelerator; a caption ending in "|" is drawn without it.
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setTextColor(const QColor& color);
    // The cursor over the shape; the parent's cursor shows elsewhere.
    void setShapeCursor(const QCursor& cursor) { shapeCursor_ = cursor; }

    bool isPressed() const { return pressed_; }
    // Whether (x, y) lies on the shape: the hit test of the pressed face.
    bool insideShape(QPoint p) const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void changeEvent(QEvent*) override;

private:
    void buildFaces();
    void updateMask();
    void updateShortcut();
    void setPressed(bool pressed);

    QImage picture_, up_, down_, disabled_;
    QPixmap upPix_, downPix_, disabledPix_;
    QColor key_;
    int bevelWidth_ = 2;
    bool semiTransparent_ = false;
    QColor semiColor_ = Qt::black;
    QColor glassColor_ = Qt::white;
    QString caption_;
    QColor textColor_ = Qt::white;
    bool pressed_ = false;
    bool tracking_ = false;
    bool inside_ = false;
    QShortcut* shortcut_ = nullptr;
    QCursor shapeCursor_{Qt::ArrowCursor};
};

} // namespace numbrela::ui
