// Start-up: the application object runs the main window modally and returns when it closes,
// leaving the profile written.
#include "app/CConverterApp.h"
#include "app/CMainDlg.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

class TestAppStart : public QObject {
    Q_OBJECT
private slots:
    void runShowsTheMainWindowAndSavesOnClose()
    {
        QTemporaryDir config;
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

        QString title;
        bool wasMain = false;
        test::OnNextModal([&](QWidget* modal) {
            title = modal->windowTitle();
            wasMain = qobject_cast<CMainDlg*>(modal) != nullptr;
            static_cast<QDialog*>(modal)->reject();
        });
        CConverterApp app;
        QCOMPARE(app.Run(), 0);
        QVERIFY(wasMain);
        QCOMPARE(title, QStringLiteral("Brivane"));
        QVERIFY(QFile::exists(config.filePath(QStringLiteral("brivane/mysetting.ini"))));
    }
};

QTEST_MAIN(TestAppStart)
#include "tst_app_start.moc"
