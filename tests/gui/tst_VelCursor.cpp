#include "VelGui/VelCursor.h"

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

    void everyCursorIsADrawnPixmap();
    void cursorsAreDistinct();
    void invertedSettingSwitchesEveryCursor();
    void cursorsAreBuiltOnce();
};

void tst_VelCursor::everyCursorIsADrawnPixmap()
{
    for (const Accessor& cursor : accessors()) {
        QCOMPARE(cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!cursor().pixmap().isNull());
        // A stroke with its outline, so it reads on light and dark backgrounds.
        QVERIFY(hasDarkAndLightPixels(imageOf(cursor())));
        const QPoint hot = cursor().hotSpot();
        QVERIFY(cursor().pixmap().rect().contains(hot));
    }
}

void tst_VelCursor::cursorsAreDistinct()
{
    for (int i = 0; i < accessors().size(); ++i) {
        for (int j = i + 1; j < accessors().size(); ++j)
            QVERIFY2(imageOf(accessors()[i]()) != imageOf(accessors()[j]()),
                     qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
    }
}

void tst_VelCursor::invertedSettingSwitchesEveryCursor()
{
    QVERIFY(!VelCursor::getInverted());
    QList<QImage> normal;
    for (const Accessor& cursor : accessors())
        normal << imageOf(cursor());

    VelCursor::setInverted(true);
    QVERIFY(VelCursor::getInverted());
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

void tst_VelCursor::cursorsAreBuiltOnce()
{
    const QCursor* first = &VelCursor::target();
    QCOMPARE(&VelCursor::target(), first);
    VelCursor::setInverted(true);
    const QCursor* inverted = &VelCursor::target();
    QVERIFY(inverted != first);
    QCOMPARE(&VelCursor::target(), inverted);
}

QTEST_MAIN(tst_VelCursor)
#include "tst_VelCursor.moc"
