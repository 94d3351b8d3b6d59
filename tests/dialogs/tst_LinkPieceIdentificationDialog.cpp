#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "frame/ContextTranslator.h"

#include "Dialog/LinkPieceIdentificationDialog.h"
#include "laystore/CDbFabricObject.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

using namespace VelSystem;
using DialogTest::child;

namespace {

QString shown(const QDialog& dialog, const char* label)
{
    return child<QLabel>(&dialog, label)->text();
}

PieceInfo frontInfo()
{
    PieceInfo info;
    info.setPatternNo(QStringLiteral("P-204"));
    info.setName(QStringLiteral("<b>Front</b>"));
    info.setDescription(QStringLiteral("Front panel"));
    info.setPieceCode(QStringLiteral("FR"));
    info.setReferenceCode(QStringLiteral("REF 7"));
    info.setMarkerId(QStringLiteral("M-12"));
    info.setFabricId(QStringLiteral("Plaid wool"));
    return info;
}

} // namespace

class tst_LinkPieceIdentificationDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogTest::setUpDialogTests(); }

    void showsWhoThePieceIs()
    {
        ContextTranslator translator;
        CDbFabricObject fabric;
        fabric.addPiece(CDbPieceObject());
        fabric.addPiece(CDbPieceObject());
        CDbPieceObject back;
        back.setVELPieceQuantity(4);
        back.setVELPieceSingle(false);
        const short index = fabric.addPiece(back);
        PieceInfo info = frontInfo();
        LinkPieceIdentificationDialog dialog(&info, fabric.piece(index), &fabric);

        QCOMPARE(shown(dialog, "labelSelectedPiece"), QString::number(index));
        QCOMPARE(shown(dialog, "labelPattern"), QStringLiteral("P-204"));
        // Identification texts are shown as they are, never as markup.
        QCOMPARE(shown(dialog, "labelPieceName"), QStringLiteral("<b>Front</b>"));
        QCOMPARE(child<QLabel>(&dialog, "labelPieceName")->textFormat(), Qt::PlainText);
        QCOMPARE(shown(dialog, "labelDescription"), QStringLiteral("Front panel"));
        QCOMPARE(shown(dialog, "labelPieceCode"), QStringLiteral("FR"));
        QCOMPARE(shown(dialog, "labelReferenceCode"), QStringLiteral("REF 7"));
        QCOMPARE(shown(dialog, "labelQtyNumber"), QStringLiteral("4"));
        QCOMPARE(shown(dialog, "labelQtyName"),
                 ContextTranslator::tagged("Velsystem::LinkPieceIdentificationDialog", "Paired"));
        QCOMPARE(shown(dialog, "labelFabric"), QStringLiteral("Plaid wool"));
        QCOMPARE(shown(dialog, "labelMarkerID"), QStringLiteral("M-12"));

        const QList<QAbstractButton*> buttons = child<QDialogButtonBox>(&dialog, "buttonBox")->buttons();
        QCOMPARE(buttons.size(), 1);
        buttons.first()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void showsZeroQuantityAndAForeignPiece()
    {
        CDbFabricObject fabric;
        fabric.addPiece(CDbPieceObject());
        CDbPieceObject stranger;
        stranger.setVELPieceQuantity(0);
        stranger.setVELPieceSingle(true);
        PieceInfo info;
        LinkPieceIdentificationDialog dialog(&info, &stranger, &fabric);
        short code = 0;
        const short index = fabric.getPieceIndex(&stranger, &code);
        QVERIFY(index < 0);
        QCOMPARE(shown(dialog, "labelSelectedPiece"), QString::number(index));
        QCOMPARE(shown(dialog, "labelQtyNumber"), QStringLiteral("0"));
        QCOMPARE(shown(dialog, "labelQtyName"), QStringLiteral("Single"));
        QCOMPARE(shown(dialog, "labelPattern"), QString());
    }
};

MARKER_TEST(tst_LinkPieceIdentificationDialog)
#include "tst_LinkPieceIdentificationDialog.moc"
