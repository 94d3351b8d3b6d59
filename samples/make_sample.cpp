// Draws the bundled sample marker: a simple pair of trousers (front, back, waistband,
// pocket facing, pocket bag, fly) graded in sizes S, M and L, on a denim 150 cm wide.
// Sizes S and M are laid on the fabric area, size L waits in the standby area.
//
//   make_sample <path/to/trousers-sample.mak>

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTextObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/file/ShelfLayout.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cmath>
#include <memory>
#include <vector>

using namespace VelSystem;

namespace {

using Type = CDbMarkerPointObject::PointType;
constexpr Type C = CDbMarkerPointObject::Corner;
constexpr Type N = CDbMarkerPointObject::Notch;
constexpr Type R = CDbMarkerPointObject::Curve;
constexpr Type P = CDbMarkerPointObject::Normal;

struct Point
{
    double x, y;
    Type type;
};

// A pattern piece in size M, x along the grain (hem to waist for the legs), counter-clockwise.
struct Pattern
{
    const char* name;
    const char* code;
    const char* description;
    short quantity;
    // Growth of lengths (x) and widths (y) per size step, as a fraction of size M.
    double gradeX, gradeY;
    std::vector<Point> outline;
};

const double kFabricWidth = 150.0;
const char* const kSizes[] = {"S", "M", "L"};

const std::vector<Pattern> kPatterns = {
    {"Front",
     "TR-01",
     "Front leg, slant pocket",
     2,
     0.02,
     0.04,
     {{0, 2, C},
      {42, 1, N},
      {82, 0, N},
      {101, 0.5, C},
      {100.6, 12, N},
      {100, 25.5, C},
      {82, 26.2, N},
      {78.5, 26.8, R},
      {76, 28.2, R},
      {74, 30.5, C},
      {42, 22, N},
      {0, 21, C}}},
    {"Back",
     "TR-02",
     "Back leg with dart",
     2,
     0.02,
     0.04,
     {{0, 1, C},
      {42, 0.5, N},
      {80, 0, N},
      {100, 0.8, C},
      {101.5, 10, N},
      {104, 28, C},
      {84, 30, P},
      {80, 31.5, R},
      {77, 33.8, R},
      {74.5, 36.5, R},
      {72, 38.5, C},
      {44, 24.2, N},
      {42, 24, N},
      {0, 22.5, C}}},
    {"Waistband",
     "TR-03",
     "Folded lengthwise",
     1,
     0.05,
     0.0,
     {{0, 0, C},
      {22, 0, N},
      {43, 0, N},
      {64, 0, N},
      {86, 0, C},
      {86, 4.5, N},
      {86, 9, C},
      {0, 9, C},
      {0, 4.5, N}}},
    {"Pocket facing",
     "TR-04",
     "",
     2,
     0.03,
     0.03,
     {{0, 0, C}, {9, 0, N}, {18, 0, C}, {18, 17, C}, {7, 17, C}, {4.5, 12, R}, {2, 6, R}}},
    {"Pocket bag",
     "TR-05",
     "Lining",
     2,
     0.03,
     0.03,
     {{0, 0, C},
      {14, 0, N},
      {26, 0, P},
      {30.5, 1.2, R},
      {33.2, 4.2, R},
      {34, 10, R},
      {33.2, 15.8, R},
      {30.5, 18.8, R},
      {26, 20, P},
      {14, 20, N},
      {0, 20, C}}},
    {"Fly",
     "TR-06",
     "Zip shield",
     1,
     0.03,
     0.0,
     {{0, 0, C}, {15, 0, P}, {18.4, 1, R}, {20, 3.5, R}, {20, 7, C}, {10, 7, N}, {0, 7, C}}},
};

// Coordinates to a tenth of a millimetre, as patterns are drawn; the file then reads plainly.
GeoPoint2D tenthMm(const GeoPoint2D& p)
{
    return {std::round(p.x * 100.0) / 100.0, std::round(p.y * 100.0) / 100.0};
}

CDbPieceObject makePiece(const Pattern& pattern)
{
    CDbPieceObject piece;
    piece.info().setPatternNo(QStringLiteral("TR-100"));
    piece.info().setName(QLatin1String(pattern.name));
    piece.info().setDescription(QLatin1String(pattern.description));
    piece.info().setPieceCode(QLatin1String(pattern.code));
    piece.info().setFabricId(QStringLiteral("DENIM-150"));
    piece.setVELPieceQuantity(pattern.quantity);
    piece.setVELPieceSingle(pattern.quantity == 1);
    for (int step = -1; step <= 1; ++step) {
        const double fx = 1.0 + step * pattern.gradeX, fy = 1.0 + step * pattern.gradeY;
        CDbVectorsObjectTable outline;
        for (const Point& p : pattern.outline) {
            CDbMarkerPointObject point(tenthMm({p.x * fx, p.y * fy}), p.type);
            if (p.type == N)
                point.setNotchState(CDbMarkerPointObject::NotchCut);
            outline.append(point);
        }
        // The grain line runs along x through the middle of the piece.
        const GeoRectangle box = outline.boundingRect();
        const double y = box.center().y;
        CDbPieceSizeObject size;
        size.setName(QLatin1String(kSizes[step + 1]));
        size.setOutline(outline);
        size.setGrainLine(tenthMm({box.xmin + 0.2 * box.width(), y}),
                          tenthMm({box.xmin + 0.8 * box.width(), y}));
        piece.addSize(size);
    }
    return piece;
}

// The large pieces get a drill line across their middle, for the knife's internal cuts.
void addInternalSegments(CDbPolygon& polygon)
{
    const GeoRectangle box = polygon.boundingRect();
    if (box.width() < 30.0 || box.height() < 20.0)
        return;
    CDbVectorsObjectTable drill;
    for (double at : {0.4, 0.5, 0.6})
        drill.append(CDbMarkerPointObject(tenthMm({box.xmin + at * box.width(), box.center().y})));
    polygon.addInternalSegment(CDbInternalSegment(CDbInternalSegment::DrillLine, drill));
}

// Every piece of one garment in `size`, the second of each pair mirrored.
std::vector<CDbPolygon> garment(const CDbFabricObject& fabric, short size)
{
    std::vector<CDbPolygon> polygons;
    for (short p = 0; p < fabric.pieceCount(); ++p) {
        const CDbPieceSizeObject& s = *fabric.piece(p)->getPieceSize(size);
        for (short copy = 0; copy < fabric.piece(p)->getVELPieceQuantity(); ++copy) {
            CDbPolygon polygon;
            polygon.setPieceIndex(p);
            polygon.setSizeIndex(size);
            polygon.contours().addContour(s.outline());
            polygon.setGrainLine(s.grainStart(), s.grainEnd());
            addInternalSegments(polygon);
            if (copy % 2 == 1)
                polygon.mirrorY(polygon.boundingRect().center().y);
            polygons.push_back(polygon);
        }
    }
    return polygons;
}

void roundToTenthMm(CDbPolygon& polygon)
{
    for (CDbMarkerPointObject& p : polygon.contours().contour(0).points())
        static_cast<GeoPoint2D&>(p) = tenthMm(p);
    for (CDbInternalSegment& segment : polygon.internalSegments()) {
        for (CDbMarkerPointObject& p : segment.points().points())
            static_cast<GeoPoint2D&>(p) = tenthMm(p);
    }
    polygon.setGrainLine(tenthMm(polygon.grainStart()), tenthMm(polygon.grainEnd()));
}

// Places `polygons` in rows within the band, one group each; returns their extent.
GeoRectangle place(DocumentMak& document, CDbFabricObject& fabric, std::vector<CDbPolygon> polygons,
                   double bottom, double height, double gap)
{
    std::vector<GeoPoint2D> sizes;
    for (const CDbPolygon& p : polygons)
        sizes.emplace_back(p.boundingRect().width(), p.boundingRect().height());
    std::vector<GeoPoint2D> corners;
    if (!ShelfLayout::arrange(sizes, bottom, height, gap, &corners))
        qFatal("a piece is higher than its band");
    GeoRectangle extent;
    for (size_t i = 0; i < polygons.size(); ++i) {
        polygons[i].translate(corners[i] - polygons[i].boundingRect().leftBottom());
        roundToTenthMm(polygons[i]);
        auto group = std::make_unique<CDbGrPolysObject>();
        group->addPolygon(polygons[i]);
        extent.include(group->boundingRect());
        document.addPiece(group.release(), &fabric, 0);
    }
    return extent;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_sample <output.mak>\n";
        return 2;
    }
    DocumentMak document;
    CDbMarkerDrawing& drawing = *document.drawing();
    drawing.setName(QStringLiteral("Trousers TR-100, sizes S M L"));
    CDbFabricObject& fabric = drawing.addFabric();
    fabric.setName(QStringLiteral("Denim 150"));
    fabric.setColour(QColor(QStringLiteral("#3b5b92")));
    fabric.addLayer(kFabricWidth);
    for (const Pattern& pattern : kPatterns)
        fabric.addPiece(makePiece(pattern));

