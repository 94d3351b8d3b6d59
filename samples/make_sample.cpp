// Draws the bundled sample markers: a simple pair of trousers (front, back, waistband,
// pocket facing, pocket bag, fly) on a denim 150 cm wide, and a shirt (left and right
// fronts, back, sleeves, yoke, collar, pocket) on a plaid shirting 140 cm wide with an 8 cm
// repeat, whose fronts are to be matched at the centre front. Each is graded in sizes S, M
// and L; S and M are laid on the fabric area, L waits in the standby area.
//
//   make_sample <path/to/trousers-sample.mak> <path/to/plaid-shirt-sample.mak>

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTextObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/file/ShelfLayout.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
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

const char* const kSizes[] = {"S", "M", "L"};

const std::vector<Pattern> kTrousers = {
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

// The shirt's front, centre front along y = 0 with its chest notch at x = 38, the plaid's
// match point; the right front is its mirror image.
const std::vector<Point> kLeftFront = {{0, 0, C},   {38, 0, N},  {66, 0, C},  {72, 4, R},
                                       {74, 8, R},  {75, 12, C}, {71, 26, C}, {62, 27, R},
                                       {55, 26, R}, {50, 28, C}, {20, 28, N}, {0, 28, C}};

// `outline` mirrored across its centre line along x, still counter-clockwise.
std::vector<Point> mirrored(std::vector<Point> outline)
{
    for (Point& p : outline)
        p.y = -p.y;
    std::reverse(outline.begin() + 1, outline.end());
    return outline;
}

const std::vector<Pattern> kShirt = {
    {"Left front", "SH-01", "Buttonhole placket", 1, 0.02, 0.04, kLeftFront},
    {"Right front", "SH-02", "Button stand", 1, 0.02, 0.04, mirrored(kLeftFront)},
    {"Back",
     "SH-03",
     "Centre back on the fold line",
     1,
     0.02,
     0.04,
     {{0, 0, C},
      {20, 0, N},
      {50, 0, C},
      {55, 2, R},
      {62, 3, R},
      {72, 5, C},
      {75, 19, C},
      {73, 27, N},
      {75, 35, C},
      {72, 49, C},
      {62, 51, R},
      {55, 52, R},
      {50, 54, C},
      {20, 54, N},
      {0, 54, C},
      {0, 27, N}}},
    {"Sleeve",
     "SH-04",
     "",
     2,
     0.03,
     0.03,
     {{0, 9, C},
      {45, 0, C},
      {52, 6, R},
      {58, 14, R},
      {60, 21, N},
      {58, 28, R},
      {52, 36, R},
      {45, 42, C},
      {0, 33, C},
      {0, 21, N}}},
    {"Yoke", "SH-05", "", 1, 0.0, 0.04, {{0, 0, C}, {25, 0, N}, {50, 0, C}, {50, 12, C}, {0, 12, C}}},
    {"Collar", "SH-06", "", 1, 0.0, 0.04, {{0, 0, C}, {21, 0, N}, {42, 0, C}, {39, 8, C}, {3, 8, C}}},
    {"Pocket",
     "SH-07",
     "Left chest",
     1,
     0.0,
     0.0,
     {{0, 1.5, C}, {6.5, 0, C}, {13, 1.5, C}, {13, 14, C}, {6.5, 14, N}, {0, 14, C}}},
};

// One sample marker: its garment, fabric and labels.
struct Sample
{
    const char* title;
    const char* patternNo;
    const char* fabricId;
    const char* fabricName;
    const char* colour;
    double fabricWidth;
    // The plaid's repeat along both axes; 0 for a plain fabric.
    double plaidRepeat;
    const std::vector<Pattern>* patterns;
    QStringList label;
};

// Coordinates to a tenth of a millimetre, as patterns are drawn; the file then reads plainly.
GeoPoint2D tenthMm(const GeoPoint2D& p)
{
    return {std::round(p.x * 100.0) / 100.0, std::round(p.y * 100.0) / 100.0};
}

// The large pieces get a drill line across their middle, for the knife's internal cuts.
void addInternalSegments(CDbPieceSizeObject& size)
{
    const GeoRectangle box = size.outline().boundingRect();
    if (box.width() < 30.0 || box.height() < 20.0)
        return;
    CDbVectorsObjectTable drill;
    for (double at : {0.4, 0.5, 0.6})
        drill.append(CDbMarkerPointObject(tenthMm({box.xmin + at * box.width(), box.center().y})));
    size.addInternalSegment(CDbInternalSegment(CDbInternalSegment::DrillLine, drill));
}

CDbPieceObject makePiece(const Sample& sample, const Pattern& pattern)
{
    CDbPieceObject piece;
    piece.info().setPatternNo(QLatin1String(sample.patternNo));
    piece.info().setName(QLatin1String(pattern.name));
    piece.info().setDescription(QLatin1String(pattern.description));
    piece.info().setPieceCode(QLatin1String(pattern.code));
    piece.info().setFabricId(QLatin1String(sample.fabricId));
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
        addInternalSegments(size);
        piece.addSize(size);
    }
    return piece;
}

