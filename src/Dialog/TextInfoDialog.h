#pragma once

#include "VelGui/VelDialog.h"

#include <memory>

namespace Ui {
class TextInfo;
}

namespace VelSystem {

class CDbTextObject;

// Edits a marker text before it is placed: its lines, letter size, horizontal alignment,
// angle and reverse direction, with the stored phrases ready to insert. OK writes the text
// object; checking "Reverse Direction" turns its angle half a turn at once.
class TextInfoDialog : public VelDialog
{
    Q_OBJECT
public:
    // `text` is not owned and must outlive the dialog.
    TextInfoDialog(CDbTextObject* text, QWidget* parent = nullptr);
    ~TextInfoDialog() override;

public slots:
    void accept() override;

private slots:
    void on_checkReverse_clicked();
    void on_comboTextList_activated(int index);
    void on_comboBoxHorzAlignment_currentIndexChanged(int index);

private:
    // "<Text List>", the phrases stored under the "text_list" setting, "Edit...".
    void fillStoredPhrases();

    std::unique_ptr<Ui::TextInfo> ui;
    CDbTextObject* mText;
};

} // namespace VelSystem
