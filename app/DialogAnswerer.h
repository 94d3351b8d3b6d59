#pragma once

#include "ScriptStep.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace VelSystem {

// Answers the modal dialogs of a scripted session. The script gives its answer before the
// step that opens the dialog; when a modal dialog is shown, a zero-delay timer, which runs
// inside the dialog's own event loop, fills the named fields the way a user would and
// accepts or rejects it. A dialog that comes without an answer is rejected and reported,
// so that a script never waits for a person. It also keeps the non-modal dialogs a session
// opens, in the order they were shown.
class DialogAnswerer : public QObject
{
    Q_OBJECT
public:
    // Watches the application's windows while it lives.
    explicit DialogAnswerer(QObject* parent = nullptr);
    ~DialogAnswerer() override;

    // The answer (an AnswerDialog step) to give to the next modal dialog.
    void setAnswer(const ScriptStep& answer);
    bool hasAnswer() const { return mHasAnswer; }
    // The line of the answer waiting for its dialog.
    int answerLine() const { return mAnswer.line; }
    // Forgets an answer given with "maybe" that the step after it left unused.
    void dropMaybeAnswer() { mHasAnswer = mHasAnswer && !mAnswer.maybe; }

    // What was answered since the last call, one line per dialog.
    QStringList takeNotes();
    // The first failure since the last call (empty: none): an unexpected dialog (`line` 0),
    // or an answer that did not fit its dialog (`line`: the answer's line).
    QString takeError(int* line);

    // The non-modal dialog opened last that is still open (null: none): the one the steps
    // that press buttons and read fields work in.
    QWidget* frontDialog() const;
    // What a field shows: a label's, edit's, button's or list's current text.
    static QString fieldText(const QWidget* field);
    // The dialog's title, else its object or class name.
    static QString describe(const QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QWidget* dialog);
    // Sets each field of the answer in `dialog`; false at the first one that cannot be set.
    bool fillFields(QWidget* dialog, QString* error) const;
    static bool setField(QWidget* field, const QString& value, QString* error);
    // Presses the dialog's accept or reject button (or calls accept/reject); false when the
    // dialog stayed open.
    static bool close(QWidget* dialog, bool accept);
    // Rejects `dialog` after a failure, and closes it even if it refuses.
    static void dismiss(QWidget* dialog);
    void fail(const QString& error, int line);

    ScriptStep mAnswer;
    bool mHasAnswer = false;
    QStringList mNotes;
    QString mError;
    int mErrorLine = 0;
    QList<QPointer<QWidget>> mNonModalDialogs;
};

} // namespace VelSystem
