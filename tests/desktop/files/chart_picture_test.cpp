#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "desktop/files/bmp_to_jpeg.h"
#include "desktop/files/chart_picture.h"
#include "tests/desktop/ui/recording_sink.h"

namespace grahavani::test {
namespace {

class ChartPictureTest : public ::testing::Test {
protected:
    ChartPictureTest() : picture(64, 48, QImage::Format_RGB32) { picture.fill(Qt::darkYellow); }

    QString PathOf(const QString& name) const { return folder.filePath(name); }
    void Place(const QString& name) {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(name.toUtf8());  // each earlier file holds its own name
    }
    QStringList Entries(const QString& subfolder = QString()) const {
        return QDir(PathOf(subfolder)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    void Save(const QString& name) { SaveChartPicture(picture, PathOf(name), messages, nullptr); }

    QTemporaryDir folder;
    QImage picture;
    RecordingSink messages;
};

TEST_F(ChartPictureTest, ChosenNamesBecomeNewJpegFiles) {
    const struct {
        QStringList present;
        const char* chosen;
        const char* written;
    } cases[] = {
        {{}, "ram.jpg", "ram.jpg"},
        {{"ram.jpg"}, "ram.jpg", "ram_001.jpg"},
        {{"ram.jpg", "ram_001.jpg"}, "ram.jpg", "ram_002.jpg"},
        {{}, "ram", "ram.jpg"},
        {{}, "ram.old.png", "ram.jpg"},
        {{}, "RAM.JPG", "RAM.jpg"},
        {{"ram.bmp"}, "ram.jpg", "ram.jpg"},  // an earlier bitmap is left alone
        {{"ram.jpg"}, "A.B/ram", "A.B/ram.jpg"},
        {{}, "A.B//ram.jpg", "A.B/ram.jpg"},
    };
    for (const auto& save : cases) {
        QTemporaryDir fresh;
        folder.swap(fresh);
        QDir(folder.path()).mkdir("A.B");
        for (const QString& name : save.present) Place(name);
        Save(save.chosen);
        EXPECT_TRUE(messages.messages.isEmpty()) << save.chosen;
        QStringList expected = save.present;
        const QString written = save.written;
        const QString subfolder = written.contains('/') ? written.section('/', 0, 0) : QString();
        expected << "A.B";
        if (subfolder.isEmpty()) expected << written;
        expected.sort();
        EXPECT_EQ(Entries(), expected) << save.chosen;
        EXPECT_EQ(QImage(PathOf(written)).size(), picture.size()) << save.chosen;
        if (!subfolder.isEmpty()) {
            EXPECT_EQ(Entries(subfolder), QStringList{written.section('/', 1)});
        }
        for (const QString& name : save.present) {
            QFile earlier(PathOf(name));
            ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
            EXPECT_EQ(earlier.readAll(), name.toUtf8()) << name.toStdString() << " was changed";
        }
    }
}

TEST_F(ChartPictureTest, TheLastCopyNumberIs999) {
    Place("ram.jpg");
    for (int copy = 1; copy <= 998; ++copy) Place(QStringLiteral("ram_%1.jpg").arg(copy, 3, 10, QChar('0')));
    Save("ram.jpg");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_FALSE(QImage(PathOf("ram_999.jpg")).isNull());

    Save("ram.jpg");
    EXPECT_EQ(messages.messages, QStringList{"There are too many Copies of this file  ram.jpg"});
    EXPECT_EQ(messages.criticalTitles, QStringList{" UNABLE  TO  CREATE  NEW  FILE" "ram.jpg"});
    EXPECT_EQ(Entries().size(), 1000);
}

TEST(MakeUniqueJpegPath, FolderSeparators) {
    RecordingSink messages;
    const struct {
        const char* folder;
        const char* path;
    } cases[] = {
        {"/nonexistent/a", "/nonexistent/a/ram.jpg"},
        {"/nonexistent//a///", "/nonexistent/a/ram.jpg"},
        {"//server/share", "//server/share/ram.jpg"},
        {"//server//share", "//server/share/ram.jpg"},
    };
    for (const auto& join : cases) {
        EXPECT_EQ(MakeUniqueJpegPath(join.folder, "ram.jpg", messages, nullptr), join.path);
    }
}

TEST_F(ChartPictureTest, FailuresAreReportedByName) {
    QDir(folder.path()).mkdir("taken.jpg");
    Save("no/such/folder/ram.jpg");
    Save("taken.jpg");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(PathOf("no/such/folder/ram.jpg")));
    EXPECT_FALSE(QImage(PathOf("taken_001.jpg")).isNull()) << "a folder's name counts as taken";
}

TEST_F(ChartPictureTest, BmpToJpegNeverReplacesAFile) {
    ASSERT_TRUE(picture.save(PathOf("in.bmp"), "BMP"));
    Place("out.jpg");
    EXPECT_TRUE(BmpToJpeg(PathOf("in.bmp"), PathOf("out.jpg"), 100).has_value());
    EXPECT_EQ(Entries(), (QStringList{"in.bmp", "out.jpg"}));
    QFile kept(PathOf("out.jpg"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "out.jpg");

    EXPECT_FALSE(BmpToJpeg(PathOf("in.bmp"), PathOf("new.jpg"), 100).has_value());
    const QImage written(PathOf("new.jpg"), "JPEG");
    EXPECT_EQ(written.size(), picture.size());
    EXPECT_TRUE(QFileInfo(PathOf("new.jpg")).permissions() & QFileDevice::ReadOther)
        << "readable like any file written under the usual umask";
    EXPECT_TRUE(BmpToJpeg(PathOf("missing.bmp"), PathOf("other.jpg"), 100).has_value());
}

TEST_F(ChartPictureTest, BmpToJpegGivesWhatTheUmaskAllows) {
    ASSERT_TRUE(picture.save(PathOf("in.bmp"), "BMP"));
    using P = QFileDevice;
    const P::Permissions ownerOnly = P::ReadOwner | P::WriteOwner | P::ReadUser | P::WriteUser;
    const struct {
        mode_t umask;
        P::Permissions permissions;
    } cases[] = {{077, ownerOnly},
                 {022, ownerOnly | P::ReadGroup | P::ReadOther},
                 {002, ownerOnly | P::ReadGroup | P::WriteGroup | P::ReadOther}};
    const mode_t original = ::umask(0);
    for (const auto& c : cases) {
        ::umask(c.umask);
        const QString jpg = PathOf(QStringLiteral("mask%1.jpg").arg(c.umask, 0, 8));
        EXPECT_FALSE(BmpToJpeg(PathOf("in.bmp"), jpg, 100).has_value());
        EXPECT_EQ(QFileInfo(jpg).permissions(), c.permissions) << c.umask;
        EXPECT_EQ(::umask(c.umask), c.umask) << "the umask stays as it was";
    }
    ::umask(original);
}

}  // namespace
}  // namespace grahavani::test
