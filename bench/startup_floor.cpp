// The cheapest start-up the toolkit allows for a window like the main window:
// an application whose only window is a tab widget with two empty tabs, of
// the main window's client size (688×446). Started with
// TRIVELON_QUIT_AFTER_START=1 it quits after its first paint, exactly as the
// program does, so that the two start-ups can be timed against each other.
#include <QApplication>
#include <QTabWidget>
#include <QWidget>

#include "start_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("Ковка"));
    tabs.addTab(new QWidget, QStringLiteral("Заточка (Beta)"));
    tabs.resize(688, 446);
    trivelon::app::QuitAfterFirstPaintIfRequested(tabs);
    tabs.show();
    return QApplication::exec();
}
