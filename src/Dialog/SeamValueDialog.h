#pragma once

#include "VelGui/VelDialog.h"

#include <memory>

namespace Ui {
class SeamValue;
}

namespace VelSystem {

// Asks for the seam value of a cut drawn with the mouse; OK refuses a value above the
// caller's maximum.
class SeamValueDialog : public VelDialog
{
    Q_OBJECT
public:
    SeamValueDialog(QWidget* parent, double maximum);
    ~SeamValueDialog() override;

    // The maximum until the dialog is accepted, the accepted value afterwards.
    double seamValue() const { return mSeamValue; }

public slots:
    void accept() override;

private slots:
    // Nothing to do while typing: the value is checked on OK.
    void on_editSeamValue_textEdited(const QString& text);

private:
    std::unique_ptr<Ui::SeamValue> ui;
    double mSeamValue;
};

} // namespace VelSystem
