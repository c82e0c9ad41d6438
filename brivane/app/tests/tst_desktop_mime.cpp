// The desktop entry offers Brivane for exactly the file types the file list takes: each image
// extension's MIME type is listed, and each listed type has an extension the list takes.
#include "app/ImageExtensions.h"

#include <QFile>
#include <QMimeDatabase>
#include <QtTest>

namespace {

QStringList DesktopMimeTypes()
{
    QFile file(QStringLiteral(DESKTOP_FILE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString key = QStringLiteral("MimeType=");
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(key))
            return line.mid(key.size()).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}

}  // namespace

class TestDesktopMime : public QObject {
    Q_OBJECT
private slots:
    void listedTypesMatchTheImageExtensions()
    {
        const QStringList listed = DesktopMimeTypes();
        QVERIFY(!listed.isEmpty());
        const QMimeDatabase db;

        QStringList extensions;
        int typed = 0;
        for (std::string_view ext : ImageExtensions()) {
            const QString name = QString::fromLatin1(ext.data(), static_cast<qsizetype>(ext.size()));
            extensions << name;
            const QList<QMimeType> types = db.mimeTypesForFileName(QStringLiteral("x.") + name);
            if (types.isEmpty())
                continue;  // no registered type (pgx): a desktop cannot offer it anyway
            ++typed;
            const bool offered = std::any_of(types.begin(), types.end(),
                                             [&](const QMimeType& type) { return listed.contains(type.name()); });
            QVERIFY2(offered, qPrintable(QStringLiteral(".%1 (%2) is not in MimeType").arg(name, types.first().name())));
        }
        QVERIFY(typed >= 20);

        for (const QString& name : listed) {
            const QMimeType type = db.mimeTypeForName(name);
            QVERIFY2(type.isValid(), qPrintable(name + QStringLiteral(" is no known MIME type")));
            const QStringList suffixes = type.suffixes();
            const bool taken = std::any_of(suffixes.begin(), suffixes.end(), [&](const QString& suffix) {
                return extensions.contains(suffix, Qt::CaseInsensitive);
            });
            QVERIFY2(taken, qPrintable(name + QStringLiteral(" has no extension the file list takes")));
        }
    }
};

QTEST_MAIN(TestDesktopMime)
#include "tst_desktop_mime.moc"
