// The icon push button and the sorted list controls.
#include "res/CIconButton.h"
#include "res/ColorRef.h"
#include "res/DialogUnits.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"

#include <QtTest>

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void iconSitsBesideTheCaptionInsideTheButton()
    {
        CIconButton button(QStringLiteral("Add Folder"));
        button.setFont(DialogFont());
        button.SetIcon(res::IDI_ADD_FOLDER, 32);
        button.resize(102, 45);
        const auto placement = button.ComputePlacement();
        QCOMPARE(placement.icon.size(), QSize(32, 32));
        QVERIFY(button.rect().contains(placement.icon));
        QVERIFY(button.rect().contains(placement.text));
        QVERIFY(placement.icon.right() < placement.text.left());
        QCOMPARE(placement.text.width(), button.fontMetrics().horizontalAdvance(button.text()));
        // Icon and caption are centred together.
        const int leftAir = placement.icon.left();
        const int rightAir = button.width() - 1 - placement.text.right();
        QVERIFY(qAbs(leftAir - rightAir) <= 1);
    }

    void iconShrinksToFitALowButton()
    {
        CIconButton button(QStringLiteral("Convert Now"));
        button.setFont(DialogFont());
        button.SetIcon(res::IDI_CONVERT, 48);
        button.resize(144, 41);
        const auto placement = button.ComputePlacement();
        QCOMPARE(button.RequestedIconSize(), 48);
        QVERIFY(placement.icon.height() < 48);
        QVERIFY(button.rect().adjusted(1, 1, -1, -1).contains(placement.icon));
        QCOMPARE(placement.icon.width(), placement.icon.height());

        CIconButton bare;
        bare.SetIcon(res::IDI_BROWSE, 16);
        bare.resize(24, 20);
        const auto only = bare.ComputePlacement();
        QVERIFY(only.text.isEmpty());
        QVERIFY(bare.rect().contains(only.icon));
        QCOMPARE(only.icon.center().x(), bare.rect().center().x());
    }

    void sortedBoxesIgnoreCaseFirst()
    {
        CListBox list(true);
        QCOMPARE(list.AddString(QStringLiteral("b")), 0);
        QCOMPARE(list.AddString(QStringLiteral("C")), 1);
        QCOMPARE(list.AddString(QStringLiteral("a")), 0);
        QCOMPARE(list.AddString(QStringLiteral("B")), 1);  // before "b": case breaks the tie
        QCOMPARE(list.Strings(), QStringList({"a", "B", "b", "C"}));

        CListBox plain(false);
        plain.AddString(QStringLiteral("z"));
        plain.AddString(QStringLiteral("a"));
        QCOMPARE(plain.Strings(), QStringList({"z", "a"}));
    }

    void colorRefHoldsRedInTheLowestByte()
    {
        const QColor c = ColorFromColorRef(0xFF4680);
        QCOMPARE(c, QColor(0x80, 0x46, 0xFF));
        QCOMPARE(ColorRefFromColor(c), 0xFF4680u);
        QCOMPARE(ColorFromColorRef(0xAB123456u), QColor(0x56, 0x34, 0x12));  // top byte ignored
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
