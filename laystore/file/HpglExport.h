#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace VelSystem {

class DocumentMak;

// The file a cutter or plotter reads: the knife path (KnifePath) of the marker's current
// layer in HPGL/2, 40 plotter units a millimetre, x along the marker. Pen 1 is the knife,
// pen 2 the punch, pen 3 the notch cutter; pen up for air moves, pen down to cut. The first
// line is a comment with the marker's length.
class HpglExport
{
    Q_DECLARE_TR_FUNCTIONS(HpglExport)

public:
    static constexpr int kUnitsPerCm = 400;

    static QByteArray toHpgl(const DocumentMak& document);
    // Writes the file through a temporary one beside it, so that a failure leaves a former
    // file as it was; false with `error` set when it could not.
    static bool save(const DocumentMak& document, const QString& path, QString* error);
};

} // namespace VelSystem
