#pragma once
// The texts of the main window's inputs as the settings keep them, by key
// ("forge/dex", "refine/class").
#include <QMap>
#include <QString>

namespace trivelon {

using SavedTexts = QMap<QString, QString>;

}  // namespace trivelon
