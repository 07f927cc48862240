#include "gui/widgets/help_window.h"

#include <QPointer>
#include <QShortcut>
#include <QVBoxLayout>

#include "language/language.h"

namespace trivelon::gui {
namespace {

// About eighty characters a line, and room for the guide's pictures.
constexpr QSize kGuideSize(760, 640);

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : SideWindow(parent), browser_(new QTextBrowser(content())) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Справка"));
    browser_->setObjectName(QStringLiteral("guide"));
    browser_->setAccessibleName(windowTitle());
    browser_->setOpenExternalLinks(true);
    auto* fill = new QVBoxLayout(content());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(browser_);
    // The pictures and the pages the guide links to are found beside it.
    const QString guide = LanguageInUse() == Language::English ? QStringLiteral("qrc:/guide/guide.en.md")
                                                               : QStringLiteral("qrc:/guide/guide.ru.md");
    browser_->setSource(QUrl(guide), QTextDocument::MarkdownResource);
    resize(kGuideSize);
}

HelpWindow& HelpWindow::Open(QWidget& from) {
    static QPointer<HelpWindow> open;
    if (!open) open = new HelpWindow(from.window());
    open->show();
    open->raise();
    open->activateWindow();
    return *open;
}

void InstallHelpKey(QWidget& window) {
    auto* key = new QShortcut(QKeySequence::HelpContents, &window);
    QObject::connect(key, &QShortcut::activated, &window, [&window] { HelpWindow::Open(window); });
}

}  // namespace trivelon::gui
