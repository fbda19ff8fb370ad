#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include "ButtonInput.h"

// The pitch trainer's graphic button, used for every piano key and the command buttons: a
// vertical gradient from GradColor at the top to FaceColor at the bottom, inside a black
// border and a bevel, with the caption on top. It never takes the keyboard focus and works
// like a momentary speed button: shown pressed while the left button holds it over the
// button, clicked on release over it. A disabled button shows it: its face is washed out and
// its caption greyed, as the rhythm trainer's buttons do.
class TGradButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor GradColor READ gradColor WRITE setGradColor)
    Q_PROPERTY(QColor FaceColor READ faceColor WRITE setFaceColor)
    Q_PROPERTY(QColor HighlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(QColor ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int Margin READ margin WRITE setMargin)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int Tag READ tag WRITE setTag)

public:
    explicit TGradButton(QWidget* parent = nullptr);
    ~TGradButton() override;

    QColor gradColor() const { return gradColor_; }
    void setGradColor(const QColor& color);
    QColor faceColor() const { return faceColor_; }
    void setFaceColor(const QColor& color);
    QColor highlightColor() const { return highlightColor_; }
    void setHighlightColor(const QColor& color);
    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // 0 puts the caption on the bottom edge (the piano keys); any other value centres it.
    int margin() const { return margin_; }
    void setMargin(int margin);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Shown pressed: the left button holds it with the pointer over it.
    bool isPressed() const { return pressed_; }

    // The gradient face as last generated; its size follows the face at the next paint.
    const QImage& gradient() const { return gradient_; }
    QSize faceSize() const;

    // Windows' MulDiv: a * b / c in 64 bits, rounded to the nearest integer with halves away
    // from zero; -1 when c is 0 or the result does not fit.
    static int MulDiv(int a, int b, int c);
    // The gradient of a face of the given size, top colour to bottom colour in 256 bands.
    static QImage makeGradient(const QSize& size, const QColor& top, const QColor& bottom);
    // What a disabled button lays over its face, and the colour of its caption.
    static QColor disabledWash();
    static QColor disabledCaptionColor();

    // Fires OnClick as a release over the button does.
    void Click();
    // Shows the button pressed, or no longer, for a key held on a MIDI keyboard.
    void hold(bool held) { setPressed(held); }

    QSize sizeHint() const override { return {100, 30}; }

signals:
    void clicked(); // OnClick

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void regenerate();
    void setPressed(bool pressed);

    QColor gradColor_{0, 0, 255};
    QColor faceColor_{Qt::black};
    QColor highlightColor_{Qt::white};
    QColor shadowColor_{Qt::black};
    int bevelWidth_ = 1;
    int borderWidth_ = 1;
    QString caption_;
    int margin_ = -1;
    QColor fontColor_{Qt::white};
    int tag_ = 0;

    QImage gradient_;
    bool pressed_ = false;
    PressTracker press_;
};
