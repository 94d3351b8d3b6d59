#include "Dialog/TextDialog.h"

#include "ui_TextDialog.h"

namespace VelSystem {

TextDialog::TextDialog(const QString& text, QWidget* parent) : VelDialog(parent), ui(new Ui::Text)
{
    ui->setupUi(this);
    ui->textEdit->setPlainText(text);
}

TextDialog::~TextDialog() = default;

QString TextDialog::text() const
{
    return ui->textEdit->toPlainText();
}

} // namespace VelSystem
