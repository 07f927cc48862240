// What must hold after every action of the monkey, and the summary of a run.
#include <QApplication>
#include <QRegularExpression>

#include "monkey.h"
#include "window_parts.h"

namespace trivelon::gui::testing {

namespace {

// In the order of MonkeyAction.
const char* const kActionNames[kMonkeyActionKinds] = {
    "type a text",
    "set rubbish inputs right",
    "paste a text",
    "edit key",
    "pick a list row",
    "click a star crumb",
    "press the forge button by mouse",
    "press the forge button by keyboard",
    "switch tabs",
    "type a price",
    "close a result window",
    "damage a picture",
    "restore a picture",
};

bool IsInteger(const QString& text, bool negativeAllowed, bool sixtyFourBits = false) {
    static const QRegularExpression integer(QStringLiteral("^-?(0|[1-9][0-9]*)$"));
    if (!integer.match(text).hasMatch() || (!negativeAllowed && text.startsWith(u'-'))) return false;
    bool fits = false;
    if (sixtyFourBits)
        text.toLongLong(&fits);
    else
        text.toInt(&fits);
    return fits;
}

// The message with the texts it quotes (user input, paths) put as %s, so
// that messages of one kind count together.
QString Template(QString message) {
    static const QRegularExpression singleQuoted(QStringLiteral("'.*'"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression doubleQuoted(QStringLiteral("\".*\""),
                                                 QRegularExpression::DotMatchesEverythingOption);
    return message.replace(singleQuoted, QStringLiteral("'%s'")).replace(doubleQuoted, QStringLiteral("\"%s\""));
}

// The first design text that a filled result window still shows.
QString PlaceholderShown(const ForgeResultWindow& w) {
    const std::pair<const QLabel*, const char*> placeholders[] = {
        {Part(w, "title"), "Weapon Name"},
        {w.row(RecipeRowKind::Tool).name, "hammer_name"},
        {w.row(RecipeRowKind::Material1).name, "it1_name"},
        {w.row(RecipeRowKind::Material2).name, "it2_name"},
        {w.row(RecipeRowKind::Material3).name, "it3_name"},
        {w.row(RecipeRowKind::ElementStone).name, "ele_name"},
        {w.row(RecipeRowKind::StarCrumbs).name, "crumb_name"},
        {w.row(RecipeRowKind::Tool).fixedPrice, "hammer_price"}};
    for (const auto& [label, text] : placeholders)
        if (label->text() == QLatin1String(text)) return QString::fromLatin1(text);
    return {};
}

}  // namespace

QString Monkey::brokenRule() {
    if (QString broken = brokenMessageRule(); !broken.isEmpty()) return broken;
    if (QString broken = brokenMainWindowRule(); !broken.isEmpty()) return broken;
    return brokenWindowRule();
}

QString Monkey::brokenMessageRule() {
    RecordingReporter& reporter = fixture_.reporter;
    QString broken;
    for (const QString& error : std::as_const(reporter.errors)) {
        if (error.isEmpty()) broken = QStringLiteral("an empty error message");
        ++messageCounts_[QStringLiteral("error: ") + Template(error)];
    }
    for (const QString& warning : std::as_const(reporter.warnings)) {
        const qsizetype bar = warning.indexOf(u'|');
        if (bar <= 0 || bar == warning.size() - 1) broken = QStringLiteral("a warning without caption or text");
        ++messageCounts_[QStringLiteral("warning: ") + warning];
    }
    reporter.errors.clear();
    reporter.warnings.clear();
    return broken;
}

QString Monkey::brokenMainWindowRule() const {
    static const QStringList prefixes = {"", "1", "12", "123"};
    if (!prefixes.contains(Ticked(window_)))
        return QStringLiteral("star crumb boxes %1 ticked, not a prefix").arg(Ticked(window_));
    // The refining tab's labels exist once that tab has been opened.
    // A refine that cannot be worked out shows a dash in every figure.
    if (controls().averageCost() && controls().averageCost()->text() != QStringLiteral("—")) {
        for (const QLabel* count : {controls().materialCount(), controls().itemCount()})
            if (!IsInteger(count->text(), false))
                return QStringLiteral("a refine count shows \"%1\"").arg(count->text());
        const QString cost = controls().averageCost()->text();
        if (!IsInteger(cost, true, true) && cost != QStringLiteral("слишком много"))
            return QStringLiteral("the refine cost shows \"%1\"").arg(controls().averageCost()->text());
    }
    if (QApplication::activePopupWidget()) return QStringLiteral("a drop-down list stayed open");
    return {};
}

QString Monkey::brokenWindowRule() const {
    const qsizetype expected = opened_ - closed_;
    if (ResultWindows().size() != expected)
        return QStringLiteral("%1 result windows alive, %2 opened and %3 closed")
            .arg(ResultWindows().size())
            .arg(opened_)
            .arg(closed_);
    for (const QPointer<ForgeResultWindow>& window : windows_) {
        if (!window) return QStringLiteral("a result window vanished without being closed");
        const QLabel& costLabel = *Part(*window, "averageCost");
        const QString cost = costLabel.text();
        if (cost.isEmpty()) continue;
        // A cost too wide for its place is shortened, every digit in its tool tip.
        const QString whole = costLabel.toolTip().isEmpty() ? cost : costLabel.toolTip();
        if (!IsInteger(whole, true, true) && cost != QStringLiteral("слишком много"))
            return QStringLiteral("%1 shows the cost \"%2\"").arg(window->objectName(), cost);
        if (const QString placeholder = PlaceholderShown(*window); !placeholder.isEmpty())
            return QStringLiteral("%1 \"%2\" shows the cost %3 beside the design text \"%4\"")
                .arg(window->objectName(), window->windowTitle(), cost, placeholder);
    }
    return {};
}

QString Monkey::recentActions() const { return QStringLiteral("last actions:\n") + recent_.join(u'\n'); }

QString Monkey::summary() const {
    QString text = QStringLiteral("actions by kind:\n");
    for (int kind = 0; kind < kMonkeyActionKinds; ++kind)
        text += QStringLiteral("%1  %2\n").arg(actionCounts_[kind], 7).arg(QString::fromLatin1(kActionNames[kind]));
    text += QStringLiteral("result windows: %1 opened, %2 of them with a cost, %3 closed, %4 open at the end\n")
                .arg(opened_)
                .arg(filled_)
                .arg(closed_)
                .arg(windows_.size());
    int total = 0;
    for (int count : messageCounts_) total += count;
    text += QStringLiteral("messages: %1 in all, %2 kinds\n").arg(total).arg(messageCounts_.size());
    for (auto message = messageCounts_.cbegin(); message != messageCounts_.cend(); ++message)
        text += QStringLiteral("%1  %2\n").arg(message.value(), 7).arg(message.key());
    return text;
}

}  // namespace trivelon::gui::testing
