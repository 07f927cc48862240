#pragma once
// Fills a picture folder with a copy of the repository's images/ folder,
// breaks single files in the ways a user's disk can (missing, empty, cut
// short, not a bitmap, absurd header, a folder in its place) and puts the
// originals back, so that every picture error path runs.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "main_window_harness.h"
#include "monkey_random.h"

namespace trivelon::gui::testing {

class PictureDamage {
public:
    PictureDamage(const PictureFolder& folder, const QString& sourceImages);
    ~PictureDamage();

    // Breaks one intact file; returns what was done, e.g.
    // "images/iron.bmp: removed".
    QString damageOne(MonkeyRandom& random);
    // Puts one broken file back; returns its path.
    QString restoreOne(MonkeyRandom& random);
    qsizetype damagedCount() const { return damaged_.size(); }
    qsizetype fileCount() const { return originals_.size(); }

private:
    // Breaks the file in one of the ways above; returns which.
    QString damage(const QString& path, MonkeyRandom& random) const;
    void restore(const QString& path);

    const PictureFolder& folder_;
    QMap<QString, QByteArray> originals_;  // relative path -> repository bytes
    QStringList damaged_;
};

}  // namespace trivelon::gui::testing
