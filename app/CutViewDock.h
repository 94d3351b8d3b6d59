#pragma once

#include <QDockWidget>
#include <boost/shared_ptr.hpp>

class QLabel;
class QPushButton;
class QSlider;

namespace VelSystem {

class CutPathView;
class DocumentMak;

// The cut view: the active marker drawn as the cutter will cut it (CutPathView), with a
// slider and a step button that show the path up to a given piece, and the lengths cut and
// travelled up to there. While it is shown the marker's drawing is in its cut-view mode.
class CutViewDock : public QDockWidget
{
    Q_OBJECT
public:
    explicit CutViewDock(QWidget* parent = nullptr);

    void setDocument(const boost::shared_ptr<DocumentMak>& document);
    CutPathView* pathView() const { return mView; }
    QString lengthsText() const;

public slots:
    // Shows one piece more, from the first again after the last.
    void step();

private:
    void rebuild();
    void showUpTo(int pieces);
    void setCutViewMode(bool shown);

    boost::shared_ptr<DocumentMak> mDocument;
    CutPathView* mView;
    QSlider* mSlider;
    QPushButton* mStep;
    QLabel* mLengths;
};

} // namespace VelSystem
