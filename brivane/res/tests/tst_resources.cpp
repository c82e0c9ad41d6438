// Icons and strings shipped in the resource file.
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

// Share of pixels that are not fully transparent.
double Coverage(const QImage& image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return double(opaque) / (image.width() * image.height());
}

}  // namespace

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void everyIconRendersAtEverySizeInUse()
    {
        QSet<int> ids;
        for (const IconEntry& entry : IconTable()) {
            QVERIFY2(!ids.contains(entry.id), "icon listed twice");
            ids.insert(entry.id);
            for (int size : {16, 32, 48}) {
                const QImage image = LoadResIconPixmap(entry.id, size).toImage();
                QVERIFY2(!image.isNull(), qPrintable(QStringLiteral("icon %1 missing").arg(entry.id)));
                QCOMPARE(image.size() / image.devicePixelRatio(), QSize(size, size));
                const double coverage = Coverage(image);
                QVERIFY2(coverage > 0.05, qPrintable(QStringLiteral("icon %1 at %2 px is blank").arg(entry.id).arg(size)));
            }
        }
        // Every icon the windows ask for.
        for (int id : {res::IDI_APP, res::IDI_LIST_ROW, res::IDI_BROWSE, res::IDI_ADD_FILES, res::IDI_ADD_FOLDER,
                       res::IDI_CONVERT, res::IDI_REMOVE_ALL, res::IDI_REMOVE, res::IDI_OPTION, res::IDI_ENCODER,
                       res::IDI_OK, res::IDI_CANCEL, res::IDI_RESIZE, res::IDI_BMP, res::IDI_JPEG, res::IDI_TIFF,
                       res::IDI_PDF, res::IDI_GIF})
            QVERIFY2(ids.contains(id), qPrintable(QString::number(id)));
        QVERIFY(LoadResIcon(4242).isNull());
        QVERIFY(LoadResIconPixmap(4242, 16).isNull());
    }

    void stringTable()
    {
        QCOMPARE(LoadResString(res::IDS_ABOUTBOX), QStringLiteral("&About Brivane..."));
        QCOMPARE(LoadResString(4242), QString());
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
