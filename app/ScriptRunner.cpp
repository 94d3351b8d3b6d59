#include "ScriptRunner.h"

#include "CutViewDock.h"
#include "DialogAnswerer.h"
#include "MarkerDifference.h"
#include "MarkerMainWindow.h"
#include "MarkerStatusBar.h"
#include "ScriptParser.h"
#include "SizeChartDock.h"
#include "ToolController.h"
#include "ToolEntry.h"

#include "VelConjoin/Selection.h"
#include "VelCore/InfoBox.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentView.h"
#include "VelGui/ExceptionReport.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/ops/LinkMatching.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPointer>
#include <QTextDocumentFragment>
#include <QTextStream>
#include <QUndoStack>
#include <QWheelEvent>
#include <cstdlib>

namespace VelSystem {

namespace {

QString number(double value, int digits = 10)
{
    return QLocale::c().toString(value, 'g', digits);
}

QString buttonName(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return QStringLiteral("right");
    case Qt::MiddleButton:
        return QStringLiteral("middle");
    default:
        return QStringLiteral("left");
    }
}

QString modifierNames(Qt::KeyboardModifiers modifiers)
{
    QStringList names;
    if (modifiers & Qt::ShiftModifier)
        names << QStringLiteral("shift");
    if (modifiers & Qt::ControlModifier)
        names << QStringLiteral("ctrl");
    if (modifiers & Qt::AltModifier)
        names << QStringLiteral("alt");
    if (modifiers & Qt::MetaModifier)
        names << QStringLiteral("meta");
    return names.join(QLatin1Char('+'));
}

Qt::KeyboardModifier modifierOfKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    case Qt::Key_Meta:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

} // namespace

ScriptRunner::ScriptRunner(MarkerMainWindow* window, QTextStream* out, QTextStream* err, QObject* parent)
    : QObject(parent), mWindow(window), mOut(*out), mErr(*err), mDialogs(new DialogAnswerer(this))
{
    connect(VelCoreApplication::instance(), &VelCoreApplication::reported, this,
            [this](int, const QString& text) { mReports << text; });
}

ScriptRunner::~ScriptRunner() = default;

ScriptRunner::Result ScriptRunner::runFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        mErr << tr("%1: cannot read the script: %2").arg(path, file.errorString()) << Qt::endl;
        return UnreadableScript;
    }
    return run(path, QString::fromUtf8(file.readAll()));
}

ScriptRunner::Result ScriptRunner::run(const QString& name, const QString& text)
{
    const auto failure = [&](int line, const QString& message) {
        mOut.flush();
        mErr << name << QLatin1Char(':') << line << QStringLiteral(": ") << message << Qt::endl;
    };
    QVector<ScriptStep> steps;
    int errorLine = 0;
    QString error;
    if (!ScriptParser::parse(text, &steps, &errorLine, &error)) {
        failure(errorLine, error);
        return UnreadableScript;
    }
    for (const ScriptStep& step : qAsConst(steps)) {
        const QString toolBefore = currentTool();
        QString done;
        const bool ok = execute(step, &done, &error);
        // Lets the views repaint and posted events arrive before the next step looks.
        QCoreApplication::processEvents();
        if (step.kind != ScriptStep::AnswerDialog)
            mDialogs->dropMaybeAnswer();
        if (ok) {
            if (step.kind != ScriptStep::ChooseTool && currentTool() != toolBefore)
                done += tr(" (tool: %1)").arg(currentTool());
            mOut << done << QLatin1Char('\n');
        }
        const QStringList notes = mDialogs->takeNotes();
        for (const QString& note : notes)
            mOut << QStringLiteral("  ") << note << QLatin1Char('\n');
        int dialogLine = 0;
        const QString dialogError = mDialogs->takeError(&dialogLine);
        if (!dialogError.isEmpty()) {
            failure(dialogLine > 0 ? dialogLine : step.line, dialogError);
            return StepFailed;
        }
        if (!ok) {
            failure(step.line, error);
            return StepFailed;
        }
        mOut.flush();
    }
    if (mDialogs->hasAnswer()) {
        failure(mDialogs->answerLine(), tr("no dialog opened for this answer"));
        return StepFailed;
    }
    return Succeeded;
}

