#include "VelGui/VelCursor.h"

#include "TestMain.h"
#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <functional>

using namespace VelSystem;

namespace {

using Accessor = std::function<const QCursor&()>;

const QList<Accessor>& accessors()
{
    static const QList<Accessor> all = {VelCursor::option, VelCursor::ufo,      VelCursor::target,
                                        VelCursor::cross,  VelCursor::zoomplus, VelCursor::zoomminus};
    return all;
}

QImage imageOf(const QCursor& cursor)
{
    return cursor.pixmap().toImage();
}

bool hasDarkAndLightPixels(const QImage& image)
{
    bool dark = false;
    bool light = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            dark = dark || c.lightness() < 60;
            light = light || c.lightness() > 200;
        }
    }
    return dark && light;
}

} // namespace

class tst_VelCursor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { VelCursor::setInverted(false); }

    void everyCursorIsADistinctDrawnPixmap()
    {
        QList<QImage> seen;
        for (const Accessor& cursor : accessors()) {
            QCOMPARE(cursor().shape(), Qt::BitmapCursor);
            QVERIFY(cursor().pixmap().rect().contains(cursor().hotSpot()));
            // A stroke with its outline, so it reads on light and dark backgrounds.
            const QImage image = imageOf(cursor());
            QVERIFY(hasDarkAndLightPixels(image));
            QVERIFY2(!seen.contains(image), qPrintable(QString::number(seen.size())));
            seen << image;
            QCOMPARE(&cursor(), &cursor()); // built once
        }
    }

    void invertedSettingSwitchesEveryCursor()
    {
        QVERIFY(!VelCursor::getInverted());
        QList<QImage> normal;
        for (const Accessor& cursor : accessors())
            normal << imageOf(cursor());
        const QCursor* target = &VelCursor::target();

        VelCursor::setInverted(true);
        QVERIFY(VelCursor::getInverted());
        QVERIFY(&VelCursor::target() != target);
        for (int i = 0; i < accessors().size(); ++i) {
            const QImage inverted = imageOf(accessors()[i]());
            QVERIFY(inverted != normal[i]);
            // The same figure: the same pixels are covered.
            QCOMPARE(inverted.createAlphaMask(), normal[i].createAlphaMask());
        }

        VelCursor::setInverted(false);
        for (int i = 0; i < accessors().size(); ++i)
            QCOMPARE(imageOf(accessors()[i]()), normal[i]);
    }
};

MARKER_TEST(tst_VelCursor)
#include "tst_VelCursor.moc"
