#include "gui/pictures/built_in_icon.h"

#include <QIconEngine>
#include <QPixmap>

#include "gui/widgets/known_format_image.h"

namespace trivelon::gui {
namespace {

// Hands every request to a plain picture icon made on first use, so the
// icon draws exactly as one made from the decoded picture would.
class DeferredPictureEngine : public QIconEngine {
public:
    explicit DeferredPictureEngine(QString resource) : resource_(std::move(resource)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return decoded().pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return decoded().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return decoded().availableSizes(mode, state);
    }

    // Asking a combo box to hold the icon checks this; answering would
    // decode every row's picture as the list is filled.
    bool isNull() override { return decoded_ && icon_.isNull(); }

    QIconEngine* clone() const override { return new DeferredPictureEngine(*this); }
    QString key() const override { return QStringLiteral("trivelon.deferred-picture"); }

private:
    const QIcon& decoded() {
        if (!decoded_) {
            const QImage picture = BuiltInPicture(resource_);
            if (!picture.isNull()) icon_ = QIcon(QPixmap::fromImage(picture));
            decoded_ = true;
        }
        return icon_;
    }

    QString resource_;
    QIcon icon_;
    bool decoded_ = false;
};

}  // namespace

QIcon BuiltInIcon(const QString& resource) { return QIcon(new DeferredPictureEngine(resource)); }

}  // namespace trivelon::gui
