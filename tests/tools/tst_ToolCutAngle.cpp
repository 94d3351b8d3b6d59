#include "tools/ToolTestView.h"

#include "dialogs/DialogTestSupport.h"

#include "laystore/CDbGrPolysObject.h"

#include "PlatformNoise.h"
#include "TestMain.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsLineItem>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;
using DialogTest::child;

namespace {

// On the front leg, which spans x from 0 to 26 and y from 0 to 100.
const GeoPoint2D kLeg(12.0, 50.0);

ModalAnswerer answerSeam(const QString& seam, bool accept = true)
{
    return ModalAnswerer([=](QDialog* dialog) {
        DialogTest::retype(child<QLineEdit>(dialog, "editSeamValue"), seam);
        if (accept)
            child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        else
            dialog->reject();
    });
}

const QGraphicsLineItem* cutLine(const ToolTestView& v)
{
    for (const QGraphicsItem* item : v.scene.items()) {
        if (const auto* line = dynamic_cast<const QGraphicsLineItem*>(item))
            return line;
    }
    return nullptr;
}

// The leg's two parts: the first takes its place, the second comes last.
std::pair<GeoRectangle, GeoRectangle> partBoxes(const ToolTestView& v)
{
    return {v.objectAt(0)->boundingRect(),
            v.marker.document->objects(v.marker.fabric, 0).last()->boundingRect()};
}

// The x where the leg's two parts meet, from the seams they carry either side of it.
double cutX(const ToolTestView& v)
{
    const auto [a, b] = partBoxes(v);
    return (std::max(a.xmin, b.xmin) + std::min(a.xmax, b.xmax)) / 2.0;
}

} // namespace

class tst_ToolCutAngle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HostTest::silencePlatformNoise(); }

    void dragTurnedFullCircleCutsAcrossWithTheSeam()
    {
        ToolTestView v("cutangle");
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        QVERIFY(v.press(kLeg));
        QVERIFY(cutLine(v));
        v.move({60.0, 40.0}); // x held inside the piece
        QCOMPARE(cutLine(v)->line().center().x(), v.objectAt(0)->boundingRect().xmax);
        v.move({20.0, 30.0});
        for (int i = 0; i < 8; ++i)
            v.key(Qt::Key_5, true);
        const QLineF line = cutLine(v)->line();
        QVERIFY(qAbs(line.y1() - 30.0) < 1e-9 && qAbs(line.y2() - 30.0) < 1e-9);
        {
            ModalAnswerer answer = answerSeam(QStringLiteral("1"));
            v.release({20.0, 30.0});
            QCOMPARE(answer.seen.size(), 1);
        }
        QVERIFY(!cutLine(v) && !v.tool->isBusy());
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(v.undo().text(0), QStringLiteral("Cut with Angle"));
        // The lower part reaches a seam past the cut at y 30, the upper one starts a seam below it.
        const auto [upper, lower] = partBoxes(v);
        QVERIFY(qAbs(std::min(lower.ymax, upper.ymax) - 31.0) < 1e-9);
        QVERIFY(qAbs(std::max(lower.ymin, upper.ymin) - 29.0) < 1e-9);
        QVERIFY(LaystoreTest::undoRedoRestores(v.marker, before, LaystoreTest::snapshot(v.marker)));
    }

    void cancelledOrRefusedCutRecordsNothing_data()
    {
        QTest::addColumn<QString>("seam");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("messages");
        QTest::newRow("seam dialog cancelled") << QStringLiteral("1") << false << 0;
        // Allowed by the distance to the piece's sides, wider than the part below the cut.
        QTest::newRow("seam wider than a part") << QStringLiteral("5") << true << 1;
    }
    void cancelledOrRefusedCutRecordsNothing()
    {
        QFETCH(QString, seam);
        QFETCH(bool, accept);
        QFETCH(int, messages);
        ToolTestView v("cutangle");
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        v.press({12.0, 2.0});
        {
            ModalAnswerer answer = answerSeam(seam, accept);
            v.release({12.0, 2.0});
        }
        QCOMPARE(v.undo().count(), 0);
        QVERIFY(LaystoreTest::matches(v.marker, before));
        QCOMPARE(v.sink.messages.size(), messages);
        QVERIFY(!cutLine(v) && !v.tool->isBusy());
    }

    void altClickCutsVerticallyAtTheDistanceFromTheLeft()
    {
        ToolTestView v("cutangle");
        const double left = v.objectAt(0)->boundingRect().xmin;
        v.key(Qt::Key_Alt, true);
        {
            ModalAnswerer answer([](QDialog* dialog) {
                auto* combo = child<QComboBox>(dialog, "comboCut");
                combo->setCurrentIndex(1);
                QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, 1));
                DialogTest::retype(child<QLineEdit>(dialog, "editBottom"), QStringLiteral("10"));
                DialogTest::retype(child<QLineEdit>(dialog, "editValue"), QStringLiteral("0.5"));
                child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
            });
            v.click(kLeg);
            QCOMPARE(answer.seen.size(), 1);
        }
        v.key(Qt::Key_Alt, false);
        QCOMPARE(v.undo().count(), 1);
        QVERIFY(qAbs(cutX(v) - (left + 10.0)) < 1e-9);
        QVERIFY(v.sink.messages.isEmpty() && v.sink.errors.isEmpty());
    }
};

MARKER_TEST(tst_ToolCutAngle)
#include "tst_ToolCutAngle.moc"
