#pragma once

#include <QStatusBar>
#include <boost/shared_ptr.hpp>

class QLabel;

namespace VelSystem {

class DocumentMak;

// The status bar of the marker window: the mouse position, and the marker's length,
// utilization and number of overlapping pairs for the active document.
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
};

} // namespace VelSystem
