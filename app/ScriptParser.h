#pragma once

#include "ScriptStep.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

namespace VelSystem {

// Reads the text of a scripted session: one step a line, blank lines and "#" comments
// skipped, words separated by blanks, double quotes keeping blanks inside a word.
class ScriptParser
{
    Q_DECLARE_TR_FUNCTIONS(ScriptParser)

public:
    // Reads every step of `text`. At the first line it cannot read returns false with the
    // line's number (from 1) and what is wrong with it; `steps` is then left as it was.
    static bool parse(const QString& text, QVector<ScriptStep>* steps, int* errorLine, QString* error);

    // The Qt key code of a key's name ("Space", "Control", "Plus", "A", "5"), in any case;
    // 0 for a name it does not know.
    static int keyCode(const QString& name);

private:
    // Splits a line into words; false on an unterminated quote.
    static bool splitWords(const QString& line, QStringList* words, QString* error);
    static bool parseStep(const QStringList& words, ScriptStep* step, QString* error);
    static bool parseMouse(const QStringList& words, ScriptStep* step, QString* error);
    static bool parseKey(const QStringList& words, ScriptStep* step, QString* error);
    static bool parseWheel(const QStringList& words, ScriptStep* step, QString* error);
    static bool parseDialog(const QStringList& words, ScriptStep* step, QString* error);
    static bool parseExpect(const QStringList& words, ScriptStep* step, QString* error);
    // Reads the point at words[first], words[first + 1].
    static bool parsePoint(const QStringList& words, int first, QPointF* point, QString* error);
    // Reads the optional button and modifier words from words[first] on.
    static bool parseButtonAndModifiers(const QStringList& words, int first, bool takesButton,
                                        ScriptStep* step, QString* error);
    static bool parseCount(const QString& word, int* count, QString* error);
    static bool parseSeconds(const QString& word, int* seconds, QString* error);
    static bool expectArguments(const QStringList& words, int minimum, int maximum, const QString& usage,
                                QString* error);
};

} // namespace VelSystem
