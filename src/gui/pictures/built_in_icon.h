#pragma once
// Icons of pictures compiled into the program, decoded when first drawn.
#include <QIcon>
#include <QString>

namespace trivelon::gui {

// An icon of the picture at ":/pictures/...". Nothing is decoded until the
// icon is first drawn or measured, so a list of many rows costs only the
// pictures that are shown. Until then the icon counts as not null.
QIcon BuiltInIcon(const QString& resource);

}  // namespace trivelon::gui