    // Sizes S and M laid half a centimetre apart inside a selvedge of half a centimetre.
    std::vector<CDbPolygon> laid = garment(fabric, 0);
    const std::vector<CDbPolygon> medium = garment(fabric, 1);
    laid.insert(laid.end(), medium.begin(), medium.end());
    const GeoRectangle marker = place(document, fabric, laid, 0.5, kFabricWidth - 1.0, 0.5);
    const GeoRectangle standby =
        place(document, fabric, garment(fabric, 2), kFabricWidth + 1.0, kFabricWidth - 2.0, 1.0);

    auto* end = new CDbLineObject;
    end->setPoints({marker.xmax + 1.0, 0.0}, {marker.xmax + 1.0, kFabricWidth});
    end->setText(QStringLiteral("End of marker"));
    document.addPiece(end, &fabric, 0);
    auto* label = new CDbTextObject;
    label->setLines({QStringLiteral("TR-100 trousers"), QStringLiteral("S and M laid, L waiting")});
    label->setLetterSize(30);
    label->setWorkSection(CDbGrPolysObject::SectionStandby);
    label->setCenter({standby.xmax + 40.0, 1.5 * kFabricWidth});
    document.addPiece(label, &fabric, 0);
    drawing.setCurrentFabricAndLayer(0, 0);

    QString error;
    if (!MarkerFile::save(document, QString::fromLocal8Bit(argv[1]), &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
