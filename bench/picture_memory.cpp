// Memory that loaded pictures hold: loads each bitmap file named on the
// command line into a transparent picture box of its own and keeps every box,
// as the character boxes and the result windows keep theirs, then prints each
// load's outcome. Peak memory comes from the process, e.g.
//   QT_QPA_PLATFORM=offscreen /usr/bin/time -v build-bench/bench/picture_memory FILE...
#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>

#include "gui/pictures/picture_loader.h"
#include "gui/widgets/picture_box.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::vector<std::unique_ptr<trivelon::gui::PictureBox>> boxes;
    for (int i = 1; i < argc; ++i) {
        auto box = std::make_unique<trivelon::gui::PictureBox>();
        box->setTransparent(true);
        QElapsedTimer timer;
        timer.start();
        const std::optional<QString> failure = trivelon::gui::LoadPicture(*box, QString::fromLocal8Bit(argv[i]));
        std::printf("%s: %s, %lld ms, picture %d x %d, %lld bytes\n", argv[i],
                    failure ? failure->toUtf8().constData() : "loaded", static_cast<long long>(timer.elapsed()),
                    box->picture().width(), box->picture().height(),
                    static_cast<long long>(box->picture().sizeInBytes()));
        boxes.push_back(std::move(box));
    }
    return 0;
}
