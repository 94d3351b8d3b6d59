#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "frame/ContextTranslator.h"

#include "Dialog/LinkPropertiesDialog.h"
#include "VelGui/VelValidator.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

#include <QCheckBox>

using namespace VelSystem;
using DialogTest::child;
using Link = CDbTwainLinkPiecesObject;

namespace {

const char* const kRuleBoxes[] = {"identicalX", "identicalY", "symmetricalX", "symmetricalY", "halfWayX",
                                  "halfWayY",   "centerX",    "centerY",      "onLineX",      "onLineY"};

QCheckBox* box(const QDialog& dialog, const char* name)
{
    return child<QCheckBox>(&dialog, name);
}

QLineEdit* edit(const QDialog& dialog, const char* name)
{
    return child<QLineEdit>(&dialog, name);
}

void useEngine(const QString& name)
{
    CDbMarkerShareGlobales::instance()->setAutomaticMarkerEngine(name);
}

} // namespace

class tst_LinkPropertiesDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        DialogTest::setUpDialogTests();
        mEngine = CDbMarkerShareGlobales::instance()->getAutomaticMarkerEngine();
    }

    void init()
    {
        useEngine(QStringLiteral("Orbalune Plot"));
        mFabric.setPlaidRepeat(10.0, 8.0);
        mLink = Link();
        mLink.setOffsets(1.5, -2.0);
        mLink.setMaxSwatchDistances(3.0, 4.0);
    }

    void cleanupTestCase() { useEngine(mEngine); }

    void boxesShowTheRuleWord_data()
    {
        QTest::addColumn<int>("bit");
        for (int bit = 0; bit < 10; ++bit)
            QTest::newRow(kRuleBoxes[bit]) << bit;
    }

    void boxesShowTheRuleWord()
    {
        QFETCH(int, bit);
        mLink.setRules(1u << bit);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        for (int other = 0; other < 10; ++other)
            QCOMPARE(box(dialog, kRuleBoxes[other])->isChecked(), other == bit);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mLink.rules(), 1u << bit);
    }

    void okKeepsOnlyTheTenRuleBits()
    {
        mLink.setRules(0xFFFFFC00u | Link::IdenticalX | Link::OnLineY);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mLink.rules(), quint32(Link::IdenticalX | Link::OnLineY));
    }

    void disabledFieldsAreSavedAsZeroAndNoLimit()
    {
        // Only the x axis is identical: the y offset does not apply.
        mLink.setRules(Link::IdenticalX);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        QVERIFY(edit(dialog, "offsetX")->isEnabled());
        QVERIFY(!edit(dialog, "offsetY")->isEnabled());
        edit(dialog, "offsetX")->setText(QStringLiteral("2.5"));
        edit(dialog, "edit_swatch_distance_x")->setText(QStringLiteral("6"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mLink.offsetX(), 2.5);
        QCOMPARE(mLink.offsetY(), 0.0);
        QCOMPARE(mLink.maxSwatchDistanceX(), 6.0);
        QCOMPARE(mLink.maxSwatchDistanceY(), 4.0);
    }

    void otherEnginesDisableEveryField()
    {
        for (const char* engine : {"Tessmere", "Brevant", "Orbalune Gauge", "Nesting"}) {
            useEngine(QString::fromLatin1(engine));
            mLink.setRules(Link::IdenticalX | Link::SymmetricalY);
            mLink.setOffsets(1.5, -2.0);
            mLink.setMaxSwatchDistances(3.0, 4.0);
            LinkPropertiesDialog dialog(&mLink, &mFabric);
            const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
            QCOMPARE(edits.size(), 4);
            for (const QLineEdit* field : edits)
                QVERIFY2(!field->isEnabled(), engine);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(mLink.offsetX(), 0.0);
            QCOMPARE(mLink.offsetY(), 0.0);
            QCOMPARE(mLink.maxSwatchDistanceX(), Link::kNoSwatchLimit);
            QCOMPARE(mLink.maxSwatchDistanceY(), Link::kNoSwatchLimit);
        }
    }

    // No limit shows as an empty field and survives OK; 0 on both axes also means no limit.
    void swatchDistancesSurviveOk_data()
    {
        QTest::addColumn<double>("storedX");
        QTest::addColumn<double>("storedY");
        QTest::addColumn<QString>("shownX");
        QTest::addColumn<QString>("shownY");
        QTest::addColumn<QString>("typedY");
        QTest::addColumn<double>("savedX");
        QTest::addColumn<double>("savedY");
        const double none = Link::kNoSwatchLimit;
        QTest::newRow("no limits") << none << none << ""
                                   << ""
                                   << "" << none << none;
        QTest::newRow("no limit in x only") << none << 4.0 << ""
                                            << "4.00 cm"
                                            << "4" << none << 4.0;
        QTest::newRow("a limit typed") << none << none << ""
                                       << ""
                                       << "5000" << none << 5000.0;
        QTest::newRow("one zero is a limit") << 0.0 << 4.0 << "0.00 cm"
                                             << "4.00 cm"
                                             << "4" << 0.0 << 4.0;
        QTest::newRow("two zeros") << 0.0 << 4.0 << "0.00 cm"
                                   << "4.00 cm"
                                   << "0" << none << none;
    }

    void swatchDistancesSurviveOk()
    {
        QFETCH(double, storedX);
        QFETCH(double, storedY);
        QFETCH(QString, typedY);
        mLink.setMaxSwatchDistances(storedX, storedY);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        QTEST(edit(dialog, "edit_swatch_distance_x")->text(), "shownX");
        QTEST(edit(dialog, "edit_swatch_distance_y")->text(), "shownY");
        edit(dialog, "edit_swatch_distance_y")->setText(typedY);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QTEST(mLink.maxSwatchDistanceX(), "savedX");
        QTEST(mLink.maxSwatchDistanceY(), "savedY");
    }

    void swatchDistanceOutOfRangeIsRefused()
    {
        RecordingSink sink;
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        edit(dialog, "edit_swatch_distance_y")->setText(QStringLiteral("5000.01"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages,
                 QStringList(QStringLiteral("The value of \"Max Distance Y\" is out of range. Enter a "
                                            "value from 0.00 cm to 5000.00 cm.")));
        QCOMPARE(mLink.maxSwatchDistanceY(), 4.0);
    }

    void refusesWithoutPlaidOrStripe()
    {
        ContextTranslator translator;
        RecordingSink sink;
        mFabric.setPlaidRepeat(0.0, 0.0);
        mLink.setRules(Link::IdenticalX | 0x8000u);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        box(dialog, "symmetricalY")->click();
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages,
                 QStringList(ContextTranslator::tagged(
                     "VelSystem::LinkPropertiesDialog",
                     "In order to activate the setting in Link Properties.You have to create plaid and "
                     "stripe in simulation area.")));
        QCOMPARE(mLink.rules(), quint32(Link::IdenticalX | 0x8000u));
        QCOMPARE(mLink.offsetX(), 1.5);
    }

    void offsetsStayWithinOneRepeatWhereThereIsOne()
    {
        RecordingSink sink;
        mLink.setRules(Link::IdenticalX | Link::IdenticalY);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        const auto* validator = qobject_cast<const VelValidator*>(edit(dialog, "offsetY")->validator());
        QVERIFY(validator);
        QCOMPARE(validator->minimum(), 6e-05 - 8.0);
        QCOMPARE(validator->maximum(), 8.0 - 6e-05);
        edit(dialog, "offsetX")->setText(QStringLiteral("-9.9999"));
        edit(dialog, "offsetY")->setText(QStringLiteral("8"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY2(
            sink.messages.first().startsWith(QStringLiteral("The value of \"Offset Y\" is out of range.")),
            qPrintable(sink.messages.first()));
        QCOMPARE(mLink.offsetY(), -2.0);

        edit(dialog, "offsetY")->setText(QStringLiteral("7.9999"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mLink.offsetX(), -9.9999);
        QCOMPARE(mLink.offsetY(), 7.9999);

        // Without a horizontal repeat the x offset is not bounded.
        mFabric.setPlaidRepeat(0.0, 8.0);
        mLink.setOffsets(1.5, -2.0);
        LinkPropertiesDialog unbounded(&mLink, &mFabric);
        QVERIFY(!edit(unbounded, "offsetX")->validator());
        edit(unbounded, "offsetX")->setText(QStringLiteral("25"));
        unbounded.accept();
        QCOMPARE(unbounded.result(), int(QDialog::Accepted));
        QCOMPARE(mLink.offsetX(), 25.0);
        QCOMPARE(sink.messages.size(), 1);
    }

    void optionsFollowTheEngine_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<bool>("matchPoint");
        QTest::newRow("Quorvane") << "Quorvane" << true << false;
        QTest::newRow("Orbalune Cloud") << "Orbalune Cloud" << true << false;
        QTest::newRow("Orbalune Plot") << "Orbalune Plot" << false << false;
        QTest::newRow("Tessmere") << "Tessmere" << false << true;
    }

    void optionsFollowTheEngine()
    {
        QFETCH(QString, engine);
        QFETCH(bool, extended);
        QFETCH(bool, matchPoint);
        useEngine(engine);
        mLink.setMatchPoint(true);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        for (const char* name : {"centerX", "onLineX", "centerY", "onLineY"})
            QCOMPARE(box(dialog, name)->isVisibleTo(&dialog), extended);
        for (const char* name : {"halfWayX", "halfWayY"})
            QCOMPARE(box(dialog, name)->isVisibleTo(&dialog), !extended);
        QCOMPARE(box(dialog, "matchPoint")->isVisibleTo(&dialog), matchPoint);
        QCOMPARE(child<QWidget>(&dialog, "line_2")->isVisibleTo(&dialog), matchPoint);
        QVERIFY(box(dialog, "matchPoint")->isChecked());
        box(dialog, "matchPoint")->setChecked(false);
        dialog.accept();
        QVERIFY(!mLink.isMatchPoint());
    }

    void halfWayAndSymmetricalRulesExcludeEachOther()
    {
        mLink.setRules(Link::IdenticalX | Link::SymmetricalY);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        box(dialog, "halfWayX")->click();
        QVERIFY(box(dialog, "halfWayX")->isChecked());
        QVERIFY(!box(dialog, "identicalX")->isChecked());
        QVERIFY(!box(dialog, "symmetricalY")->isChecked());
        QVERIFY(box(dialog, "identicalY")->isChecked());

        // Halfway on y takes halfway off x and makes x identical.
        box(dialog, "halfWayY")->click();
        QVERIFY(box(dialog, "halfWayY")->isChecked());
        QVERIFY(!box(dialog, "halfWayX")->isChecked());
        QVERIFY(box(dialog, "identicalX")->isChecked());
        QVERIFY(!box(dialog, "identicalY")->isChecked());
        QVERIFY(!box(dialog, "symmetricalY")->isChecked());

        // Symmetrical on one axis takes halfway off the other.
        mLink.setRules(Link::HalfWayY | Link::IdenticalX);
        LinkPropertiesDialog other(&mLink, &mFabric);
        box(other, "symmetricalX")->click();
        QVERIFY(box(other, "symmetricalX")->isChecked());
        QVERIFY(!box(other, "halfWayY")->isChecked());
        QVERIFY(!box(other, "identicalX")->isChecked());

        box(other, "halfWayX")->click();
        box(other, "symmetricalY")->click();
        QVERIFY(!box(other, "halfWayX")->isChecked());
        QVERIFY(box(other, "symmetricalY")->isChecked());
        QVERIFY(!box(other, "identicalY")->isChecked());
    }

    void offsetFollowsTheRules()
    {
        LinkPropertiesDialog plot(&mLink, &mFabric);
        QVERIFY(!edit(plot, "offsetX")->isEnabled());
        box(plot, "symmetricalX")->click();
        QVERIFY(edit(plot, "offsetX")->isEnabled());
        QVERIFY(!edit(plot, "offsetY")->isEnabled());

        useEngine(QStringLiteral("Quorvane"));
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        box(dialog, "onLineX")->click();
        QVERIFY(edit(dialog, "offsetX")->isEnabled());
        // On a line in x rules out the y offset, a centred x the x offset.
        box(dialog, "identicalY")->click();
        QVERIFY(!edit(dialog, "offsetY")->isEnabled());
        box(dialog, "centerX")->click();
        QVERIFY(!edit(dialog, "offsetX")->isEnabled());
        box(dialog, "centerX")->click();
        box(dialog, "onLineY")->click();
        QVERIFY(!edit(dialog, "offsetX")->isEnabled());
    }

    void centringBothWaysFreesTheOtherAxis()
    {
        useEngine(QStringLiteral("Orbalune Cloud"));
        mLink.setRules(Link::CenterX | Link::OnLineX);
        LinkPropertiesDialog dialog(&mLink, &mFabric);
        QVERIFY(!box(dialog, "centerY")->isEnabled());
        QVERIFY(!box(dialog, "onLineY")->isEnabled());
        box(dialog, "onLineX")->click();
        QVERIFY(box(dialog, "centerY")->isEnabled());
        box(dialog, "centerY")->click();
        box(dialog, "onLineY")->click();
        QVERIFY(box(dialog, "centerY")->isChecked());
        QVERIFY(box(dialog, "onLineY")->isChecked());
        QVERIFY(!box(dialog, "centerX")->isChecked());
        QVERIFY(!box(dialog, "centerX")->isEnabled());
        QVERIFY(!box(dialog, "onLineX")->isEnabled());
        dialog.accept();
        QCOMPARE(mLink.rules(), quint32(Link::CenterY | Link::OnLineY));
    }

private:
    CDbFabricObject mFabric;
    Link mLink;
    QString mEngine;
};

MARKER_TEST(tst_LinkPropertiesDialog)
#include "tst_LinkPropertiesDialog.moc"
