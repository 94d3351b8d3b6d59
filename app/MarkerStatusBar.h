#pragma once

#include <QStatusBar>
#include <boost/shared_ptr.hpp>

class QLabel;

namespace VelSystem {

class DocumentMak;

// The status bar of the marker window: the mouse position, and the marker's length,
// utilization, number of overlapping pairs and the cutter's lengths for the active document.
class MarkerStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit MarkerStatusBar(QWidget* parent = nullptr);

    // Shows `document`'s values (none: blank).
    void setDocument(const boost::shared_ptr<DocumentMak>& document);
    QString lengthText() const;
    QString utilizationText() const;
    QString overlapText() const;
    QString cutPathText() const;
    QString unmatchedText() const;

    // "Length: 235.40 cm" and "Utilization: 90.1 %" of `document`, the utilization with
    // `decimals` decimals.
    static QString lengthOf(const DocumentMak& document);
    static QString utilizationOf(const DocumentMak& document, int decimals = 1);
    // "Cut: 812.40 cm, air: 96.10 cm": what the cutter cuts and travels with its tools up.
    static QString cutPathText(double cut, double air);
    // The same for the knife path of `document`'s current layer.
    static QString cutPathOf(const DocumentMak& document);

public slots:
    // Reads the values again (after an edit or an overlap search).
    void refresh();
    void showMousePosition(double x, double y);

private:
    boost::shared_ptr<DocumentMak> mDocument;
    QLabel* mPosition;
    QLabel* mLength;
    QLabel* mUtilization;
    QLabel* mOverlaps;
    QLabel* mCutPath;
    QLabel* mUnmatched;
};

} // namespace VelSystem
