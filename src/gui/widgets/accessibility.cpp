#include "gui/widgets/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPen>

namespace trivelon::gui {

namespace {

constexpr const char* kFigureCaption = "trivelonFigureCaption";
constexpr const char* kFigureUnit = "trivelonFigureUnit";

class FigureAccessible : public QAccessibleWidget {
public:
    explicit FigureAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const auto* label = static_cast<const QLabel*>(widget());
        const QString figure = label->text().simplified();
        if (figure.isEmpty()) return {};
        const QString unit = label->property(kFigureUnit).toString();
        return label->property(kFigureCaption).toString() + QStringLiteral(": ") + figure +
               (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
    }
};

// The program's lists are named by their captions everywhere: Qt's own
// combo box interface on Linux answers its text for the name and leaves the
// caption to the label relation, which a list with no caption beside it
// (the element, the current level) has not.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return list().currentText();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list().view()->isVisible();
        state.editable = list().isEditable();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            list().showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox& list() const { return *static_cast<QComboBox*>(widget()); }
};

// Only the program's own classes are answered for, and only for the object's
// own class: Qt's widgets keep their interfaces.
QAccessibleInterface* ProgramAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->property(kFigureCaption).isValid())
        return new FigureAccessible(label);
    if (!className.startsWith(QLatin1String("trivelon::"))) return nullptr;
    if (auto* list = qobject_cast<QComboBox*>(widget)) return new ListAccessible(list);
    if (!widget->isWindow()) return nullptr;
    return new QAccessibleWidget(widget,
                                 widget->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

}  // namespace

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(ProgramAccessible);
        return true;
    }();
    (void)installed;
}

void NameFigure(QLabel& figure, const QString& caption, const QString& unit) {
    figure.setProperty(kFigureCaption, SpokenCaption(caption));
    figure.setProperty(kFigureUnit, unit.trimmed());
    // With a screen reader on, the label's interface was made as soon as it
    // got its first text: it is made again, now as a figure's.
    if (QAccessible::isActive())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&figure)));
}

QString SpokenCaption(const QString& caption) {
    QString spoken = caption.trimmed();
    if (spoken.endsWith(u':')) spoken.chop(1);
    return spoken;
}

QString FieldProblem(const QWidget& field, const QString& problem) {
    if (problem.isEmpty() || field.accessibleName().isEmpty()) return problem;
    return field.accessibleName() + QStringLiteral(": ") + problem;
}

// An outline only: a style's focus frame may tint the whole place, and a
// chart or a table under a tint reads worse.
void DrawFocusFrame(const QWidget& control, QPainter& painter, const QRect& place) {
    if (!control.hasFocus()) return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(control.palette().color(QPalette::Highlight), 2, Qt::DotLine));
    painter.drawRect(QRectF(place).adjusted(1, 1, -1, -1));
    painter.restore();
}

}  // namespace trivelon::gui
