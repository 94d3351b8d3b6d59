#pragma once

#include "VelGui/VelDialog.h"

#include <array>
#include <memory>

class QCheckBox;

namespace Ui {
class LinkProperties;
}

namespace VelSystem {

class CDbFabricObject;
class CDbTwainLinkPiecesObject;

// Edits the matching rules of one link between two pieces for plaid and stripe fabrics:
// per axis how the linked points match, an offset and a maximum swatch distance, and
// whether the link is a match point. The options offered follow the automatic marker
// engine. OK writes the values straight into the link.
class LinkPropertiesDialog : public VelDialog
{
    Q_OBJECT
public:
    // Neither object is owned; both must outlive the dialog. The fabric gives the plaid
    // and stripe repeat that bounds the offsets.
    LinkPropertiesDialog(CDbTwainLinkPiecesObject* link, CDbFabricObject* fabric, QWidget* parent = nullptr);
    ~LinkPropertiesDialog() override;

public slots:
    void accept() override;

private slots:
    void on_identicalX_clicked();
    void on_symmetricalX_clicked();
    void on_halfWayX_clicked();
    void on_identicalY_clicked();
    void on_symmetricalY_clicked();
    void on_halfWayY_clicked();
    void on_centerX_clicked();
    void on_onLineX_clicked();
    void on_centerY_clicked();
    void on_onLineY_clicked();

private:
    struct Axis
    {
        QCheckBox* identical;
        QCheckBox* symmetrical;
        QCheckBox* halfWay;
        QCheckBox* center;
        QCheckBox* onLine;
    };
    Axis axisX() const;
    Axis axisY() const;
    // The rule boxes in the order of the rule word's bits.
    std::array<QCheckBox*, 10> ruleBoxes() const;
    void identicalClicked(const Axis& axis);
    void symmetricalClicked(const Axis& axis, const Axis& other);
    void halfWayClicked(const Axis& axis, const Axis& other);
    // A centre or on-line box of one axis was clicked; `partner` is the other of the two.
    void centringClicked(const QCheckBox* partner, const Axis& other);
    // Enables the fields and boxes the checked rules and the engine allow.
    void updateState();

    std::unique_ptr<Ui::LinkProperties> ui;
    CDbTwainLinkPiecesObject* mLink;
    QString mEngine;
    bool mExtendedRules;
    double mRepeatX;
    double mRepeatY;
};

} // namespace VelSystem
