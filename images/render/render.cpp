// Turns the hand-written SVGs in images/src into the PNGs compiled into the plug-in and
// writes images.qrc. Hover/pressed button states and the dark-background cursor twins are
// derived here instead of being drawn by hand, so the whole set keeps one look.
//
//   g++ -std=c++17 -fPIC -O2 render.cpp -o render $(pkg-config --cflags --libs Qt5Svg Qt5Gui)
//   ./render <images dir>                    render, write images.qrc, then check
//   ./render <images dir> --check            only check the committed files
//   ./render <images dir> --sheet out.png    render, check, and write a 4x contact sheet

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace {

const int kToolSize = 24;
const int kCursorSize = 32;

const char* const kTools[] = {
    "tool_arrow",
    "tool_zoom",
    "tool_block",
    "tool_cutdown",
    "tool_magnetic",
    "tool_cutangle",
    "tool_editblock",
    "tool_fillhole",
    "tool_text",
    "tool_ruler",
    "tool_convert",
    "tool_Sequence",
    "tool_StartPoint",
    "tool_externalhole",
    "tool_liftPlundge",
    "tool_SymmetricalCut",
    "tool_interalStartPoint",
    "tool_match_point",
    "tool_link",
    "tool_scale",
};

struct CursorDef
{
    const char* name;
    QPoint hotSpot; // must match the hot spot the code passes to QCursor
    bool darkTwin;  // also ship <name>_inv.png for dark marker backgrounds
};

const CursorDef kCursors[] = {
    {"cursor_block", {7, 7}, true},         {"cursor_convert_plus", {7, 7}, true},
    {"cursor_convert_minus", {7, 7}, true}, {"cursor_editblock", {7, 7}, true},
    {"cursor_editblocked", {7, 7}, true},   {"cursor_link", {7, 7}, true},
    {"cursor_linked", {7, 7}, true},        {"cursor_magnertic", {0, 0}, false},
};

const char* const kToolStates[] = {"", "_hover", "_down"};

// Cursors get a 1 px halo so they stay visible on any fill: white under the dark-ink
// version, near-black under the light-ink twin.
const QColor kLightHalo(255, 255, 255);
const QColor kDarkHalo(21, 25, 30);

int g_svgWarnings = 0;

void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    // QSvgRenderer only warns about markup it skips; a skipped element means a wrong image.
    if (type != QtDebugMsg && type != QtInfoMsg)
        ++g_svgWarnings;
    std::fprintf(stderr, "%s\n", qPrintable(msg));
}

struct Expected
{
    QString file;
    QSize size;
    QPoint hotSpot{-1, -1};
    bool toolNormal = false;
};

std::vector<Expected> expectedFiles()
{
    std::vector<Expected> out;
    for (const char* tool : kTools) {
        for (const char* state : kToolStates) {
            Expected e{QString("%1%2.png").arg(tool, state), {kToolSize, kToolSize}};
            e.toolNormal = *state == '\0';
            out.push_back(e);
        }
    }
    for (const CursorDef& c : kCursors) {
        out.push_back({QString("%1.png").arg(c.name), {kCursorSize, kCursorSize}, c.hotSpot});
        if (c.darkTwin)
            out.push_back({QString("%1_inv.png").arg(c.name), {kCursorSize, kCursorSize}, c.hotSpot});
    }
    return out;
}

QImage renderSvg(const QString& path, int size)
{
    QSvgRenderer svg(path);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(path));
        std::exit(1);
    }
    if (svg.viewBoxF().size() != QSizeF(size, size))
        std::fprintf(stderr, "warning: %s has a viewBox other than %dx%d\n", qPrintable(path), size, size),
            ++g_svgWarnings;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(0, 0, size, size));
    return img;
}

// Hover lifts the button onto a pale panel; pressed sinks it into a darker one with a
// shadow along the top and left inner edge.
QImage buttonState(const QImage& icon, bool pressed)
{
    QImage img(icon.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel(0.5, 0.5, icon.width() - 1, icon.height() - 1);
    p.setPen(QPen(pressed ? QColor("#5b87bd") : QColor("#8db6e3"), 1));
    p.setBrush(pressed ? QColor("#b7cfeb") : QColor("#e1eefc"));
    p.drawRoundedRect(panel, 3, 3);
    if (pressed) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor("#93b2d8"));
        const int w = icon.width(), h = icon.height();
        p.drawLine(3, 1, w - 4, 1);
        p.drawLine(1, 3, 1, h - 4);
        p.setRenderHint(QPainter::Antialiasing);
    }
    p.drawImage(0, 0, icon);
    return img;
}

