#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "frame/ContextTranslator.h"

#include "Dialog/CutdownPositionDialog.h"
#include "Dialog/LinkPieceIdentificationDialog.h"
#include "Dialog/LinkPropertiesDialog.h"
#include "Dialog/P2PDistanceDialog.h"
#include "Dialog/PieceCutDialog.h"
#include "Dialog/SeamValueDialog.h"
#include "Dialog/TextDialog.h"
#include "Dialog/TextInfoDialog.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <memory>

using namespace VelSystem;

namespace {

// The widgets a form names, read from the form file itself.
QStringList formWidgets(const QString& form)
{
    QFile file(QStringLiteral(MARKER_SOURCE_DIR "/src/Dialog/") + form);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QStringList names;
    QXmlStreamReader xml(&file);
    bool top = true;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("widget"))
            continue;
        // The first widget is the dialog itself.
        if (!top)
            names << xml.attributes().value(QLatin1String("name")).toString();
        top = false;
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(form), qPrintable(xml.errorString()));
    return names;
}

// One way a dialog is shown: which form, what the code hides in it, and how to build it.
struct Variant
{
    QString form;
    QSet<QString> hidden;
    std::function<QDialog*()> make;
};

class DialogData
{
public:
    DialogData()
    {
        mFabric.setPlaidRepeat(10.0, 8.0);
        mLink.setRules(CDbTwainLinkPiecesObject::IdenticalX | CDbTwainLinkPiecesObject::SymmetricalY);
        mLink.setOffsets(1.25, -0.5);
        mLink.setMaxSwatchDistances(3.0, 4.0);
        mText.setLines({"Style 12", "Size M"});
        mText.setAngle(90.0);
        CDbPieceObject piece;
        piece.setVELPieceQuantity(2);
        piece.setVELPieceSingle(false);
        mPiece = mFabric.piece(mFabric.addPiece(piece));
        mInfo.setPatternNo(QStringLiteral("P-204"));
        mInfo.setName(QStringLiteral("Front"));
        mInfo.setDescription(QStringLiteral("Front panel, left"));
        mInfo.setPieceCode(QStringLiteral("FR"));
        mInfo.setReferenceCode(QStringLiteral("REF 7"));
        mInfo.setMarkerId(QStringLiteral("M-12"));
        mInfo.setFabricId(QStringLiteral("Plaid wool"));
    }

    QList<QPair<QString, Variant>> variants()
    {
        const QSet<QString> offsets = {"editOffsetY", "label", "label_2", "editOffsetX"};
        const QSet<QString> centring = {"centerX", "onLineX", "centerY", "onLineY"};
        const QSet<QString> halfWay = {"halfWayX", "halfWayY"};
        const QSet<QString> matchPoint = {"matchPoint", "line_2"};
        const GeoRectangle first(0.0, 0.0, 40.0, 10.0);
        const GeoRectangle second(50.0, 2.0, 70.0, 8.0);
        return {
            {"CutdownPosition",
             {"CutdownPositionDialog.ui",
              {},
              [=] { return new CutdownPositionDialog(false, first, second, 1, 1.5, 0, -2.0); }}},
            {"CutdownPosition-readonly",
             {"CutdownPositionDialog.ui",
              {},
              [=] { return new CutdownPositionDialog(true, first, second, 2, 0.0, 2, 3.0); }}},
            {"CutdownPosition-axes",
             {"CutdownPositionDialog.ui", offsets, [] { return new CutdownPositionDialog(1, 2); }}},
            {"PieceCut",
             {"PieceCutDialog.ui",
              {},
              [] { return new PieceCutDialog(GeoRectangle(0.0, 0.0, 200.0, 150.0)); }}},
            {"SeamValue", {"SeamValueDialog.ui", {}, [] { return new SeamValueDialog(nullptr, 5.0); }}},
            {"TextInfo", {"TextInfoDialog.ui", {}, [this] { return new TextInfoDialog(&mText); }}},
            {"Text", {"TextDialog.ui", {}, [] { return new TextDialog(QStringLiteral("Front left")); }}},
            {"LinkProperties",
             {"LinkPropertiesDialog.ui", centring + matchPoint,
              [this] { return linkProperties(QStringLiteral("Orbalune Plot")); }}},
            {"LinkProperties-extended",
             {"LinkPropertiesDialog.ui", halfWay + matchPoint,
              [this] { return linkProperties(QStringLiteral("Quorvane")); }}},
            {"LinkProperties-matchpoint",
             {"LinkPropertiesDialog.ui", centring,
              [this] { return linkProperties(QStringLiteral("Tessmere")); }}},
            {"LinkPieceIdentification",
             {"LinkPieceIdentificationDialog.ui",
              {},
              [this] { return new LinkPieceIdentificationDialog(&mInfo, mPiece, &mFabric); }}},
            {"ToolRuler",
             {"P2PDistanceDialog.ui",
              {},
              [] {
                  return new P2PDistanceDialog(GeoPoint2D(1.0, 1.0), GeoPoint2D(13.5, -6.25), nullptr,
                                               nullptr);
              }}},
        };
    }

private:
    QDialog* linkProperties(const QString& engine)
    {
        CDbMarkerShareGlobales::instance()->setAutomaticMarkerEngine(engine);
        return new LinkPropertiesDialog(&mLink, &mFabric);
    }

