#pragma once

#include "ButtonInput.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The large answer button: a black capsule drawn from four 37 x 41 images (raised with a
// shadow or pressed, on a grey or white ground), stretched to the button's width, with its
// caption centred on the capsule. It is 41 pixels high unless told to grow (ScaleToHeight).
class TLumeButton1 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TButtonStyle Style READ style WRITE setStyle)
    Q_PROPERTY(TButtonState Status READ status WRITE setStatus)
    Q_PROPERTY(bool Cancel READ cancel WRITE setCancel)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(bool ScaleToHeight READ scaleToHeight WRITE setScaleToHeight)

public:
    enum TButtonState { bsOff, bsOn };
    Q_ENUM(TButtonState)
    enum TButtonStyle { bsOnGray, bsOnWhite };
    Q_ENUM(TButtonStyle)

    static constexpr int ImageWidth = 37;
    static constexpr int ImageHeight = 41;

    explicit TLumeButton1(QWidget* parent = nullptr);
    ~TLumeButton1() override;

    TButtonStyle style() const { return style_; }
    void setStyle(TButtonStyle style);
    // Setting the status from code ends any press being followed.
    TButtonState status() const { return status_; }
    void setStatus(TButtonState status);
    bool cancel() const { return cancel_; }
    void setCancel(bool cancel);
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault);
    int modalResult() const { return modalResult_; }
    void setModalResult(int result) { modalResult_ = result; }
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Off (the default) the button is always 41 pixels high, as its images are. On, it takes
    // the height it is given and draws its face scaled to it, so that a window scaler can
    // grow it together with its caption font.
    bool scaleToHeight() const { return scaleToHeight_; }
    void setScaleToHeight(bool scale);

    bool isTracking() const { return press_.isTracking(); }

    // The image for a state and ground ("BUTTON2A" and the others, from the resources).
    static QImage image(TButtonState status, TButtonStyle style);

    // Stores ModalResult into an owning dialog (which ends it when it runs modally), then
    // fires OnClick.
    void Click();

    QSize sizeHint() const override { return {91, ImageHeight}; }

signals:
    void clicked(); // OnClick

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect pressArea() const;
    bool canFocus() const;
    void changeStatus(TButtonState status);
    void focusChanged(bool focused);
    void updateShortcuts();
    void drawCapsule(QPainter& painter, const QImage& image, int w) const;

    TButtonStyle style_ = bsOnGray;
    TButtonState status_ = bsOff;
    bool cancel_ = false;
    bool default_ = false;
    int modalResult_ = 0;
    QString caption_;
    QColor fontColor_{255, 255, 0};
    int tag_ = 0;

    bool scaleToHeight_ = false;
    bool focusFlag_ = false;
    PressTracker press_;
    ButtonShortcuts shortcuts_{this};
};
