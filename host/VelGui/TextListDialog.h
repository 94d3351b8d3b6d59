#pragma once

#include "VelGui/VelDialog.h"

#include <QStringList>

class QListWidget;
class QPushButton;

namespace VelSystem {

// Edits the stored text phrases the text tools offer (application setting "text_list"):
// add, remove and rewrite lines; OK stores the list, blank lines left out.
class TextListDialog : public VelDialog
{
    Q_OBJECT
public:
    static const QString kSettingsKey;

    explicit TextListDialog(QWidget* parent = nullptr);

    // The phrases as currently edited, without blank lines.
    QStringList texts() const;

public slots:
    void accept() override;
    // Appends an empty line and starts editing it.
    void addText();
    void removeCurrentText();

private:
    QListWidget* mList;
    QPushButton* mRemoveButton;
};

} // namespace VelSystem
