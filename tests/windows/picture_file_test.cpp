// The Windows side of the picture-file seam on a real Windows file system
// (Windows itself, or Wine): each case in a working directory of its own, as
// the program reads its pictures by paths relative to it.
#include <gtest/gtest.h>
#include <windows.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <string_view>

#include "gui/pictures/picture_file.h"

namespace {

constexpr std::string_view kHoldOption = "--hold-for-writing";

// The second process of the held-file case: opens the file for writing,
// sharing it with readers only, says "held" and keeps it open until its
// standard input closes.
int HoldForWriting(const char* path) {
    const HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseHandle(file);
    return 0;
}

class PictureFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
        ASSERT_TRUE(QDir().mkpath("images/big"));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static void Write(const QString& relativePath, const QByteArray& bytes) {
        QFile file(relativePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // The message names the full path inside the working directory with the
    // system's reason, without a full stop or line break of its own.
    static void ExpectCannotOpen(const QString& relativePath) {
        const trivelon::gui::PictureFile file(relativePath);
        ASSERT_TRUE(file.openFailure().has_value()) << relativePath.toStdString();
        const QString prefix = "Cannot open file \"" + QDir::currentPath() + '/' + relativePath + "\". ";
        const QString& message = *file.openFailure();
        EXPECT_TRUE(message.startsWith(prefix)) << message.toStdString();
        const QString reason = message.mid(prefix.size());
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_FALSE(reason.endsWith('.') || reason.endsWith(' ') || reason.contains('\n') || reason.contains('\r'))
            << message.toStdString();
    }

    static void ExpectReads(const QString& relativePath, const QByteArray& bytes) {
        trivelon::gui::PictureFile file(relativePath);
        ASSERT_FALSE(file.openFailure().has_value()) << file.openFailure()->toStdString();
        EXPECT_EQ(file.size(), bytes.size());
        QByteArray read;
        EXPECT_TRUE(file.append(read, 2));
        EXPECT_TRUE(file.append(read, bytes.size() - 2));
        EXPECT_EQ(read, bytes);
        EXPECT_FALSE(file.append(read, 1));
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

const QByteArray kBytes = QByteArrayLiteral("BM picture bytes");

TEST_F(PictureFileTest, MissingFilesAndFolders) {
    for (const QString& path : {QStringLiteral("images/missing.bmp"), QStringLiteral("images/none/x.bmp"),
                                QStringLiteral("images"), QStringLiteral("images/big")}) {
        ExpectCannotOpen(path);
    }
}

// The names the program builds are ASCII, but the folder a player unpacks
// into may be named in any script, and deep enough for a full path beyond
// the old 260-character limit.
TEST_F(PictureFileTest, CyrillicAndLongPathsAreRead) {
    Write("images/кинжал.bmp", kBytes);
    ExpectReads("images/кинжал.bmp", kBytes);

    const QString deep = "images/" + QString(120, u'п') + '/' + QString(120, u'q');
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString longPath = deep + "/ирон.bmp";
    ASSERT_GT(QDir::current().absoluteFilePath(longPath).size(), 260);
    Write(longPath, kBytes);
    ExpectReads(longPath, kBytes);
    ExpectCannotOpen(deep + "/missing.bmp");
}

// A file another process writes is refused, and read once that process ends.
TEST_F(PictureFileTest, AFileHeldOpenForWritingByAnotherProcess) {
    Write("images/held.bmp", kBytes);
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(kHoldOption), QDir::current().absoluteFilePath("images/held.bmp")});
    ASSERT_TRUE(holder.waitForReadyRead(30000)) << "the holding process did not start";
    ASSERT_EQ(holder.readAllStandardOutput().trimmed(), "held");

    ExpectCannotOpen("images/held.bmp");

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(holder.exitCode(), 0);
    ExpectReads("images/held.bmp", kBytes);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && argv[1] == kHoldOption) return HoldForWriting(argv[2]);
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
