#pragma once

#include <QDockWidget>
#include <boost/shared_ptr.hpp>

class QHeaderView;
class QTableWidget;

namespace VelSystem {

class DocumentMak;
class ToolController;

// The size chart of the active marker's current fabric: a row per piece (by piece number), a
// column per size of its size plan (numbered from 1), and in each cell how many copies are laid
// and how many wait. Pairs made in the chart are marked on their rows or columns, the partner
// named in the tooltip. A click on a row's or a column's number goes to the current tool.
class SizeChartDock : public QDockWidget
{
    Q_OBJECT
public:
    explicit SizeChartDock(QWidget* parent = nullptr);

    void setDocument(const boost::shared_ptr<DocumentMak>& document);
    void setToolController(ToolController* tools) { mTools = tools; }
    QTableWidget* table() const { return mTable; }
    // Where a user clicks the number of size column `number` (`sizes`) or of piece row
    // `number`, both from 1: the header's viewport and the point in it. False when there is none.
    bool numberPoint(bool sizes, int number, QWidget** viewport, QPoint* point) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();

    boost::shared_ptr<DocumentMak> mDocument;
    ToolController* mTools = nullptr;
    QTableWidget* mTable;
};

} // namespace VelSystem
