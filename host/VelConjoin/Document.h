#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QObject>
#include <QPolygonF>
#include <QString>
#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

class QUndoStack;

namespace VelSystem {

class Selection;
class ViewFilter;

// A document shown in the host's views: it owns its undo stack and its current selection
// and answers picks. Subclasses (the marker document) hold the model.
class Document : public QObject, public boost::enable_shared_from_this<Document>
{
    Q_OBJECT
public:
    Document();
    ~Document() override;

    QUndoStack* undoStack() const { return mUndoStack; }

    QString fileName() const { return mFileName; }
    void setFileName(const QString& fileName);
    // True when the document changed since it was loaded or saved.
    bool isModified() const;
    void setClean();

    // The current selection (never null).
    virtual boost::shared_ptr<Selection> selection() const = 0;
    // The objects at `point`, within `tolerance` document units, visible under `filter`
    // (null: everything). Does not change the current selection.
    virtual boost::shared_ptr<Selection> pick(const GeoPoint2D& point, double tolerance,
                                              const ViewFilter* filter) const = 0;
    // The objects inside or crossing `polygon`.
    virtual boost::shared_ptr<Selection> pick(const QPolygonF& polygon, const ViewFilter* filter) const = 0;
    // Clears the current selection; true when it changed.
    virtual bool deselectAll(bool notify, bool includeHidden) = 0;
    // The extent of everything the document shows.
    virtual GeoRectangle extent() const = 0;

    // Pixels per centimetre of the view handling the current event (or the active view):
    // the views set it so that pixel tolerances convert to document units.
    double viewScale() const { return mViewScale; }
    void setViewScale(double pixelsPerCm) { mViewScale = pixelsPerCm; }

    // Announces an edit: views refresh, status values are recomputed.
    void emitModified();
    void emitSelectionChanged();

signals:
    void modified();
    void selectionChanged();
    void fileNameChanged(const QString& fileName);

private:
    QUndoStack* mUndoStack;
    QString mFileName;
    double mViewScale = 10.0;
};

} // namespace VelSystem
