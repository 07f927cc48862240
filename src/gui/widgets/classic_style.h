#pragma once
// The look the windows were designed for, over the platform's own style:
// editable combo boxes with a slim frame and arrow button, so that even the
// narrowest of them shows its whole text; drop-down lists that open below
// their box and scroll; tab pages with the designed margins around them.
#include <QProxyStyle>

namespace trivelon::gui {

class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Makes this the application's style, with Enter pressing a focused push
    // button, once: every later call is a cheap check. One application-wide
    // style costs far less at start-up than a style set on each control,
    // which re-polishes that control every time.
    static void applyToApplication();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

private:
    ClassicStyle() = default;
};

}  // namespace trivelon::gui
