#include "gui/main_window.h"

#include <filesystem>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QShowEvent>

#include "gui/forge/forge_result_window.h"
#include "gui/forge/forge_tab.h"
#include "gui/pictures/built_in_icon.h"
#include "gui/refine/refine_tab.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/classic_style.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/help_window.h"
#include "gui/widgets/screen_fit.h"
#include "language/language.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"
#include "rules_file/rules_file.h"

namespace trivelon::gui {
namespace {

// The client area of the window's design.
constexpr QSize kClientSize(688, 446);

// The rules file in force; none or empty for the built-in rules.
const QString kRulesFileKey = QStringLiteral("rules/file");

}  // namespace

MainWindow::MainWindow(ErrorReporter& reporter, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), reporter_(reporter), settings_(settings) {
    // Before any control exists, so that none of them is polished twice.
    ClassicStyle::applyToApplication();
    InstallAccessibleRoles();
    setWindowTitle(title());
    setWindowIcon(BuiltInIcon(QStringLiteral(":/pictures/icon.ico")));
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    // It passes the focus on to its tab bar, but a screen reader lists it.
    tabs_->setAccessibleName(tr("Вкладки"));
    // The tabs follow the window's size; on a screen too small for the
    // window's design size they scroll instead of being cut off.
    tabs_->setMinimumSize(kClientSize);
    MakeContentScrollArea(*this, tabs_, true);
    const SavedTexts saved = settings_.read(book_);
    forgeTab_ = new ForgeTab(*tabs_, reporter, book_);
    refineTab_ = new RefineTab(*tabs_, reporter, book_);
    tabs_->setCurrentIndex(0);
    resize(kClientSize);

    refineTab_->setWeaponryResearch(forgeTab_->weaponryResearch());
    connect(forgeTab_, &ForgeTab::weaponryResearchChanged, refineTab_, &RefineTab::setWeaponryResearch);
    connect(forgeTab_, &ForgeTab::characterPictureChanged, this,
            [this] { refineTab_->showCharacterPicture(forgeTab_->characterPicture()); });
    connect(forgeTab_, &ForgeTab::resultWindowOpened, this, &MainWindow::resultWindowOpened);
    connect(forgeTab_, &ForgeTab::resultWindowOpened, this, [this](ForgeResultWindow* window) {
        connect(window, &QObject::destroyed, this, [this] { settings_.save({}, book_); });
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (tabs_->widget(index) == refineTab_) refineTab_->buildOnce(forgeTab_->characterPicture());
    });
    // After the connections, so that the refining tab follows the restored
    // character as it follows a typed one.
    forgeTab_->restore(saved);
    refineTab_->restore(saved);

    // A server's rules: from the window's menu or by keys. The built-in
    // rules read no file.
    auto* load = new QAction(tr("Загрузить правила сервера…"), this);
    load->setShortcut(QKeySequence::Open);
    connect(load, &QAction::triggered, this, &MainWindow::chooseRulesFile);
    auto* builtIn = new QAction(tr("Встроенные правила"), this);
    connect(builtIn, &QAction::triggered, this, [this] { useRulesFile({}); });
    auto* help = new QAction(tr("Справка"), this);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] { HelpWindow::Open(*this); });
    addActions({load, builtIn, help});
    addLanguageChoice();
    setContextMenuPolicy(Qt::ActionsContextMenu);
    if (const QString path = saved.value(kRulesFileKey); !path.isEmpty()) useRulesFile(path);
}

void MainWindow::chooseRulesFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Правила сервера"), rulesPath_, tr("Правила (*.toml);;Все файлы (*)"));
    if (!path.isEmpty()) useRulesFile(path);
}

bool MainWindow::useRulesFile(const QString& path) {
    std::unique_ptr<const Rules> rules;
    if (!path.isEmpty()) {
        const QByteArray utf8 = path.toUtf8();
        Result<Rules> read = LoadRulesFile(std::filesystem::path(
            std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), static_cast<std::size_t>(utf8.size()))));
        if (!read) {
            reporter_.error(Sentence(read.error()));
            return false;
        }
        rules = std::make_unique<const Rules>(std::move(read.value()));
    }
    const Rules& inForce = rules ? *rules : BuiltInRules();
    forgeTab_->setRules(inForce);
    refineTab_->setRules(inForce.refine);
    fileRules_ = std::move(rules);
    rulesPath_ = path;
    showRulesInTitle();
    return true;
}

void MainWindow::showRulesInTitle() {
    if (!fileRules_) {
        setWindowTitle(title());
        return;
    }
    const QString name = fileRules_->name.empty() ? QFileInfo(rulesPath_).fileName() : QtText(fileRules_->name);
    setWindowTitle(tr("%1 — правила: %2").arg(title(), name));
}

QString MainWindow::title() { return tr("Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006"); }

// The languages, each named in itself, in the window's menu. The choice is
// kept at once and applies from the next start, since the windows are made
// in their language.
void MainWindow::addLanguageChoice() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    auto* group = new QActionGroup(this);
    for (const auto& choice : {std::pair{Language::Russian, QStringLiteral("Русский")},
                               std::pair{Language::English, QStringLiteral("English")}}) {
        const Language language = choice.first;
        auto* action = new QAction(choice.second, group);
        action->setCheckable(true);
        action->setChecked(language == LanguageInUse());
        connect(action, &QAction::triggered, this, [this, language] {
            settings_.save({{kLanguageKey, LanguageCode(language)}}, book_);
            if (language == LanguageInUse()) return;
            // Said in both languages, and without stopping anything the
            // player does.
            auto* note = new QMessageBox(QMessageBox::Information, QCoreApplication::applicationName(),
                                         QStringLiteral("Язык окон сменится при следующем запуске.\n"
                                                        "The windows change their language at the next start."),
                                         QMessageBox::Ok, this);
            note->setObjectName(QStringLiteral("languageNote"));
            note->setAttribute(Qt::WA_DeleteOnClose);
            note->setModal(false);
            note->show();
        });
        addAction(action);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    refineTab_->keepTypedPrices();
    SavedTexts texts = forgeTab_->savedTexts();
    texts.insert(refineTab_->savedTexts());
    texts.insert(kRulesFileKey, rulesPath_);
    settings_.save(texts, book_);
    QWidget::closeEvent(event);
}

// Centred on the available area of its screen when first shown, and no
// larger than that area.
void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    // The field that has the keyboard at start holds its text selected, as
    // after Tab, so that what is typed replaces it.
    if (auto* box = qobject_cast<QComboBox*>(focusWidget()); box && box->lineEdit()) box->lineEdit()->selectAll();
    const QRect area = AvailableArea(*this);
    if (area.isEmpty()) return;
    resize(size().boundedTo(ClientRoom(*this)));
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(PlacedInside(frame, area).topLeft());
}

}  // namespace trivelon::gui
