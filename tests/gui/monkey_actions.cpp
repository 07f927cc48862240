// What the monkey does: each action picks its target among the controls the
// windows offer at that moment, acts through real key presses and mouse
// clicks, and describes itself for the log.
#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QTabBar>
#include <QTest>

#include "monkey.h"
#include "typing.h"
#include "window_parts.h"

namespace trivelon::gui::testing {

using trivelon::RecipeRowKind;

namespace {

// The editable boxes of the forging tab, in the order they were made.
QList<EditCombo*> ForgeCombos(const MainWindow& window) {
    return MainWindowControls(window).tabs()->widget(0)->findChildren<EditCombo*>(Qt::FindDirectChildrenOnly);
}

struct EditKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const EditKey kEditKeys[] = {
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier},
    {"Delete", Qt::Key_Delete, Qt::NoModifier},
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier},
    {"Home", Qt::Key_Home, Qt::NoModifier},
    {"End", Qt::Key_End, Qt::NoModifier},
    {"Left", Qt::Key_Left, Qt::NoModifier},
    {"Shift+Left", Qt::Key_Left, Qt::ShiftModifier},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
};

// A text short enough for the log.
QString Shown(const QString& text) {
    constexpr qsizetype kShownLength = 40;
    if (text.size() <= kShownLength) return u'"' + text + u'"';
    return QStringLiteral("\"%1...\" (%2 characters)").arg(text.left(kShownLength)).arg(text.size());
}

// The price edits of a result window that the user can reach: those of the
// rows the request did not hide.
QList<MonkeyField> PriceFields(const ForgeResultWindow& window) {
    const std::pair<const char*, QLineEdit*> edits[] = {
        {"it1_price", window.row(RecipeRowKind::Material1).priceEdit},
        {"it2_price", window.row(RecipeRowKind::Material2).priceEdit},
        {"it3_price", window.row(RecipeRowKind::Material3).priceEdit},
        {"ele_price", window.row(RecipeRowKind::ElementStone).priceEdit},
        {"crumb_price", window.row(RecipeRowKind::StarCrumbs).priceEdit}};
    QList<MonkeyField> fields;
    for (const auto& [name, edit] : edits)
        if (edit->isVisible())
            fields.append({QStringLiteral("%1 of %2").arg(QString::fromLatin1(name), window.objectName()), edit});
    return fields;
}

}  // namespace

Monkey::Monkey(MainWindowFixture& fixture, PictureDamage& pictures, std::uint64_t seed)
    : fixture_(fixture), window_(*fixture.window), pictures_(pictures), random_(seed) {}

void Monkey::act() {
    const MonkeyAction action = chooseAction();
    ++actionCounts_[static_cast<int>(action)];
    ++actionNumber_;
    const QString what = perform(action);
    QCoreApplication::processEvents();
    recent_ << QStringLiteral("#%1 %2").arg(actionNumber_).arg(what);
    constexpr qsizetype kRecentKept = 30;
    if (recent_.size() > kRecentKept) recent_.removeFirst();
}

// Weights out of which one action is drawn. Actions on the forging tab's
// button and boxes need that tab; a window action needs a window. The more
// windows are open, the likelier one is closed, so that they do not pile up.
MonkeyAction Monkey::chooseAction() {
    std::array<int, kMonkeyActionKinds> weights{};
    auto weight = [&weights](MonkeyAction action) -> int& { return weights[static_cast<int>(action)]; };
    const bool forge = onForgeTab();
    const int windows = static_cast<int>(windows_.size());
    weight(MonkeyAction::Type) = 28;
    weight(MonkeyAction::FixInputs) = forge ? 3 : 0;
    weight(MonkeyAction::Paste) = 2;
    weight(MonkeyAction::EditKey) = 10;
    weight(MonkeyAction::PickRow) = 16;
    weight(MonkeyAction::SwitchTab) = forge ? 3 : 6;
    if (forge) {
        weight(MonkeyAction::ClickStarCrumb) = 8;
        weight(MonkeyAction::SubmitByMouse) = 4;
        weight(MonkeyAction::SubmitByKey) = 3;
    }
    if (windows > 0) {
        weight(MonkeyAction::TypePrice) = 12;
        weight(MonkeyAction::CloseWindow) = std::min(windows, 12);
    }
    constexpr qsizetype kMostDamaged = 3;
    if (pictures_.damagedCount() < kMostDamaged) weight(MonkeyAction::DamagePicture) = 2;
    if (pictures_.damagedCount() > 0) weight(MonkeyAction::RestorePicture) = 3;

    int drawn = 0;
    for (int w : weights) drawn += w;
    drawn = random_.below(drawn);
    for (int kind = 0; kind < kMonkeyActionKinds; ++kind) {
        if (drawn < weights[kind]) return static_cast<MonkeyAction>(kind);
        drawn -= weights[kind];
    }
    return MonkeyAction::Type;
}

