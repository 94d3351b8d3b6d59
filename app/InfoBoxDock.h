#pragma once

#include <QDockWidget>

class QGroupBox;
class QLineEdit;
class QTextBrowser;

namespace VelSystem {

class CDbAbstractObject;

// The information box as a dock: the current tool's instruction page, the live values
// (dx, dy, distance) a tool shows while it drags, and the piece information panel.
class InfoBoxDock : public QDockWidget
{
    Q_OBJECT
public:
    explicit InfoBoxDock(QWidget* parent = nullptr);

    QString instructionsHtml() const;
    // The text shown for a field of the information box (empty while it has no value).
    QString fieldText(int field) const;

public slots:
    // Shows the name, size, angle and mirroring of the piece group `object` in the piece
    // panel, as they are now; anything else empties and hides the panel.
    void showPiece(const VelSystem::CDbAbstractObject* object);
    void clearPiece();

private:
    void showValues();

    QTextBrowser* mInstructions = nullptr;
    QLineEdit* mDx = nullptr;
    QLineEdit* mDy = nullptr;
    QLineEdit* mDistance = nullptr;
    QGroupBox* mPiece = nullptr;
    QLineEdit* mPieceName = nullptr;
    QLineEdit* mPieceSize = nullptr;
    QLineEdit* mPieceAngle = nullptr;
    QLineEdit* mPieceMirror = nullptr;
};

} // namespace VelSystem
