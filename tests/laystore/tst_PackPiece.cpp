#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/ops/CDbPackPiece.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

class tst_PackPiece : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        band = m->add(waistband(), {0, 0});
        leg = m->add(frontLeg(), {0, 30});
    }

    void cleanup() { m.reset(); }

    void positionsAreFreeAndNearestFirst()
    {
        CDbGrPolysObject* pocket = m->add(pocketBag(), {40, 0}); // 2 cm into the waistband's end
        CDbPackPiece packer;
        QVERIFY(packer.init(m->document.get(), m->fabric, 0, pocket, around(pocket, 30)));
        packer.search();
        const QList<GeoPoint2D> positions = packer.getAvailablePosition();
        QVERIFY(!positions.isEmpty() && positions.size() <= CDbPackPiece::kMaxPositions);
        QCOMPARE(positions[0], GeoPoint2D(42, 0));
        const GeoPoint2D corner(40, 0);
        for (int i = 0; i < positions.size(); ++i) {
            QVERIFY2(isFree(pocket, positions[i]), QTest::toString(positions[i]));
            QVERIFY(i == 0 || positions[i - 1].distance(corner) <= positions[i].distance(corner));
        }
        QCOMPARE(pocket->boundingRect().leftBottom(), corner);
    }

    void fullRegionHasNoPosition()
    {
        CDbGrPolysObject* pocket = m->add(pocketBag(), {2, 60}); // deep into the leg
        CDbPackPiece packer;
        QVERIFY(packer.init(m->document.get(), m->fabric, 0, pocket, around(pocket, 5)));
        packer.search();
        QVERIFY(packer.getAvailablePosition().isEmpty());
    }

    void previewDoesNotStandInItsSourcesWay()
    {
        CDbGrPolysObject* pocket = m->add(pocketBag(), {60, 0});
        CDbGrPolysObject* preview = pocket->clone(m->document->drawing(), true);
        m->document->addPiece(preview, m->fabric, 0);
        pocket->setPreview(preview);
        CDbPackPiece packer;
        QVERIFY(packer.init(m->document.get(), m->fabric, 0, preview, around(preview, 10)));
        packer.search();
        QCOMPARE(packer.getAvailablePosition().value(0), GeoPoint2D(60, 0));
    }

    void impossibleSearchesAreRefused()
    {
        CDbPackPiece packer;
        const std::unique_ptr<CDbGrPolysObject> loose(makePiece(pocketBag(), {60, 0}));
        QVERIFY(!packer.init(m->document.get(), m->fabric, 0, loose.get(), around(loose.get(), 10)));
        QVERIFY(!packer.init(m->document.get(), m->fabric, 1, band, around(band, 10)));
        QVERIFY(!packer.init(m->document.get(), m->fabric, 0, band, GeoRectangle()));
        m->fabric->layer(0)->setWidth(50); // narrower than the leg is tall
        QVERIFY(!packer.init(m->document.get(), m->fabric, 0, leg, around(leg, 10)));
        packer.search();
        QVERIFY(packer.getAvailablePosition().isEmpty());
    }

private:
    // True when `group` moved to `corner` lies on the fabric area and meets no other group.
    bool isFree(const CDbGrPolysObject* group, const GeoPoint2D& corner) const
    {
        std::unique_ptr<CDbGrPolysObject> moved(group->clone(nullptr, false));
        GeoPoint2D delta = corner - moved->boundingRect().leftBottom();
        moved->translate(delta);
        const GeoRectangle r = moved->boundingRect();
        if (r.ymin < 0 || r.ymax > kLayerWidth || r.xmin < 0)
            return false;
        for (const CDbGrPolysObject* other : m->document->groups(m->fabric, 0)) {
            if (other != group && moved->overlaps(*other))
                return false;
        }
        return true;
    }

    GeoRectangle around(const CDbGrPolysObject* group, double margin) const
    {
        GeoRectangle r = group->boundingRect();
        r.expand(margin, margin);
        return r;
    }

    std::unique_ptr<Marker> m;
    CDbGrPolysObject *band = nullptr, *leg = nullptr;
};

MARKER_TEST(tst_PackPiece)
#include "tst_PackPiece.moc"
