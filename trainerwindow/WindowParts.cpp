#include "WindowParts.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>

namespace windowparts {

namespace {

// A little room between a display's right-aligned text and its border.
constexpr qreal kDisplayRightMargin = 4;

} // namespace

QFont pixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    // The windows were drawn with "MS Sans Serif", which few systems have. The usual stand-in
    // for a missing font is a wide one that makes captions and scores overflow their boxes;
    // Arial's proportions are close to the original's.
    if (family == QLatin1String("MS Sans Serif"))
        font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                          QStringLiteral("Arial")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void showControl(QWidget* widget, const ControlState& control) {
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
}

QTextEdit* scoreDisplay(QWidget* parent, const QString& name, const QRect& bounds,
                        const QFont& font) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(bounds);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus); // no tab stop
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setFont(font);
    box->document()->setDocumentMargin(1);
    box->document()->setDefaultTextOption(QTextOption(Qt::AlignRight));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

void showDisplayText(QTextEdit* display, const QString& text) {
    if (display->toPlainText() == text)
        return;
    display->setPlainText(text);
    QTextFrame* root = display->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    if (format.rightMargin() != kDisplayRightMargin) {
        format.setRightMargin(kDisplayRightMargin);
        root->setFrameFormat(format);
    }
}

} // namespace windowparts