QString Monkey::perform(MonkeyAction action) {
    switch (action) {
        case MonkeyAction::Type: return typeIntoMainWindow();
        case MonkeyAction::FixInputs: return fixInputs();
        case MonkeyAction::Paste: return paste();
        case MonkeyAction::EditKey: return pressEditKey();
        case MonkeyAction::PickRow: return pickRow();
        case MonkeyAction::ClickStarCrumb: return clickStarCrumb();
        case MonkeyAction::SubmitByMouse: return submit(false);
        case MonkeyAction::SubmitByKey: return submit(true);
        case MonkeyAction::SwitchTab: return switchTab();
        case MonkeyAction::TypePrice: return typePrice();
        case MonkeyAction::CloseWindow: return closeWindow();
        case MonkeyAction::DamagePicture: return QStringLiteral("damage ") + pictures_.damageOne(random_);
        case MonkeyAction::RestorePicture: return QStringLiteral("restore ") + pictures_.restoreOne(random_);
    }
    return {};
}

// A list field gets one of its own list texts typed now and then, so that
// the inputs are often valid and forge requests get through.
QString Monkey::typeIntoMainWindow() {
    const MonkeyField field = random_.pick(mainFields());
    if (field.list && random_.percent(40))
        return typeInto(field, field.list->itemText(random_.below(field.list->count())));
    return typeInto(field, random_.text());
}

// Mostly replaces the whole text, as the harness does; sometimes types on
// at the end of what is there.
QString Monkey::typeInto(const MonkeyField& field, const QString& text) {
    const bool replace = random_.percent(70);
    if (replace) {
        TypeInto(*field.control, QString());
    } else {
        ClickInto(*field.control);
        PressKey(Qt::Key_End);
    }
    TypeText(text);
    return QStringLiteral("%1 %2 %3").arg(replace ? "type into" : "type on in", field.name, Shown(text));
}

// A user who typed rubbish sets it right before trying again: every forging
// input whose text is none of its list rows gets a row picked.
QString Monkey::fixInputs() {
    QStringList fixed;
    for (EditCombo* combo : ForgeCombos(window_)) {
        if (combo->findText(combo->currentText(), Qt::MatchExactly) >= 0) continue;
        PickRow(*combo, combo->itemText(random_.below(combo->count())));
        fixed << combo->objectName();
    }
    return QStringLiteral("pick a row in every input that holds none: ") + fixed.join(u' ');
}

QString Monkey::paste() {
    const QString text = random_.percent(50) ? random_.longText() : random_.text();
    QGuiApplication::clipboard()->setText(text);
    const MonkeyField field = random_.pick(mainFields() + priceFields());
    ClickInto(*field.control);
    if (random_.percent(50)) PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_V, Qt::ControlModifier);
    return QStringLiteral("paste into %1 %2").arg(field.name, Shown(text));
}

QString Monkey::pressEditKey() {
    const MonkeyField field = random_.pick(mainFields() + priceFields());
    const EditKey& key = kEditKeys[random_.below(static_cast<int>(std::size(kEditKeys)))];
    ClickInto(*field.control);
    PressKey(key.key, key.modifiers);
    return QStringLiteral("press %1 in %2").arg(QString::fromLatin1(key.name), field.name);
}

