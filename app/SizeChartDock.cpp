#include "SizeChartDock.h"

#include "ToolController.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>

namespace VelSystem {

namespace {

// Marks a row or column cut down in the chart.
const QString kPairMark = QStringLiteral(" \u2194");

QString sizeName(const CDbFabricObject& fabric, short sizeId)
{
    for (short p = 0; p < fabric.pieceCount(); ++p) {
        if (const CDbPieceSizeObject* size = fabric.piece(p)->getPieceSize(sizeId))
            return size->name();
    }
    return QString();
}

} // namespace

SizeChartDock::SizeChartDock(QWidget* parent)
    : QDockWidget(tr("Size Chart"), parent), mTable(new QTableWidget)
{
    setObjectName(QStringLiteral("sizeChartDock"));
    mTable->setObjectName(QStringLiteral("sizeChartTable"));
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->setSelectionMode(QAbstractItemView::NoSelection);
    mTable->horizontalHeader()->viewport()->installEventFilter(this);
    mTable->verticalHeader()->viewport()->installEventFilter(this);
    setWidget(mTable);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown)
            rebuild();
    });
}

void SizeChartDock::setDocument(const boost::shared_ptr<DocumentMak>& document)
{
    if (mDocument)
        disconnect(mDocument.get(), nullptr, this, nullptr);
    mDocument = document;
    if (mDocument)
        connect(mDocument.get(), &Document::modified, this, &SizeChartDock::rebuild);
    rebuild();
}

void SizeChartDock::rebuild()
{
    // Hidden, it has nothing to show; it catches up when shown.
    if (!isVisible())
        return;
    const CDbFabricObject* fabric = mDocument ? mDocument->drawing()->getCurrentFabric() : nullptr;
    mTable->clear();
    mTable->setRowCount(fabric ? fabric->pieceCount() : 0);
    if (!fabric) {
        mTable->setColumnCount(0);
        return;
    }
    const CDbMarkerDrawing& drawing = *mDocument->drawing();
    const CDbSizePlan& plan = fabric->sizePlan();
    const std::vector<CDbDisplaySizeObject> columns = plan.columns(*fabric);
    const CDbSizePlan::Counts counts = CDbSizePlan::count(*fabric);
    mTable->setColumnCount(int(columns.size()));
    const auto header = [](const QString& text, const QString& tip, bool waiting) {
        auto* item = new QTableWidgetItem(text);
        item->setToolTip(tip);
        QFont font = item->font();
        font.setBold(waiting);
        item->setFont(font);
        return item;
    };
    for (const CDbDisplaySizeObject& column : columns) {
        const int number = column.columnIndex + 1;
        QString text =
            tr("%1\n%2 \u00d7%3").arg(number).arg(sizeName(*fabric, column.sizeId)).arg(column.quantity);
        QString tip = tr("Size column %1: %2 garments").arg(number).arg(column.quantity);
        if (column.displaySizeIsInCutDown()) {
            text += kPairMark;
            tip += tr("; cut down with size column %1").arg(column.partnerIndex + 1);
        }
        mTable->setHorizontalHeaderItem(column.columnIndex,
                                        header(text, tip, drawing.chartFirstSize() == number));
    }
    for (short p = 0; p < fabric->pieceCount(); ++p) {
        const CDbPieceObject& piece = *fabric->piece(p);
        QString text = tr("%1 %2").arg(p + 1).arg(piece.name());
        QString tip = tr("%1 per garment").arg(piece.getVELPieceQuantity());
        const CDbSizePlan::PiecePair* pair = plan.piecePairOf(p);
        if (pair) {
            const short partner = pair->first == p ? pair->second : pair->first;
            text += kPairMark;
            tip += tr("; cut down with %1 %2").arg(partner + 1).arg(fabric->piece(partner)->name());
        }
        mTable->setVerticalHeaderItem(p, header(text, tip, drawing.chartFirstPiece() == p + 1));
        for (const CDbDisplaySizeObject& column : columns) {
            const auto found = counts.find({p, column.sizeId});
            const CDbSizePlan::Count count = found == counts.end() ? CDbSizePlan::Count() : found->second;
            auto* cell = new QTableWidgetItem(tr("%1 / %2").arg(count.laid).arg(count.waiting));
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setToolTip(tr("%1 laid, %2 waiting").arg(count.laid).arg(count.waiting));
            if (pair || column.displaySizeIsInCutDown())
                cell->setBackground(palette().alternateBase());
            mTable->setItem(p, column.columnIndex, cell);
        }
    }
    mTable->resizeColumnsToContents();
}

bool SizeChartDock::numberPoint(bool sizes, int number, QWidget** viewport, QPoint* point) const
{
    QHeaderView* header = sizes ? mTable->horizontalHeader() : mTable->verticalHeader();
    if (number < 1 || number > header->count())
        return false;
    const int middle = header->sectionViewportPosition(number - 1) + header->sectionSize(number - 1) / 2;
    *viewport = header->viewport();
    *point = sizes ? QPoint(middle, header->height() / 2) : QPoint(header->width() / 2, middle);
    return true;
}

bool SizeChartDock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QDockWidget::eventFilter(watched, event);
    const bool sizes = watched == mTable->horizontalHeader()->viewport();
    QHeaderView* header = sizes ? mTable->horizontalHeader() : mTable->verticalHeader();
    auto* press = static_cast<QMouseEvent*>(event);
    const int section = header->logicalIndexAt(press->pos());
    if (section >= 0 && mTools) {
        const short number = static_cast<short>(section + 1);
        mTools->chartClicked(sizes ? number : short(0), sizes ? short(0) : number, press);
        // The click may only have chosen a first row or column, which the document does not announce.
        rebuild();
    }
    return true;
}

} // namespace VelSystem
