#pragma once

#include <QWidget>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class Document;
class DocumentView;

// One document's window inside the main window's workspace.
class DocumentWindow : public QWidget
{
    Q_OBJECT
public:
    DocumentWindow(DocumentView* view, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    DocumentView* view() const { return mView; }
    boost::shared_ptr<Document> document() const;

private:
    DocumentView* mView;
};

} // namespace VelSystem