bool ScriptRunner::execute(const ScriptStep& step, QString* done, QString* error)
{
    switch (step.kind) {
    case ScriptStep::ChooseTool:
        return chooseTool(step, done, error);
    case ScriptStep::Press:
    case ScriptStep::Release:
    case ScriptStep::Click:
    case ScriptStep::DoubleClick:
    case ScriptStep::DoublePress:
    case ScriptStep::Move:
        return sendMouse(step, done, error);
    case ScriptStep::KeyPress:
    case ScriptStep::KeyRelease:
    case ScriptStep::KeyType:
        return sendKey(step, done);
    case ScriptStep::Wheel:
        return sendWheel(step, done, error);
    case ScriptStep::AnswerDialog:
        if (mDialogs->hasAnswer()) {
            *error = tr("the dialog answer of line %1 is still waiting for its dialog")
                         .arg(mDialogs->answerLine());
            return false;
        }
        mDialogs->setAnswer(step);
        *done = step.source + tr(": waiting for the next dialog");
        return true;
    case ScriptStep::Undo:
    case ScriptStep::Redo:
        return undoOrRedo(step, done, error);
    case ScriptStep::Lay:
        return lay(step, done, error);
    case ScriptStep::OptimiseCuts:
        return optimiseCuts(step, done, error);
    case ScriptStep::CutView:
    case ScriptStep::LinkView:
        if (step.kind == ScriptStep::CutView)
            mWindow->cutViewDock()->setVisible(step.all);
        else
            mWindow->showLinkView(step.all);
        QCoreApplication::processEvents();
        *done = step.source;
        return true;
    case ScriptStep::ExportHpgl: {
        const int reported = mReports.size();
        if (!mWindow->exportHpgl(step.text)) {
            *error = mReports.size() > reported ? mReports.last() : tr("could not export %1").arg(step.text);
            return false;
        }
        *done = step.source;
        return true;
    }
    case ScriptStep::Save:
        return save(step, done, error);
    case ScriptStep::Screenshot:
        if (!mWindow->saveScreenshot(step.text, error))
            return false;
        *done = step.source;
        return true;
    case ScriptStep::PushButton:
        return pushButton(step, done, error);
    case ScriptStep::ChartClick:
        return clickChart(step, done, error);
    case ScriptStep::Expect:
        return check(step, done, error);
    }
    return false;
}

bool ScriptRunner::chooseTool(const ScriptStep& step, QString* done, QString* error)
{
    ToolController* tools = mWindow->toolController();
    if (!tools) {
        *error = tr("no tool plug-in is loaded");
        return false;
    }
    const std::string id = step.text.toStdString();
    const ToolEntry* entry = tools->entry(id);
    if (!entry) {
        QStringList ids;
        for (const ToolEntry& known : tools->entries())
            ids << QString::fromStdString(known.id);
        *error = tr("no tool \"%1\"; the tools are: %2").arg(step.text, ids.join(QStringLiteral(", ")));
        return false;
    }
    if (!tools->chooseTool(id)) {
        *error = tr("the tool \"%1\" is disabled").arg(step.text);
        return false;
    }
    *done = entry->name.isEmpty() ? step.source : tr("%1 (%2)").arg(step.source, entry->name);
    return true;
}

bool ScriptRunner::sendMouse(const ScriptStep& step, QString* done, QString* error)
{
    const QPointer<DocumentView> target = view(error);
    if (!target)
        return false;
    const Qt::KeyboardModifiers held = modifiers(step.modifiers);
    const Qt::MouseButton button = step.button;
    // A press may open a dialog whose answer closes the marker: each event checks the view.
    const auto send = [&](QEvent::Type type) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            mButtons |= button;
        else if (type == QEvent::MouseButtonRelease)
            mButtons &= ~button;
        if (target)
            postMouse(target, type, step.point, type == QEvent::MouseMove ? Qt::NoButton : button, held);
    };
    const QPointF pixel = target->viewportTransform().map(step.point);
    switch (step.kind) {
    case ScriptStep::Press:
        send(QEvent::MouseButtonPress);
        break;
    case ScriptStep::Release:
        send(QEvent::MouseButtonRelease);
        break;
    case ScriptStep::Click:
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        break;
    case ScriptStep::DoubleClick:
    case ScriptStep::DoublePress:
        // Qt's own order for a double click; a double press keeps the second press held.
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        send(QEvent::MouseButtonDblClick);
        if (step.kind == ScriptStep::DoubleClick)
            send(QEvent::MouseButtonRelease);
        break;
    default:
        send(QEvent::MouseMove);
        break;
    }
    QString what = step.source.section(QLatin1Char(' '), 0, 0);
    if (step.kind != ScriptStep::Move)
        what += QLatin1Char(' ') + buttonName(button);
    *done = tr("%1 at %2, %3 cm (pixel %4, %5)")
                .arg(what, number(step.point.x()), number(step.point.y()))
                .arg(qRound(pixel.x()))
                .arg(qRound(pixel.y()));
    if (held != Qt::NoModifier)
        *done += tr(" with %1").arg(modifierNames(held));
    return true;
}

