#include "laystore/LaystoreTestMarker.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/commands/GroupTransformCmd.h"

#include "TestMain.h"
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

class tst_GroupTransformCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        pocket = m->add(pocketBag(), {40, 10});
        fineStep = CDbMarkerShareGlobales::instance()->getRotFineStep();
        CDbMarkerShareGlobales::instance()->setRotFineStep(2.0);
    }

    void cleanup()
    {
        CDbMarkerShareGlobales::instance()->setRotFineStep(fineStep);
        m.reset();
    }

    void turnsAndMirrorsAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("flags");
        QTest::addColumn<double>("startAngle");
        QTest::addColumn<double>("rotation");
        QTest::addColumn<bool>("mirroredX");
        QTest::addColumn<bool>("mirroredY");
        QTest::newRow("fine") << "FineRotate" << QVariantList{false, false, false} << 0.0 << 2.0 << false
                              << false;
        QTest::newRow("fine clockwise")
            << "FineRotate" << QVariantList{true, false, false} << 0.0 << 358.0 << false << false;
        QTest::newRow("coarse") << "FineRotate" << QVariantList{false, true, false} << 0.0 << 20.0 << false
                                << false;
        QTest::newRow("aligned up") << "FineRotate" << QVariantList{false, false, true} << 3.5 << 4.0 << false
                                    << false;
        QTest::newRow("aligned down")
            << "FineRotate" << QVariantList{true, false, true} << 4.0 << 2.0 << false << false;
        QTest::newRow("half") << "Rotate" << QVariantList{false, true} << 0.0 << 180.0 << false << false;
        QTest::newRow("quarter") << "Rotate" << QVariantList{true, false} << 0.0 << 90.0 << false << false;
        QTest::newRow("quarter clockwise")
            << "Rotate" << QVariantList{true, true} << 0.0 << 270.0 << false << false;
        QTest::newRow("horizontal axis")
            << "Symmetry" << QVariantList{true, false} << 0.0 << 0.0 << false << true;
        QTest::newRow("vertical axis")
            << "Symmetry" << QVariantList{false, false} << 0.0 << 0.0 << true << false;
        QTest::newRow("both axes") << "Symmetry" << QVariantList{false, true} << 0.0 << 0.0 << true << true;
    }

    void turnsAndMirrorsAtOnce()
    {
        QFETCH(QString, name);
        QFETCH(QVariantList, flags);
        QFETCH(double, startAngle);
        QFETCH(double, rotation);
        QFETCH(bool, mirroredX);
        QFETCH(bool, mirroredY);
        pocket->rotate(startAngle);
        const GeoRectangle before = pocket->boundingRect();
        QCOMPARE(run(name, QVariantList{GroupTransformCmd::ApplyNow, QVariant::fromValue<QObject*>(pocket)} +
                               flags),
                 short(0));
        QVERIFY(qAbs(pocket->polygon(0).rotation() - rotation) < 1e-9);
        QCOMPARE(pocket->polygon(0).isMirroredX(), mirroredX);
        QCOMPARE(pocket->polygon(0).isMirroredY(), mirroredY);
        // Half turns and mirrors keep the group's box.
        if (rotation == 0.0 || rotation == 180.0)
            QCOMPARE(pocket->boundingRect(), before);
        QCOMPARE(m->document->undoStack()->count(), 0);
    }

    // Checked by setDocument, done by the push; undo gives back the exact outline, not one
    // turned back by floating-point arithmetic.
    void undoableTransformsReturnExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("flags");
        QTest::addColumn<QString>("text");
        QTest::newRow("Rotate") << "Rotate" << QVariantList{true, false} << "Rotation";
        QTest::newRow("FineRotate") << "FineRotate" << QVariantList{false, false, false} << "Fine rotation";
        QTest::newRow("Symmetry") << "Symmetry" << QVariantList{false, true} << "Mirror";
    }

    void undoableTransformsReturnExactly()
    {
        QFETCH(QString, name);
        QFETCH(QVariantList, flags);
        pocket->rotate(33.3);
        const Snapshot start = snapshot(*m);
        auto command = CmdsManager::instance()->createCommand(name);
        QCOMPARE(command->setDocument(m->document, QVariantList{GroupTransformCmd::Undoable,
                                                                QVariant::fromValue<QObject*>(pocket)} +
                                                       flags),
                 short(0));
        QVERIFY(matches(*m, start));
        QUndoStack* stack = m->document->undoStack();
        stack->push(command.release());
        QTEST(stack->undoText(), "text");
        const Snapshot done = snapshot(*m);
        QVERIFY(!matches(*m, start));
        QVERIFY(undoRedoRestores(*m, start, done));
    }

    void wrongParametersChangeNothing_data()
    {
        QTest::addColumn<QVariantList>("parameters");
        QTest::addColumn<int>("code");
        const QVariant group = QVariant::fromValue<QObject*>(nullptr); // set in the test
        QTest::newRow("too few") << QVariantList{0, group, true} << int(GroupTransformCmd::BadParameters);
        QTest::newRow("unknown mode")
            << QVariantList{7, group, true, false} << int(GroupTransformCmd::BadParameters);
        QTest::newRow("flag not a bool")
            << QVariantList{0, group, 1, false} << int(GroupTransformCmd::BadParameters);
        QTest::newRow("no group") << QVariantList{0, QVariant(), true, false}
                                  << int(GroupTransformCmd::BadParameters);
        QTest::newRow("not placed") << QVariantList{1, group, true, false}
                                    << int(GroupTransformCmd::NotInDocument);
        QTest::newRow("other marker")
            << QVariantList{0, group, true, false} << int(GroupTransformCmd::NotInDocument);
    }

    void wrongParametersChangeNothing()
    {
        QFETCH(QVariantList, parameters);
        QFETCH(int, code);
        const std::unique_ptr<CDbGrPolysObject> loose(makePiece(pocketBag(), {0, 0}));
        Marker other;
        CDbGrPolysObject* target = pocket;
        if (QByteArray(QTest::currentDataTag()) == "not placed")
            target = loose.get();
        else if (QByteArray(QTest::currentDataTag()) == "other marker")
            target = other.add(pocketBag(), {0, 0});
        if (parameters[1].isValid())
            parameters[1] = QVariant::fromValue<QObject*>(target);
        const std::unique_ptr<CDbGrPolysObject> before(target->clone(nullptr, false));
        QCOMPARE(int(run(QStringLiteral("Symmetry"), parameters)), code);
        QVERIFY(target->sameContent(*before));
    }

private:
    short run(const QString& name, const QList<QVariant>& parameters)
    {
        const std::unique_ptr<AbstractCmd> command = CmdsManager::instance()->createCommand(name);
        return command ? command->setDocument(m->document, parameters) : -1;
    }

    std::unique_ptr<Marker> m;
    CDbGrPolysObject* pocket = nullptr;
    double fineStep = 0;
};

MARKER_TEST(tst_GroupTransformCommands)
#include "tst_GroupTransformCommands.moc"
