#pragma once

#include "VelGui/VelDialog.h"

#include <memory>

namespace Ui {
class Text;
}

namespace VelSystem {

// A plain editor for one piece of text.
class TextDialog : public VelDialog
{
    Q_OBJECT
public:
    TextDialog(const QString& text, QWidget* parent = nullptr);
    ~TextDialog() override;

    // The text as edited, without formatting.
    QString text() const;

private:
    std::unique_ptr<Ui::Text> ui;
};

} // namespace VelSystem
