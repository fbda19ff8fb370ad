#pragma once

#include "ButtonInput.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The rhythm trainer's push button: a gradient face inside a bevel, an embossed caption,
// pressed while the left mouse button holds it, clicked on release. Every paint goes to one
// off-screen image that reaches the screen in a single copy, and the background is never
// erased, so repainting on each state change does not flicker.
//
// Captions whose font family is "Partita" are music: they are engraved by notation/.
class TGradBtn : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor DisabledColor READ disabledColor WRITE setDisabledColor)
    Q_PROPERTY(QColor BtnHiliteClr READ btnHiliteClr WRITE setBtnHiliteClr)
    Q_PROPERTY(QColor BtnShadowClr READ btnShadowClr WRITE setBtnShadowClr)
    Q_PROPERTY(int BtnFrameSize READ btnFrameSize WRITE setBtnFrameSize)
    Q_PROPERTY(QColor TxtHiliteClr READ txtHiliteClr WRITE setTxtHiliteClr)
    Q_PROPERTY(QColor TxtShadowClr READ txtShadowClr WRITE setTxtShadowClr)
    Q_PROPERTY(QColor BeginColor READ beginColor WRITE setBeginColor)
    Q_PROPERTY(QColor EndColor READ endColor WRITE setEndColor)
    Q_PROPERTY(bool SwapColors READ swapColors WRITE setSwapColors)
    Q_PROPERTY(bool ShowFocus READ showFocus WRITE setShowFocus)
    Q_PROPERTY(TGradientStyle GradientStyle READ gradientStyle WRITE setGradientStyle)
    Q_PROPERTY(TTextStyle TextStyle READ textStyle WRITE setTextStyle)
    Q_PROPERTY(TShadeType TextShadeType READ textShadeType WRITE setTextShadeType)
    Q_PROPERTY(TPreset Presets READ presets WRITE setPresets)
    Q_PROPERTY(TJustification Justification READ justification WRITE setJustification)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int Tag READ tag WRITE setTag)

public:
    enum TGradientStyle {
        gsHorizontal,
        gsVertical,
        gsElliptic,
        gsRectangle,
        gsVertCenter,
        gsHorizCenter
    };
    Q_ENUM(TGradientStyle)
    enum TTextStyle { tsNormal, tsRaised, tsInset };
    Q_ENUM(TTextStyle)
    enum TShadeType { stLight, stHeavy };
    Q_ENUM(TShadeType)
    enum TPreset { None, GoldCoast, LimeBox, Aluminum, SunRise, BrassedOff };
    Q_ENUM(TPreset)
    enum TJustification { jLeft, jCenter, jRight };
    Q_ENUM(TJustification)

    explicit TGradBtn(QWidget* parent = nullptr);
    ~TGradBtn() override;

    QColor disabledColor() const { return disabledColor_; }
    void setDisabledColor(const QColor& color);
    QColor btnHiliteClr() const { return btnHiliteClr_; }
    void setBtnHiliteClr(const QColor& color);
    QColor btnShadowClr() const { return btnShadowClr_; }
    void setBtnShadowClr(const QColor& color);
    int btnFrameSize() const { return btnFrameSize_; }
    // Refused (the old value stays) when wider than width / 2 - 5 or height / 2 - 5.
    void setBtnFrameSize(int size);
    QColor txtHiliteClr() const { return txtHiliteClr_; }
    void setTxtHiliteClr(const QColor& color);
    QColor txtShadowClr() const { return txtShadowClr_; }
    void setTxtShadowClr(const QColor& color);
    QColor beginColor() const { return beginColor_; }
    void setBeginColor(const QColor& color);
    QColor endColor() const { return endColor_; }
    void setEndColor(const QColor& color);
    bool swapColors() const { return swapColors_; }
    void setSwapColors(bool swap) { swapColors_ = swap; }
    bool showFocus() const { return showFocus_; }
    void setShowFocus(bool show) { showFocus_ = show; }
    TGradientStyle gradientStyle() const { return gradientStyle_; }
    void setGradientStyle(TGradientStyle style);
    TTextStyle textStyle() const { return textStyle_; }
    void setTextStyle(TTextStyle style);
    TShadeType textShadeType() const { return textShadeType_; }
    void setTextShadeType(TShadeType shade);
    TJustification justification() const { return justification_; }
    void setJustification(TJustification justification);

    // A colour scheme for a form designer. At run time the stored value changes nothing:
    // the individual properties are what count. applyPreset() is the designer's operation.
    TPreset presets() const { return presets_; }
    void setPresets(TPreset preset);
    void applyPreset(TPreset preset);
    bool isDesigning() const { return designing_; }
    void setDesigning(bool designing);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // The caption without accelerator marks: "&" removed unless doubled, "&&" gives "&".
    static QString stripAccelerators(const QString& caption);
    // The accelerator letter of a caption (the character after a single "&"), or a null QChar.
    static QChar acceleratorOf(const QString& caption);

    bool isDown() const { return !up_; }

    // Presses the button as a left-button release, Enter or the accelerator key would.
    void Click();

    QSize sizeHint() const override { return {75, 25}; }

signals:
    void clicked();      // OnClick
    void mouseEntered(); // OnMouseEnter
    void mouseLeft();    // OnMouseLeave

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void pressLeft();
    void releaseLeft();
    void pointerLeft(bool leftHeld);
    void pointerEntered(bool leftHeld);
    void exchangeColors();
    void setColor(QColor& field, const QColor& color);
    void updateAccelerator();

    void paintFace(QPainter& painter) const;
    void paintGradient(QPainter& painter) const;
    void paintBevel(QPainter& painter) const;
    void paintCaption(QPainter& painter) const;
    void paintCaptionCopy(QPainter& painter, int k, const QColor& color) const;
    void paintFocus(QImage& image) const;

    QColor disabledColor_;
    QColor btnHiliteClr_;
    QColor btnShadowClr_;
    int btnFrameSize_ = 1;
    QColor txtHiliteClr_;
    QColor txtShadowClr_;
    QColor beginColor_{0, 0, 128};
    QColor endColor_{0, 255, 255};
    bool swapColors_ = true;
    bool showFocus_ = true;
    TGradientStyle gradientStyle_ = gsVertCenter;
    TTextStyle textStyle_ = tsRaised;
    TShadeType textShadeType_ = stLight;
    TPreset presets_ = None;
    TJustification justification_ = jCenter;
    QString caption_;
    QColor fontColor_{Qt::black};
    int tag_ = 0;

    bool designing_ = false;
    bool up_ = true;
    bool clickedMarker_ = false;
    PressTracker press_;
    bool colorsExchanged_ = false;
    bool pointerInside_ = false;
    QImage offscreen_;
    ButtonShortcuts shortcuts_{this};
};
