#include "picture_damage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace trivelon::gui::testing {

namespace {

// Files that most forge requests, base level changes or class picks load;
// half the damage goes to them so that it is met soon.
const QStringList kCommonlyLoaded = {
    "images/empty.bmp",        "images/starcrumb.bmp",      "images/bs0.bmp",         "images/bs41.bmp",
    "images/bs66.bmp",         "images/bs81.bmp",           "images/bs91.bmp",        "images/flameheart.bmp",
    "images/mysticfrozen.bmp", "images/roughwind.bmp",      "images/greatnature.bmp", "images/ironhammer.bmp",
    "images/goldenhammer.bmp", "images/orideconhammer.bmp", "images/minifurnace.bmp", "images/phracon.bmp",
    "images/oridecon.bmp",     "images/iron.bmp",           "images/steel.bmp"};

constexpr qsizetype kWidthOffset = 18;
constexpr qsizetype kHeightOffset = 22;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The original with a 32-bit header field set to a value; the bitmaps of the
// repository all have the 40-byte header, where width and height are 32 bits.
QByteArray WithField(QByteArray bytes, qsizetype offset, qint32 value) {
    if (bytes.size() >= offset + 4) qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray Noise(MonkeyRandom& random, int count) {
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& byte : bytes) byte = static_cast<char>(random.below(256));
    return bytes;
}

}  // namespace

PictureDamage::PictureDamage(const PictureFolder& folder, const QString& sourceImages) : folder_(folder) {
    const QDir source(sourceImages);
    QDirIterator files(sourceImages, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QStringLiteral("images/") + source.relativeFilePath(path);
        QDir().mkpath(QFileInfo(folder.absolute(relative)).path());
        originals_.insert(relative, ReadAll(path));
        folder.write(relative, originals_[relative]);
    }
    if (originals_.isEmpty()) qFatal("no pictures in %s", qPrintable(sourceImages));
}

PictureDamage::~PictureDamage() {
    while (!damaged_.isEmpty()) restore(damaged_.front());
}

QString PictureDamage::damage(const QString& path, MonkeyRandom& random) const {
    const QByteArray& original = originals_[path];
    switch (random.below(8)) {
        case 0: folder_.remove(path); return QStringLiteral("removed");
        case 1: folder_.write(path, QByteArray()); return QStringLiteral("emptied");
        case 2: {
            const int length = 1 + random.below(20);
            folder_.write(path, original.left(length));
            return QStringLiteral("cut to %1 bytes").arg(length);
        }
        case 3: folder_.write(path, "not a picture at all\n"); return QStringLiteral("text");
        case 4: folder_.write(path, "BM" + Noise(random, random.below(200))); return QStringLiteral("noise after BM");
        case 5: {
            const bool wide = random.percent(50);
            const qint32 side = random.percent(50) ? 100000 : 16000;
            folder_.write(path, WithField(original, wide ? kWidthOffset : kHeightOffset, wide ? side : -side));
            return QStringLiteral("header claims %1 %2").arg(wide ? "width" : "height").arg(side);
        }
        case 6: folder_.write(path, original.left(original.size() / 2)); return QStringLiteral("pixels cut off");
        default:
            folder_.remove(path);
            QDir().mkdir(folder_.absolute(path));
            return QStringLiteral("folder in its place");
    }
}

QString PictureDamage::damageOne(MonkeyRandom& random) {
    QStringList intact = originals_.keys();
    for (const QString& path : damaged_) intact.removeOne(path);
    QStringList common = kCommonlyLoaded;
    for (const QString& path : damaged_) common.removeOne(path);
    const QString path = random.percent(50) && !common.isEmpty() ? random.pick(common) : random.pick(intact);

    const QString what = damage(path, random);
    damaged_ << path;
    return path + QStringLiteral(": ") + what;
}

QString PictureDamage::restoreOne(MonkeyRandom& random) {
    const QString path = random.pick(damaged_);
    restore(path);
    return path;
}

void PictureDamage::restore(const QString& path) {
    QDir().rmdir(folder_.absolute(path));
    folder_.write(path, originals_[path]);
    damaged_.removeOne(path);
}

}  // namespace trivelon::gui::testing
