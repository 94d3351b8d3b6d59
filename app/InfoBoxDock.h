#pragma once

#include <QDockWidget>

class QLineEdit;
class QTextBrowser;

namespace VelSystem {

// The information box as a dock: the current tool's instruction page and the live values
// (dx, dy, distance) a tool shows while it drags.
class InfoBoxDock : public QDockWidget
{
    Q_OBJECT
public:
    explicit InfoBoxDock(QWidget* parent = nullptr);

    QString instructionsHtml() const;
    // The text shown for a field of the information box (empty while it has no value).
    QString fieldText(int field) const;

private:
    void showValues();

    QTextBrowser* mInstructions = nullptr;
    QLineEdit* mDx = nullptr;
    QLineEdit* mDy = nullptr;
    QLineEdit* mDistance = nullptr;
};

} // namespace VelSystem