bool ScriptRunner::sendKey(const ScriptStep& step, QString* done)
{
    if (step.kind != ScriptStep::KeyRelease) {
        mHeldKeys.insert(step.key);
        postKey(QEvent::KeyPress, step.key);
    }
    if (step.kind != ScriptStep::KeyPress) {
        mHeldKeys.remove(step.key);
        postKey(QEvent::KeyRelease, step.key);
    }
    *done = step.source;
    return true;
}

bool ScriptRunner::sendWheel(const ScriptStep& step, QString* done, QString* error)
{
    DocumentView* target = view(error);
    if (!target)
        return false;
    QWidget* viewport = target->viewport();
    const QPointF pixel = target->viewportTransform().map(step.point);
    const QPointF global = QPointF(viewport->mapToGlobal(QPoint())) + pixel;
    QWheelEvent event(pixel, global, QPoint(), QPoint(0, step.number), mButtons, modifiers(step.modifiers),
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
    *done = tr("wheel %1 at %2, %3 cm; the view shows %4 pixels a centimetre")
                .arg(step.number)
                .arg(number(step.point.x()), number(step.point.y()), number(target->getScale(), 4));
    return true;
}

bool ScriptRunner::undoOrRedo(const ScriptStep& step, QString* done, QString* error)
{
    const boost::shared_ptr<DocumentMak> document = mWindow->activeMarker();
    if (!document) {
        *error = tr("no marker is open");
        return false;
    }
    QUndoStack* stack = document->undoStack();
    const bool undo = step.kind == ScriptStep::Undo;
    const auto possible = [&] { return undo ? stack->canUndo() : stack->canRedo(); };
    if (!step.all && !possible()) {
        *error = undo ? tr("nothing to undo") : tr("nothing to redo");
        return false;
    }
    const QString text = undo ? stack->undoText() : stack->redoText();
    const int before = stack->index();
    while (possible()) {
        const int from = stack->index();
        runGuarded(undo ? QStringLiteral("QUndoStack::undo") : QStringLiteral("QUndoStack::redo"), [&] {
            if (undo)
                stack->undo();
            else
                stack->redo();
        });
        // A command that throws leaves the stack where it was: "all" stops there too.
        if (!step.all || stack->index() == from)
            break;
    }
    if (step.all)
        *done = tr("%1: %2 commands").arg(step.source).arg(std::abs(stack->index() - before));
    else
        *done = text.isEmpty() ? step.source : step.source + QLatin1Char(' ') + text;
    return true;
}

bool ScriptRunner::lay(const ScriptStep& step, QString* done, QString* error)
{
    const int laid = mWindow->layWaitingPieces(step.number, false);
    if (laid < 0) {
        *error = tr("no marker is open");
        return false;
    }
    const DocumentMak& marker = *mWindow->activeMarker();
    *done = tr("%1: pieces laid %2, %3, %4")
                .arg(step.source, QString::number(laid), MarkerStatusBar::lengthOf(marker),
                     MarkerStatusBar::utilizationOf(marker, 2));
    return true;
}

bool ScriptRunner::optimiseCuts(const ScriptStep& step, QString* done, QString* error)
{
    const int changed = mWindow->optimiseCutOrder();
    if (changed < 0) {
        *error = tr("no marker is open");
        return false;
    }
    *done =
        tr("%1: pieces changed %2, %3")
            .arg(step.source, QString::number(changed), MarkerStatusBar::cutPathOf(*mWindow->activeMarker()));
    return true;
}

bool ScriptRunner::save(const ScriptStep& step, QString* done, QString* error)
{
    const boost::shared_ptr<DocumentMak> document = mWindow->activeMarker();
    if (!document) {
        *error = tr("no marker is open");
        return false;
    }
    const QString path = step.text.isEmpty() ? document->fileName() : step.text;
    if (path.isEmpty()) {
        *error = tr("the marker has no file yet; give save a path");
        return false;
    }
    const int reported = mReports.size();
    if (!mWindow->saveActiveDocument(path)) {
        *error = mReports.size() > reported ? mReports.last() : tr("could not save %1").arg(path);
        return false;
    }
    *done = tr("save %1").arg(path);
    return true;
}

bool ScriptRunner::clickChart(const ScriptStep& step, QString* done, QString* error)
{
    SizeChartDock* chart = mWindow->sizeChartDock();
    chart->show();
    QCoreApplication::processEvents();
    QWidget* viewport = nullptr;
    QPoint pixel;
    if (!chart->numberPoint(step.text == QLatin1String("size"), step.number, &viewport, &pixel)) {
        *error = tr("the size chart has no %1 %2").arg(step.text).arg(step.number);
        return false;
    }
    const Qt::KeyboardModifiers held = modifiers(step.modifiers);
    const QPointer<QWidget> target = viewport;
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        // The click may open a dialog whose answer closes the marker.
        if (!target)
            break;
        QMouseEvent event(type, pixel, target->mapTo(target->window(), pixel), target->mapToGlobal(pixel),
                          Qt::LeftButton, type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          held);
        QApplication::sendEvent(target, &event);
    }
    *done = step.source;
    return true;
}

