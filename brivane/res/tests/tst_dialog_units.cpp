// Dialog units to pixels, and building a layout into a dialog.
#include "res/DialogBuilder.h"
#include "res/DialogUnits.h"
#include "res/Layouts.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"

#include <QFontInfo>
#include <QPushButton>
#include <QtTest>

class TestDialogUnits : public QObject {
    Q_OBJECT
private slots:
    void convertsWithDialogManagerRounding()
    {
        const DialogUnits units(6, 12);
        QCOMPARE(units.ToPixelsX(68), 102);
        QCOMPARE(units.ToPixelsX(7), 11);    // 10.5 rounds up
        QCOMPARE(units.ToPixelsY(27), 41);   // 40.5 rounds up
        QCOMPARE(units.ToPixelsY(13), 20);   // 19.5 rounds up
        QCOMPARE(units.ToPixelsY(10), 15);
        QCOMPARE(units.ToPixelsX(-7), -11);  // symmetric for negative offsets
        QCOMPARE(units.ToPixels(DialogRect{405, 332, 16, 13}), QRect(608, 498, 24, 20));
        // Each value is converted on its own, not the right edge.
        const QRect r = DialogUnits(5, 13).ToPixels(DialogRect{1, 1, 1, 1});
        QCOMPARE(r, QRect(1, 2, 1, 2));
    }

    void dialogFontIsArialCompatible()
    {
        const QFont font = DialogFont();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(font.pointSize(), 8);
        const DialogUnits units(font);
        // Arial 8 at 96 dpi measures 6 x 12 or 13 base units; anything else means a
        // substitute font and every layout would be distorted.
        QCOMPARE(units.BaseX(), 6);
        QVERIFY(units.BaseY() == 12 || units.BaseY() == 13);
    }

    void buildsAboutLayout()
    {
        QDialog dialog;
        const DialogControls controls = BuildDialog(dialog, res::AboutLayout());
        const DialogUnits& units = controls.Units();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Brivane"));
        QCOMPARE(dialog.size(), units.ToPixels(235, 55));
        QCOMPARE(dialog.font().family(), QStringLiteral("Liberation Sans"));

        auto* ok = controls.Get<QPushButton>(res::IDOK);
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->geometry(), units.ToPixels(DialogRect{178, 7, 50, 14}));

        dialog.show();
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void comboKeepsItsClosedHeightAndListsTheDropExtent()
    {
        QDialog dialog;
        const DialogControls controls = BuildDialog(dialog, res::MainLayout());
        auto* combo = controls.Get<CComboBox>(res::IDC_OUTPUT_FORMAT);
        QVERIFY(combo != nullptr);
        QVERIFY(combo->IsSorted());
        const QRect expected = controls.Units().ToPixels(DialogRect{79, 356, 81, 199});
        QCOMPARE(combo->pos(), expected.topLeft());
        QCOMPARE(combo->width(), expected.width());
        QCOMPARE(combo->height(), combo->sizeHint().height());
        // 199 units of drop-down room hold all fifteen output formats.
        QVERIFY(combo->maxVisibleItems() >= 15);

        auto* folder = controls.Get(res::IDC_OUTPUT_FOLDER);
        QVERIFY(folder != nullptr);
        QVERIFY(!folder->isEnabled());
    }
};

QTEST_MAIN(TestDialogUnits)
#include "tst_dialog_units.moc"
