#pragma once
// Small builders for the controls of the main window, so that its layout
// reads as data: place, font, colours and texts.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include "gui/widgets/edit_combo.h"

namespace trivelon::gui {

// A font chosen by family name with a character height in pixels; a close
// installed family stands in where the named one is missing.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// A caption over the wallpaper: transparent background, sized to its text;
// with a control, the caption of that control (see CaptionOf).
QLabel* AddCaption(QWidget* parent, const QString& text, QPoint topLeft, const QFont& font, QWidget* control = nullptr);

// The caption is the control's buddy and names it for a screen reader.
void CaptionOf(QLabel& caption, QWidget& control);

// The backgrounds of the box labels: yellow rows carry the main results,
// cream rows the details and the forging tab's ground, white the recipe cells.
inline const QColor kYellow{255, 255, 0};
inline const QColor kCream{255, 251, 240};
inline const QColor kWhite{255, 255, 255};

// A fixed-size label with an opaque background.
struct BoxLabelLook {
    QColor background;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
};
QLabel* AddBoxLabel(QWidget* parent, const QString& text, const QRect& place, const BoxLabelLook& look);

// "first" .. "last" as texts, each with the prefix in front ("+0" .. "+9").
QStringList NumberItems(int first, int last, const QString& prefix = {});

// The drop-down list of an editable combo box with rows of a fixed height.
void SetListRowHeight(QComboBox& combo, int rowHeight);

// The drop-down list keeps this width even when its texts are wider.
void SetListWidth(QComboBox& combo, int width);

// How an editable combo box starts: its text, and whether the list item with
// that text is current or no item is.
enum class StartItem { Matching, None };
EditCombo* AddEditCombo(QWidget* parent, const QRect& place, const QStringList& items, const QString& text,
                        StartItem start);

}  // namespace trivelon::gui
