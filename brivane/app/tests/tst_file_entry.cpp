// What one row shows for a file, and which files the list takes.
#include "app/FileEntry.h"
#include "app/ImageExtensions.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

class TestFileEntry : public QObject {
    Q_OBJECT
private slots:
    void sizeTextAtTheBoundaries()
    {
        QCOMPARE(FormatSizeText(0), QStringLiteral("0KB"));
        QCOMPARE(FormatSizeText(15 * 1024), QStringLiteral("15KB"));
        QCOMPARE(FormatSizeText(1048575), QStringLiteral("1024KB"));
        QCOMPARE(FormatSizeText(1048576), QStringLiteral("1.00MB"));
        QCOMPARE(FormatSizeText(1572864), QStringLiteral("1.50MB"));
        // Beyond 4 GiB the whole size counts, not its low 32 bits.
        QCOMPARE(FormatSizeText(5ull << 30), QStringLiteral("5120.00MB"));
    }

    void entryOfAFileOnDisk()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = test::MakeFile(QDir(dir.path()), QStringLiteral("photo.final.wbmp"), 1048575);
        const FileEntry entry = MakeFileEntry(path);
        QCOMPARE(entry.name, QStringLiteral("photo.final.wbmp"));
        QCOMPARE(entry.folder, dir.path() + QLatin1Char('/'));
        QCOMPARE(entry.FullPath(), path);
        QCOMPARE(entry.format, QStringLiteral("WBMP"));
        QCOMPARE(entry.size, QStringLiteral("1024KB"));

        const QString big = test::MakeFile(QDir(dir.path()), QStringLiteral("huge.Tiff"), (4ll << 30) + 1048576);
        const FileEntry huge = MakeFileEntry(big);
        QCOMPARE(huge.size, QStringLiteral("4097.00MB"));
        QCOMPARE(huge.format, QStringLiteral("TIFF"));
    }

    void entriesThatCannotBeMeasured()
    {
        const FileEntry missing = MakeFileEntry(QStringLiteral("/no/such.dir/picture"));
        QCOMPARE(missing.size, QStringLiteral("0KB"));
        QCOMPARE(missing.format, QString());  // the dot in the folder does not count
        QCOMPARE(missing.folder, QStringLiteral("/no/such.dir/"));
        QCOMPARE(missing.name, QStringLiteral("picture"));

        QTemporaryDir dir;
        const FileEntry folder = MakeFileEntry(dir.path());
        QCOMPARE(folder.size, QStringLiteral("0KB"));

        const FileEntry bare = MakeFileEntry(QStringLiteral("x.jpg"));
        QCOMPARE(bare.folder, QString());
        QCOMPARE(bare.name, QStringLiteral("x.jpg"));
    }

    void extensionsTakenByTheList()
    {
        const QString filter = ImageFileFilter();
        QVERIFY(filter.startsWith(QStringLiteral("All support Image files (")));
        QVERIFY(filter.endsWith(QLatin1Char(')')));
        for (const char* ext : {"pdf", "psd", "mng", "jng", "cr2", "nef", "crw", "j2k", "j2c", "jpg", "pcx", "wmf",
                                "wbmp", "bmp", "tif", "tga", "gif", "pgx", "pnm", "png", "ico", "ras", "jpeg", "tiff"}) {
            const QString pattern = QStringLiteral("*.%1").arg(QLatin1String(ext));
            QVERIFY2(filter.contains(pattern + QLatin1Char(' ')) || filter.contains(pattern + QLatin1Char(')')),
                     ext);
            QVERIFY2(HasImageExtension(QStringLiteral("a.") + QLatin1String(ext)), ext);
            QVERIFY2(HasImageExtension(QStringLiteral("A.") + QString::fromLatin1(ext).toUpper()), ext);
        }
        QCOMPARE(ImageExtensions().size(), std::size_t{24});
        for (const char* name : {"notes.txt", "noext", "x.wbm", "photo.jpg.txt", "photo.jp", "photo.", "jpg"})
            QVERIFY2(!HasImageExtension(QLatin1String(name)), name);
    }
};

QTEST_MAIN(TestFileEntry)
#include "tst_file_entry.moc"