bool ScriptRunner::pushButton(const ScriptStep& step, QString* done, QString* error)
{
    QWidget* dialog = frontDialog(error);
    if (!dialog)
        return false;
    auto* button = dialog->findChild<QAbstractButton*>(step.text);
    if (!button || !button->isEnabled()) {
        *error =
            tr("the dialog %1 has no button \"%2\" to push").arg(DialogAnswerer::describe(dialog), step.text);
        return false;
    }
    *done = tr("%1 in the dialog %2").arg(step.source, DialogAnswerer::describe(dialog));
    button->click();
    return true;
}

bool ScriptRunner::check(const ScriptStep& step, QString* done, QString* error)
{
    *done = step.source + tr(": ok");
    switch (step.check) {
    case ScriptStep::ExpectMessage:
    case ScriptStep::ExpectNoMessage:
        return checkMessage(step, error);
    case ScriptStep::ExpectTool:
        if (!mWindow->toolController()) {
            *error = tr("no tool plug-in is loaded");
            return false;
        }
        if (currentTool() == step.text)
            return true;
        *error = tr("expected the tool \"%1\", the current tool is \"%2\"").arg(step.text, currentTool());
        return false;
    case ScriptStep::ExpectField:
        return checkField(step, error);
    case ScriptStep::ExpectClipboard: {
        const QString copied = VelCoreApplication::instance()->clipboard().text();
        if (copied == step.text)
            return true;
        *error = tr("expected the clipboard to hold \"%1\", it holds \"%2\"").arg(step.text, copied);
        return false;
    }
    case ScriptStep::ExpectInstructions: {
        const QString shown = QTextDocumentFragment::fromHtml(GetInfoBox()->instructions()).toPlainText();
        if (shown.contains(step.text))
            return true;
        *error =
            tr("the instructions do not contain \"%1\"; they read \"%2\"").arg(step.text, shown.simplified());
        return false;
    }
    default:
        return checkMarker(step, error);
    }
}

bool ScriptRunner::checkMarker(const ScriptStep& step, QString* error)
{
    const boost::shared_ptr<DocumentMak> document = mWindow->activeMarker();
    if (!document) {
        *error = tr("no marker is open");
        return false;
    }
    const QUndoStack* stack = document->undoStack();
    switch (step.check) {
    case ScriptStep::ExpectUndoText:
        if (stack->canUndo() && stack->undoText() == step.text)
            return true;
        *error = stack->canUndo() ? tr("expected \"%1\" to undo, the command to undo is \"%2\"")
                                        .arg(step.text, stack->undoText())
                                  : tr("expected \"%1\" to undo, there is nothing to undo").arg(step.text);
        return false;
    case ScriptStep::ExpectSameAsFile:
        return checkSameAsFile(*document, step.text, error);
    case ScriptStep::ExpectOverlaps: {
        const int overlaps = document->findOverlaps();
        if (overlaps == step.number)
            return true;
        *error = tr("expected %1 overlapping pairs of pieces, there are %2").arg(step.number).arg(overlaps);
        return false;
    }
    case ScriptStep::ExpectUnmatched: {
        const int unmatched = LinkMatching::unmatchedOnCurrentLayer(*document->drawing());
        if (unmatched == step.number)
            return true;
        *error = tr("expected %1 unmatched links, there are %2").arg(step.number).arg(unmatched);
        return false;
    }
    default: {
        const bool undoCount = step.check == ScriptStep::ExpectUndoCount;
        const int actual = undoCount ? stack->index() : document->selection()->count();
        if (actual == step.number)
            return true;
        *error = undoCount ? tr("expected %1 commands to undo, there are %2").arg(step.number).arg(actual)
                           : tr("expected %1 selected objects, there are %2").arg(step.number).arg(actual);
        return false;
    }
    }
}

