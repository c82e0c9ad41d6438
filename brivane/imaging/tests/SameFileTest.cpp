#include "imaging/SameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(SameFile, NamesThatReachOneFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath("a.jpg");
    Touch(a);
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(a, dir.filePath("sub/link.jpg")));
    ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(dir.filePath("hard.jpg")).constData()), 0);

    EXPECT_TRUE(brivane::IsSameFile(a, a));
    EXPECT_TRUE(brivane::IsSameFile(a, dir.filePath("sub/../a.jpg")));
    EXPECT_TRUE(brivane::IsSameFile(a, dir.filePath("./a.jpg")));
    EXPECT_TRUE(brivane::IsSameFile(dir.filePath("sub/link.jpg"), a));
    EXPECT_TRUE(brivane::IsSameFile(a, dir.filePath("hard.jpg")));
}

TEST(SameFile, OtherFilesAndNamesNotYetWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath("a.jpg");
    Touch(a);
    Touch(dir.filePath("b.jpg"));
    EXPECT_FALSE(brivane::IsSameFile(a, dir.filePath("b.jpg")));
    EXPECT_FALSE(brivane::IsSameFile(a, dir.filePath("a.png")));       // not written yet
    EXPECT_FALSE(brivane::IsSameFile(a, dir.filePath("new/a.jpg")));   // folder not there yet
    EXPECT_FALSE(brivane::IsSameFile(a, QString()));
    // Two names of a file that does not exist yet still compare by their resolved path.
    EXPECT_TRUE(brivane::IsSameFile(dir.filePath("c.png"), dir.filePath("sub/../c.png")));
}

}  // namespace