// Adds a 1 px outline in `halo` around everything drawn, following the antialiased edge.
QImage withHalo(const QImage& src, const QColor& halo)
{
    const QImage s = src.convertToFormat(QImage::Format_ARGB32);
    QImage out(s.size(), QImage::Format_ARGB32);
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            int a = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= s.width() || ny >= s.height())
                        continue;
                    int na = qAlpha(s.pixel(nx, ny));
                    if (dx != 0 && dy != 0)
                        na = na * 3 / 4; // rounder corners than a square dilation
                    a = std::max(a, na);
                }
            }
            out.setPixel(x, y, qRgba(halo.red(), halo.green(), halo.blue(), a));
        }
    }
    QPainter p(&out);
    p.drawImage(0, 0, s);
    return out;
}

// Light-on-dark twin: greys swap lightness (dark ink becomes light, white fills become
// dark); saturated colours such as the accent and piece fill stay as drawn.
QImage darkTwin(const QImage& src)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            QColor c = QColor::fromRgba(img.pixel(x, y));
            if (c.alpha() == 0 || c.hslSaturation() >= 64)
                continue;
            c.setHsl(c.hslHue(), c.hslSaturation(), 255 - c.lightness(), c.alpha());
            img.setPixel(x, y, c.rgba());
        }
    }
    return img;
}

void save(const QImage& img, const QDir& dir, const QString& file)
{
    if (!img.convertToFormat(QImage::Format_ARGB32).save(dir.filePath(file), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(file)));
        std::exit(1);
    }
}

void renderAll(const QDir& dir)
{
    for (const char* tool : kTools) {
        const QImage icon = renderSvg(dir.filePath(QString("src/tools/%1.svg").arg(tool)), kToolSize);
        save(icon, dir, QString("%1.png").arg(tool));
        save(buttonState(icon, false), dir, QString("%1_hover.png").arg(tool));
        save(buttonState(icon, true), dir, QString("%1_down.png").arg(tool));
    }
    for (const CursorDef& c : kCursors) {
        const QImage art = renderSvg(dir.filePath(QString("src/cursors/%1.svg").arg(c.name)), kCursorSize);
        save(withHalo(art, kLightHalo), dir, QString("%1.png").arg(c.name));
        if (c.darkTwin)
            save(withHalo(darkTwin(art), kDarkHalo), dir, QString("%1_inv.png").arg(c.name));
    }

    QFile qrc(dir.filePath("images.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write images.qrc\n");
        std::exit(1);
    }
    QTextStream out(&qrc);
    out << "<RCC>\n    <qresource prefix=\"/images\">\n";
    for (const Expected& e : expectedFiles())
        out << "        <file>" << e.file << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
}

// Returns the number of problems found in the PNGs and images.qrc in `dir`.
int check(const QDir& dir)
{
    int problems = 0;
    auto fail = [&](const QString& what) {
        std::fprintf(stderr, "check: %s\n", qPrintable(what));
        ++problems;
    };

    QSet<QString> expectedNames;
    for (const Expected& e : expectedFiles()) {
        expectedNames.insert(e.file);
        const QImage img(dir.filePath(e.file));
        if (img.isNull()) {
            fail(e.file + " missing or unreadable");
            continue;
        }
        if (img.size() != e.size) {
            fail(QString("%1 is %2x%3, want %4x%5")
                     .arg(e.file)
                     .arg(img.width())
                     .arg(img.height())
                     .arg(e.size.width())
                     .arg(e.size.height()));
            continue;
        }
        if (!img.hasAlphaChannel())
            fail(e.file + " has no alpha channel");
        // A hot spot over a transparent pixel means the art drifted away from it.
        if (e.hotSpot.x() >= 0 && qAlpha(img.pixel(e.hotSpot)) < 200)
            fail(QString("%1: hot spot (%2,%3) is not opaque")
                     .arg(e.file)
                     .arg(e.hotSpot.x())
                     .arg(e.hotSpot.y()));
        // The button panel owns the outer pixel ring; art reaching it would merge with the border.
        if (e.toolNormal) {
            for (int i = 0; i < e.size.width(); ++i) {
                const int last = e.size.width() - 1;
                if (qAlpha(img.pixel(i, 0)) || qAlpha(img.pixel(i, last)) || qAlpha(img.pixel(0, i)) ||
                    qAlpha(img.pixel(last, i))) {
                    fail(e.file + " draws on its outer pixel ring");
                    break;
                }
            }
        }
    }

    for (const QString& png : dir.entryList({"*.png"}, QDir::Files))
        if (!expectedNames.contains(png))
            fail(png + " is not a listed image (stale or misspelt?)");

    QFile qrc(dir.filePath("images.qrc"));
    if (!qrc.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail("images.qrc missing");
        return problems;
    }
    const QString text = QString::fromUtf8(qrc.readAll());
    if (!text.contains("prefix=\"/images\""))
        fail("images.qrc does not use the /images prefix");
    QSet<QString> listed;
    QRegularExpressionMatchIterator it = QRegularExpression("<file>([^<]+)</file>").globalMatch(text);
    while (it.hasNext())
        listed.insert(it.next().captured(1));
    for (const QString& name : expectedNames)
        if (!listed.contains(name))
            fail(name + " is not in images.qrc");
    for (const QString& name : listed)
        if (!expectedNames.contains(name))
            fail(name + " in images.qrc is not a listed image");
    return problems;
}