bool ScriptRunner::checkSameAsFile(const DocumentMak& document, const QString& path, QString* error)
{
    const QString file = path.isEmpty() ? document.fileName() : path;
    if (file.isEmpty()) {
        *error = tr("the marker has no file to compare with");
        return false;
    }
    const boost::shared_ptr<DocumentMak> saved = MarkerFile::load(file, error);
    if (!saved)
        return false;
    const MarkerDifference difference(*saved, document);
    if (difference.isEmpty())
        return true;
    *error = tr("the marker differs from %1: %2")
                 .arg(path.isEmpty() ? tr("its file") : path,
                      difference.describe(tr("the file"), tr("the marker")));
    return false;
}

bool ScriptRunner::checkField(const ScriptStep& step, QString* error) const
{
    const QWidget* dialog = frontDialog(error);
    if (!dialog)
        return false;
    const QString name = step.fields.first().first;
    const QString expected = step.fields.first().second;
    const auto* field = dialog->findChild<QWidget*>(name);
    if (!field) {
        *error = tr("the dialog %1 has no field \"%2\"").arg(DialogAnswerer::describe(dialog), name);
        return false;
    }
    const QString shown = DialogAnswerer::fieldText(field);
    if (shown == expected)
        return true;
    *error = tr("expected the field %1 to show \"%2\", it shows \"%3\"").arg(name, expected, shown);
    return false;
}

QWidget* ScriptRunner::frontDialog(QString* error) const
{
    QWidget* dialog = mDialogs->frontDialog();
    if (!dialog)
        *error = tr("no dialog is open");
    return dialog;
}

bool ScriptRunner::checkMessage(const ScriptStep& step, QString* error)
{
    const auto quoted = [](const QStringList& texts) {
        QStringList result;
        for (const QString& text : texts)
            result << QLatin1Char('"') + text + QLatin1Char('"');
        return result.join(QStringLiteral(", "));
    };
    if (step.check == ScriptStep::ExpectNoMessage) {
        if (mReports.isEmpty())
            return true;
        *error = tr("expected no message, got %1").arg(quoted(mReports));
        return false;
    }
    for (int i = 0; i < mReports.size(); ++i) {
        if (mReports.at(i).contains(step.text)) {
            // Matched messages, and those before them, are not matched again.
            mReports.erase(mReports.begin(), mReports.begin() + i + 1);
            return true;
        }
    }
    *error = mReports.isEmpty()
                 ? tr("expected a message containing \"%1\", nothing was reported").arg(step.text)
                 : tr("expected a message containing \"%1\", got %2").arg(step.text, quoted(mReports));
    return false;
}

void ScriptRunner::postMouse(DocumentView* target, int type, const QPointF& point, Qt::MouseButton button,
                             Qt::KeyboardModifiers modifiers)
{
    QWidget* viewport = target->viewport();
    const QPointF pixel = target->viewportTransform().map(point);
    const QPointF inWindow = QPointF(viewport->mapTo(viewport->window(), QPoint())) + pixel;
    const QPointF global = QPointF(viewport->mapToGlobal(QPoint())) + pixel;
    QMouseEvent event(static_cast<QEvent::Type>(type), pixel, inWindow, global, button, mButtons, modifiers);
    QApplication::sendEvent(viewport, &event);
}

void ScriptRunner::postKey(int type, int key)
{
    // Tools read keys only through the view; without one the keyboard monitor still sees them.
    QWidget* target = mWindow->activeView();
    if (!target)
        target = mWindow;
    const Qt::KeyboardModifiers held = modifiers();
    QString text;
    if (key < Qt::Key_Escape && QChar(key).isPrint())
        text = (held & Qt::ShiftModifier) ? QString(QChar(key)) : QString(QChar(key)).toLower();
    QKeyEvent event(static_cast<QEvent::Type>(type), key, held, text);
    QApplication::sendEvent(target, &event);
}

Qt::KeyboardModifiers ScriptRunner::modifiers(Qt::KeyboardModifiers extra) const
{
    Qt::KeyboardModifiers result = extra;
    for (int key : mHeldKeys)
        result |= modifierOfKey(key);
    return result;
}

DocumentView* ScriptRunner::view(QString* error) const
{
    DocumentView* active = mWindow->activeView();
    if (!active)
        *error = tr("no marker is open");
    return active;
}

QString ScriptRunner::currentTool() const
{
    const ToolController* tools = mWindow->toolController();
    return tools ? QString::fromStdString(tools->currentId()) : QString();
}

} // namespace VelSystem
