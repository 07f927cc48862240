#pragma once
// What the parts of the refining tab share: the level lists, what the two
// averages count, and the keys of the inputs in the settings.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "core/refine_plan.h"
#include "gui/widgets/control_factory.h"

namespace trivelon::gui {

inline QStringList LevelItems(const RefineRules& rules, LevelKind kind) {
    const RefineLevels levels = LevelsOf(rules, kind);
    return NumberItems(levels.lowest, levels.highest, "+");
}

// What the two averages count, in the player's language: every step of every
// attempt, or what one success really takes when an attempt stops where the
// item broke.
inline QString EveryStepToolTip() {
    return QCoreApplication::translate(
        "RefineTab",
        "Считает каждый шаг каждой попытки, как если бы попытка не останавливалась, когда вещь "
        "сломалась. Сколько на самом деле уходит на один успех, говорит «в среднем»");
}
inline QString StepsMadeToolTip() {
    return QCoreApplication::translate(
        "RefineTab",
        "Сколько в среднем уходит на один успех, если попытка останавливается на шаге, где вещь сломалась: "
        "материалы и сборы только за сделанные шаги. Откладывать — по этой сумме или по «Хватит с вероятностью»");
}

// The keys of the inputs in the settings.
inline const QString kClassKey = QStringLiteral("refine/class");
inline const QString kCurrentLevelKey = QStringLiteral("refine/from");
inline const QString kTargetLevelKey = QStringLiteral("refine/to");
inline const QString kMaterialPriceKey = QStringLiteral("refine/material-price");

}  // namespace trivelon::gui
