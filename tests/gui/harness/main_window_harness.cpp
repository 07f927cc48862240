#include "main_window_harness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>

#include "catalogue/forge_catalogue.h"
#include "core/forge_request.h"
#include "core/refine.h"
#include "gui/budget/budget_chart_window.h"
#include "gui/refine/refine_comparison_window.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui::testing {
namespace {

QStringList EveryPicturePath() {
    QStringList paths{QtText(kEmptyPicture), QtText(kStarCrumbPicture)};
    for (const char* level : {"0", "41", "66", "81", "91"}) paths << QStringLiteral("images/bs%1.bmp").arg(level);
    for (const ForgeRecipe& entry : ForgeCatalogue::Entries()) {
        paths << QtText(entry.bigPicture) << QtText(entry.tool().picture);
        for (const MaterialSlot& slot : entry.materials)
            if (slot.used()) paths << QtText(slot.picture);
    }
    for (const char* element : {"Fire", "Earth", "Wind", "Ice"}) paths << QtText(FindElementStone(element)->picture);
    for (const RefineClassRule& cls : BuiltInRules().refine.classes)
        paths << QStringLiteral("images/%1.bmp").arg(QtText(PictureKey(cls.material)));
    paths.removeDuplicates();
    return paths;
}

QByteArray SmallBitmap() {
    QImage picture(24, 24, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

}  // namespace

PictureFolder::PictureFolder() : previous_(QDir::currentPath()) {
    QDir(dir_.path()).mkpath(QStringLiteral("images/big"));
    const QByteArray bitmap = SmallBitmap();
    for (const QString& path : EveryPicturePath()) write(path, bitmap);
    QDir::setCurrent(dir_.path());
}

PictureFolder::~PictureFolder() { QDir::setCurrent(previous_); }

void PictureFolder::write(const QString& relativePath, const QByteArray& bytes) const {
    QFile file(absolute(relativePath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test picture %s", qPrintable(relativePath));
}

void PictureFolder::remove(const QString& relativePath) const { QFile::remove(absolute(relativePath)); }

QString PictureFolder::absolute(const QString& relativePath) const { return dir_.filePath(relativePath); }

MainWindowFixture::MainWindowFixture() : window(std::make_unique<MainWindow>(reporter, settings.store)) {
    window->show();
    QApplication::setActiveWindow(window.get());
}

MainWindowFixture::~MainWindowFixture() { CloseResultWindows(); }

void PickRow(QComboBox& combo, const QString& text) {
    const int row = combo.findText(text, Qt::MatchExactly);
    if (row < 0) qFatal("no row %s", qPrintable(text));
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    ClickAt(combo,
            combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo).center());
    QAbstractItemView* list = combo.view();
    if (!list->isVisible()) qFatal("the list for %s did not open", qPrintable(text));
    const QModelIndex index = list->model()->index(row, combo.modelColumn(), list->rootIndex());
    // Centred: a row scrolled only into view can end up half below the
    // bottom edge of a list that has just opened, and the click then misses.
    list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    ClickAt(*list->viewport(), list->visualRect(index).center());
}

void Click(PictureCheck& box) { ClickAt(box, QPoint(5, 8)); }

namespace {

void ClickTab(const MainWindowControls& window, int index) {
    QTabBar* bar = window.tabs()->tabBar();
    ClickAt(*bar, bar->tabRect(index).center());
    if (window.tabs()->currentIndex() != index) qFatal("tab %d did not open", index);
}

}  // namespace

void OpenRefineTab(const MainWindowControls& window) {
    ClickTab(window, 1);
    if (!window.classSelector()) qFatal("the refining tab was not built");
}

void OpenForgeTab(const MainWindowControls& window) { ClickTab(window, 0); }

QString Ticked(const MainWindowControls& window) {
    QString ticked;
    const auto boxes = window.starCrumbs();
    if (boxes[0]->isChecked()) ticked += u'1';
    if (boxes[1]->isChecked()) ticked += u'2';
    if (boxes[2]->isChecked()) ticked += u'3';
    return ticked;
}

ForgeResultWindow* PressSubmit(const MainWindowControls& window) {
    ForgeResultWindow* opened = nullptr;
    const QMetaObject::Connection watch = QObject::connect(&window.window(), &MainWindow::resultWindowOpened,
                                                           [&opened](ForgeResultWindow* newest) { opened = newest; });
    QPushButton* button = window.forgeButton();
    ClickAt(*button, button->rect().center());
    QObject::disconnect(watch);
    return opened;
}

QList<ForgeResultWindow*> ResultWindows() {
    QList<ForgeResultWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<ForgeResultWindow*>(widget)) windows << form;
    return windows;
}

void CloseResultWindows() {
    for (ForgeResultWindow* form : ResultWindows()) form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* OpenWindow(const MainWindowControls& w, const QString& name) {
    if (name == "forging tab") return w.tabs()->widget(0);
    OpenRefineTab(w);
    if (name == "refining tab") return w.tabs()->widget(1);
    if (name == "chart") {
        ClickAt(*w.refineChartButton(), w.refineChartButton()->rect().center());
        return w.window().findChild<BudgetChartWindow*>();
    }
    if (name == "comparison") {
        ClickAt(*w.refineCompareButton(), w.refineCompareButton()->rect().center());
        return w.window().findChild<RefineComparisonWindow*>();
    }
    OpenForgeTab(w);
    PickRow(*w.itemSelector(), "Knife");
    return PressSubmit(w);
}

}  // namespace trivelon::gui::testing
