#include "VelCore/InfoBox.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QtTest>

using VelSystem::GetInfoBox;
using VelSystem::InfoBox;

class tst_InfoBox : public QObject
{
    Q_OBJECT
private slots:
    void setHideAndClearByMask()
    {
        InfoBox* box = GetInfoBox();
        QSignalSpy changed(box, &InfoBox::valuesChanged);
        box->setValue(InfoBox::Dx, 1.5);
        box->setValue(InfoBox::Dy, -2.0);
        box->setValue(InfoBox::Distance, 2.5);
        box->setValue(InfoBox::Distance, 2.5); // unchanged: no signal
        QCOMPARE(changed.size(), 3);
        QCOMPARE(box->value(InfoBox::Dy), -2.0);

        box->clear(InfoBox::Dx | InfoBox::Dy);
        QVERIFY(!box->hasValue(InfoBox::Dx));
        QVERIFY(!box->hasValue(InfoBox::Dy));
        QCOMPARE(box->value(InfoBox::Distance), 2.5);
        QCOMPARE(changed.size(), 4);
        box->clear(InfoBox::Dx); // nothing left to clear
        QCOMPARE(changed.size(), 4);

        // Hiding a shown field announces it; hiding a hidden one does not.
        box->setValue(InfoBox::Distance, 2.5, false);
        QVERIFY(!box->hasValue(InfoBox::Distance));
        QCOMPARE(changed.size(), 5);
        box->setValue(InfoBox::Dy, 1.0, false);
        QCOMPARE(changed.size(), 5);
    }

    void instructionsAreAnnouncedWhenTheyChange()
    {
        InfoBox* box = GetInfoBox();
        QSignalSpy changed(box, &InfoBox::instructionsChanged);
        box->setInstructions(QStringLiteral("<p>Click a piece</p>"));
        box->setInstructions(QStringLiteral("<p>Click a piece</p>"));
        QCOMPARE(changed.size(), 1);
    }
};

MARKER_TEST(tst_InfoBox)
#include "tst_InfoBox.moc"