// Everything at 4x plus the tools at real size: states side by side on light grey,
// cursors on light grey and their twins on dark, hot spots boxed in magenta.
void writeSheet(const QDir& dir, const QString& path)
{
    const int z = 4, pad = 10, label = 14;
    const int toolCell = 3 * kToolSize * z + 2 * 4;
    const int toolsPerRow = 4;
    const int toolRows = (int(std::size(kTools)) + toolsPerRow - 1) / toolsPerRow;
    const int cursorCell = kCursorSize * z;
    const int width = pad + toolsPerRow * (toolCell + pad);
    const int height = pad + toolRows * (kToolSize * z + label + pad) + 3 * kToolSize + 2 * pad +
                       2 * (cursorCell + label + pad) + pad;

    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(QColor("#d6d6d6"));
    QPainter p(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    p.setFont(font);
    auto blit = [&](const QString& file, int x, int y, int scale) {
        const QImage img(dir.filePath(file));
        p.drawImage(QRect(x, y, img.width() * scale, img.height() * scale), img);
    };

    int y = pad;
    for (int i = 0; i < int(std::size(kTools)); ++i) {
        const int x = pad + (i % toolsPerRow) * (toolCell + pad);
        const int top = y + (i / toolsPerRow) * (kToolSize * z + label + pad);
        for (int s = 0; s < 3; ++s)
            blit(QString("%1%2.png").arg(kTools[i], kToolStates[s]), x + s * (kToolSize * z + 4), top, z);
        p.setPen(Qt::black);
        p.drawText(x, top + kToolSize * z + label - 3, kTools[i]);
    }
    y += toolRows * (kToolSize * z + label + pad);

    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < int(std::size(kTools)); ++i)
            blit(QString("%1%2.png").arg(kTools[i], kToolStates[s]), pad + i * (kToolSize + 6),
                 y + s * kToolSize, 1);
    }
    y += 3 * kToolSize + 2 * pad;

    for (int row = 0; row < 2; ++row) {
        const bool dark = row == 1;
        if (dark)
            p.fillRect(0, y - pad / 2, width, cursorCell + label + pad, QColor("#2b2b2b"));
        int x = pad;
        for (const CursorDef& c : kCursors) {
            if (dark && !c.darkTwin)
                continue;
            const QString file = QString("%1%2.png").arg(c.name, dark ? "_inv" : "");
            blit(file, x, y, z);
            p.setPen(QColor(255, 0, 255));
            p.setBrush(Qt::NoBrush);
            p.drawRect(x + c.hotSpot.x() * z, y + c.hotSpot.y() * z, z - 1, z - 1);
            p.setPen(dark ? Qt::white : Qt::black);
            p.drawText(x, y + cursorCell + label - 3, QString(c.name).mid(7));
            x += cursorCell + 12;
        }
        y += cursorCell + label + pad;
    }
    p.end();
    sheet.save(path);
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts are only needed for the sheet's labels; no display is required.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(messageHandler);

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || !QDir(args[0]).exists()) {
        std::fprintf(stderr, "usage: render <images dir> [--check | --sheet out.png]\n");
        return 2;
    }
    const QDir dir(args[0]);
    const bool checkOnly = args.contains("--check");
    const int sheetArg = args.indexOf("--sheet");

    if (!checkOnly)
        renderAll(dir);
    const int problems = check(dir);
    if (sheetArg > 0 && sheetArg + 1 < args.size())
        writeSheet(dir, args[sheetArg + 1]);

    if (g_svgWarnings)
        std::fprintf(stderr, "%d warning(s) while rendering\n", g_svgWarnings);
    if (problems)
        std::fprintf(stderr, "%d problem(s)\n", problems);
    else
        std::printf("%zu images OK\n", expectedFiles().size());
    return problems || g_svgWarnings ? 1 : 0;
}