// Every piece of one garment in `size`, the second of each pair mirrored.
std::vector<CDbPolygon> garment(const CDbFabricObject& fabric, short size)
{
    std::vector<CDbPolygon> polygons;
    for (short p = 0; p < fabric.pieceCount(); ++p) {
        const CDbPieceSizeObject& s = *fabric.piece(p)->getPieceSize(size);
        for (short copy = 0; copy < fabric.piece(p)->getVELPieceQuantity(); ++copy) {
            CDbPolygon polygon = CDbPolygon::ofPieceSize(p, size, s);
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

// Writes `sample` to `path`; false with the error on `err` when it cannot.
bool writeSample(const Sample& sample, const QString& path, QTextStream& err)
{
    const double width = sample.fabricWidth;
    DocumentMak document;
    CDbMarkerDrawing& drawing = *document.drawing();
    drawing.setName(QLatin1String(sample.title));
    CDbFabricObject& fabric = drawing.addFabric();
    fabric.setName(QLatin1String(sample.fabricName));
    fabric.setColour(QColor(QLatin1String(sample.colour)));
    fabric.setPlaidRepeat(sample.plaidRepeat, sample.plaidRepeat);
    fabric.addLayer(width);
    for (const Pattern& pattern : *sample.patterns)
        fabric.addPiece(makePiece(sample, pattern));

    // Sizes S and M laid half a centimetre apart inside a selvedge of half a centimetre.
    std::vector<CDbPolygon> laid = garment(fabric, 0);
    const std::vector<CDbPolygon> medium = garment(fabric, 1);
    laid.insert(laid.end(), medium.begin(), medium.end());
    const GeoRectangle marker = place(document, fabric, laid, 0.5, width - 1.0, 0.5);
    const GeoRectangle standby = place(document, fabric, garment(fabric, 2), width + 1.0, width - 2.0, 1.0);

    auto* end = new CDbLineObject;
    end->setPoints({marker.xmax + 1.0, 0.0}, {marker.xmax + 1.0, width});
    end->setText(QStringLiteral("End of marker"));
    document.addPiece(end, &fabric, 0);
    auto* label = new CDbTextObject;
    label->setLines(sample.label);
    label->setLetterSize(30);
    label->setWorkSection(CDbGrPolysObject::SectionStandby);
    label->setCenter({standby.xmax + 40.0, 1.5 * width});
    document.addPiece(label, &fabric, 0);
    drawing.setCurrentFabricAndLayer(0, 0);

    QString error;
    if (MarkerFile::save(document, path, &error))
        return true;
    err << error << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: make_sample <trousers-sample.mak> <plaid-shirt-sample.mak>\n";
        return 2;
    }
    const Sample trousers{"Trousers TR-100, sizes S M L",
                          "TR-100",
                          "DENIM-150",
                          "Denim 150",
                          "#3b5b92",
                          150.0,
                          0.0,
                          &kTrousers,
                          {QStringLiteral("TR-100 trousers"), QStringLiteral("S and M laid, L waiting")}};
    const Sample shirt{"Plaid shirt SH-200, sizes S M L",
                       "SH-200",
                       "PLAID-140",
                       "Plaid shirting 140",
                       "#9c3d3d",
                       140.0,
                       8.0,
                       &kShirt,
                       {QStringLiteral("SH-200 plaid shirt"), QStringLiteral("S and M laid, L waiting")}};
    return writeSample(trousers, QString::fromLocal8Bit(argv[1]), err) &&
                   writeSample(shirt, QString::fromLocal8Bit(argv[2]), err)
               ? 0
               : 1;
}
