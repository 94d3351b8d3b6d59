#include "VelConjoin/PieceInfo.h"

#include "TestMain.h"
#include <QtTest>

using VelSystem::PieceInfo;

class tst_PieceInfo : public QObject
{
    Q_OBJECT
private slots:
    void everyFieldTakesPartInEquality()
    {
        using Setter = void (PieceInfo::*)(const QString&);
        const Setter setters[] = {&PieceInfo::setPatternNo,     &PieceInfo::setName,
                                  &PieceInfo::setDescription,   &PieceInfo::setPieceCode,
                                  &PieceInfo::setReferenceCode, &PieceInfo::setMarkerId,
                                  &PieceInfo::setFabricId};
        PieceInfo base;
        for (const Setter setter : setters)
            (base.*setter)(QStringLiteral("x"));
        QVERIFY(base == PieceInfo(base));
        for (const Setter setter : setters) {
            PieceInfo changed = base;
            (changed.*setter)(QStringLiteral("y"));
            QVERIFY(changed != base);
            QVERIFY(!(changed == base));
        }
    }
};

MARKER_TEST(tst_PieceInfo)
#include "tst_PieceInfo.moc"