// On the forging tab the item selector gets a good share, so that many
// requests are for items rather than category headers.
QString Monkey::pickRow() {
    QComboBox* target = nullptr;
    if (!onForgeTab()) {
        QComboBox* const refineCombos[] = {controls().classSelector(), controls().currentLevel(),
                                           controls().targetLevel()};
        target = refineCombos[random_.below(static_cast<int>(std::size(refineCombos)))];
    } else if (random_.percent(40)) {
        target = controls().itemSelector();
    } else {
        target = random_.pick(ForgeCombos(window_));
    }
    const QString row = target->itemText(random_.below(target->count()));
    PickRow(*target, row);
    return QStringLiteral("pick %1 in %2").arg(Shown(row), target->objectName());
}

QString Monkey::clickStarCrumb() {
    const int box = random_.below(static_cast<int>(controls().starCrumbs().size()));
    Click(*controls().starCrumbs()[static_cast<std::size_t>(box)]);
    return QStringLiteral("click starCrumb%1").arg(box + 1);
}

QString Monkey::submit(bool byKeyboard) {
    ForgeResultWindow* opened = nullptr;
    if (byKeyboard) {
        const QMetaObject::Connection watch = QObject::connect(
            &window_, &MainWindow::resultWindowOpened, [&opened](ForgeResultWindow* newest) { opened = newest; });
        // Tab from the job level reaches the button, as the keyboard order says.
        ClickInto(*controls().jobLevel());
        PressKey(Qt::Key_Tab);
        PressKey(Qt::Key_Space);
        QObject::disconnect(watch);
    } else {
        opened = PressSubmit(window_);
    }
    const QString how =
        byKeyboard ? QStringLiteral("press Space on the forge button") : QStringLiteral("click the forge button");
    if (!opened) return how + QStringLiteral(": no window");
    ++opened_;
    opened->setObjectName(QStringLiteral("result window %1").arg(opened_));
    windows_ << opened;
    const bool filled = !Part(*opened, "averageCost")->text().isEmpty();
    if (filled) ++filled_;
    return QStringLiteral("%1: opened %2 \"%3\"%4")
        .arg(how, opened->objectName(), opened->windowTitle(), filled ? QString() : QStringLiteral(" (no cost)"));
}

QString Monkey::switchTab() {
    QTabWidget& tabs = *controls().tabs();
    if (random_.percent(50)) {
        QTabBar* bar = tabs.tabBar();
        ClickAt(*bar, bar->tabRect(1 - tabs.currentIndex()).center());
        return QStringLiteral("click tab %1").arg(tabs.tabText(tabs.currentIndex()));
    }
    QApplication::setActiveWindow(&window_);  // back to the main window, as by its title bar
    PressKey(Qt::Key_Tab, Qt::ControlModifier);
    return QStringLiteral("Ctrl+Tab to %1").arg(tabs.tabText(tabs.currentIndex()));
}

QString Monkey::typePrice() { return typeInto(random_.pick(PriceFields(*someWindow())), random_.text()); }

QString Monkey::closeWindow() {
    ForgeResultWindow* window = someWindow();
    const QString name = window->objectName();
    windows_.removeOne(window);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ++closed_;
    return QStringLiteral("close ") + name;
}

bool Monkey::onForgeTab() const { return controls().tabs()->currentIndex() == 0; }

QList<MonkeyField> Monkey::mainFields() const {
    QList<MonkeyField> fields;
    if (onForgeTab()) {
        for (EditCombo* combo : ForgeCombos(window_)) fields.append({combo->objectName(), combo, combo});
        return fields;
    }
    for (EditCombo* level : {controls().currentLevel(), controls().targetLevel()})
        fields.append({level->objectName(), level, level});
    for (QLineEdit* price : {controls().materialPrice(), controls().itemPrice()})
        fields.append({price->objectName(), price});
    return fields;
}

QList<MonkeyField> Monkey::priceFields() const {
    QList<MonkeyField> fields;
    for (const QPointer<ForgeResultWindow>& window : windows_)
        if (window) fields += PriceFields(*window);
    return fields;
}

// The newest window half of the time, else any open one.
ForgeResultWindow* Monkey::someWindow() {
    return random_.percent(50) ? windows_.last().data() : random_.pick(windows_).data();
}

}  // namespace trivelon::gui::testing