    CDbFabricObject mFabric;
    CDbTwainLinkPiecesObject mLink;
    CDbTextObject mText;
    CDbPieceObject* mPiece;
    PieceInfo mInfo;
};

} // namespace

class tst_DialogForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mSettingsDir.isValid());
        DialogTest::setUpDialogTests();
        // The desktop's usual font, as under a real display; the offscreen platform's own is larger.
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        QCoreApplication::setOrganizationName(QStringLiteral("VelSystemTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_DialogForms"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mSettingsDir.path());
        QSettings().setValue(QStringLiteral("text_list"), QStringList({"Front", "Back"}));
        mEngine = CDbMarkerShareGlobales::instance()->getAutomaticMarkerEngine();
    }

    void cleanupTestCase() { CDbMarkerShareGlobales::instance()->setAutomaticMarkerEngine(mEngine); }

    void showsEveryWidgetItsFormNames_data()
    {
        QTest::addColumn<int>("index");
        DialogData data;
        const auto variants = data.variants();
        for (int i = 0; i < variants.size(); ++i)
            QTest::newRow(qPrintable(variants[i].first)) << i;
    }

    // Shown on a screen, every widget of the form is there, visible unless the dialog hides
    // it on purpose, and gets at least the room it needs: no caption or value is cut off. With
    // MARKER_DIALOG_SNAPSHOTS set to a folder, each dialog is also saved there as a picture.
    void showsEveryWidgetItsFormNames()
    {
        QFETCH(int, index);
        DialogData data;
        const Variant shown = data.variants().at(index).second;
        const std::unique_ptr<QDialog> dialog(shown.make());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

        const QStringList names = formWidgets(shown.form);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            const QWidget* widget = dialog->findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->isVisible(), !shown.hidden.contains(name));
            if (!widget->isVisible())
                continue;
            const QSize needed = widget->minimumSizeHint();
            QVERIFY2(widget->width() >= needed.width() && widget->height() >= needed.height(),
                     qPrintable(QStringLiteral("%1 is %2x%3, needs %4x%5")
                                    .arg(name)
                                    .arg(widget->width())
                                    .arg(widget->height())
                                    .arg(needed.width())
                                    .arg(needed.height())));
            if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
                // The frame and the inner margins take about 4 pixels on each side.
                const int textWidth = edit->fontMetrics().horizontalAdvance(edit->text()) + 8;
                QVERIFY2(edit->width() >= textWidth, qPrintable(QStringLiteral("%1 shows \"%2\" in %3 pixels")
                                                                    .arg(name, edit->text())
                                                                    .arg(edit->width())));
            }
            const QRect inDialog(widget->mapTo(dialog.get(), QPoint(0, 0)), widget->size());
            QVERIFY2(dialog->rect().contains(inDialog), qPrintable(name));
        }

        const QString snapshots = qEnvironmentVariable("MARKER_DIALOG_SNAPSHOTS");
        if (!snapshots.isEmpty()) {
            QVERIFY(QDir().mkpath(snapshots));
            QVERIFY(dialog->grab().save(
                QDir(snapshots).filePath(QTest::currentDataTag() + QStringLiteral(".png"))));
        }
    }

    void textsGoThroughTheFormsContexts()
    {
        const QMap<QString, QString> titles = {{"CutdownPosition", "Cut Down Position"},
                                               {"PieceCut", "Piece Cut"},
                                               {"SeamValue", "Seam Value"},
                                               {"TextInfo", "Text Info"},
                                               {"Text", "Text"},
                                               {"LinkProperties", "Link Properties"},
                                               {"LinkPieceIdentification", "Piece Identification"},
                                               {"ToolRuler", "Point to Point Distance"}};
        ContextTranslator translator;
        DialogData data;
        for (const auto& variant : data.variants()) {
            const QString context = variant.first.section(QLatin1Char('-'), 0, 0);
            QVERIFY2(titles.contains(context), qPrintable(context));
            const std::unique_ptr<QDialog> dialog(variant.second.make());
            QCOMPARE(dialog->objectName(), context);
            QCOMPARE(dialog->windowTitle(),
                     ContextTranslator::tagged(qPrintable(context), qPrintable(titles.value(context))));
        }
    }

private:
    QTemporaryDir mSettingsDir;
    QString mEngine;
};

MARKER_TEST(tst_DialogForms)
#include "tst_DialogForms.moc"
