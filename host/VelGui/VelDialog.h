#pragma once

#include <QDialog>

namespace VelSystem {

// Base of the host's and plug-ins' dialogs: OK first checks every field.
class VelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit VelDialog(QWidget* parent = nullptr);
    ~VelDialog() override;

public slots:
    void accept() override;

protected:
    // Checks each line edit against its validator and range; tells the user which field is
    // wrong, focuses it and returns false at the first bad one.
    virtual bool validateInputs();
};

} // namespace VelSystem
