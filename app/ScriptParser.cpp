#include "ScriptParser.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace VelSystem {

namespace {

struct StepWord
{
    const char* word;
    ScriptStep::Kind kind;
};

const StepWord kSteps[] = {
    {"tool", ScriptStep::ChooseTool},
    {"press", ScriptStep::Press},
    {"release", ScriptStep::Release},
    {"click", ScriptStep::Click},
    {"double-click", ScriptStep::DoubleClick},
    {"double-press", ScriptStep::DoublePress},
    {"move", ScriptStep::Move},
    {"key-press", ScriptStep::KeyPress},
    {"key-release", ScriptStep::KeyRelease},
    {"key", ScriptStep::KeyType},
    {"wheel", ScriptStep::Wheel},
    {"dialog", ScriptStep::AnswerDialog},
    {"undo", ScriptStep::Undo},
    {"redo", ScriptStep::Redo},
    {"lay", ScriptStep::Lay},
    {"optimise-cut-order", ScriptStep::OptimiseCuts},
    {"export-hpgl", ScriptStep::ExportHpgl},
    {"cut-view", ScriptStep::CutView},
    {"link-view", ScriptStep::LinkView},
    {"save", ScriptStep::Save},
    {"screenshot", ScriptStep::Screenshot},
    {"push", ScriptStep::PushButton},
    {"chart-click", ScriptStep::ChartClick},
    {"expect", ScriptStep::Expect},
};

struct KeyName
{
    const char* name;
    int key;
};

const KeyName kKeys[] = {
    {"space", Qt::Key_Space},   {"control", Qt::Key_Control},   {"ctrl", Qt::Key_Control},
    {"shift", Qt::Key_Shift},   {"alt", Qt::Key_Alt},           {"meta", Qt::Key_Meta},
    {"return", Qt::Key_Return}, {"enter", Qt::Key_Enter},       {"escape", Qt::Key_Escape},
    {"esc", Qt::Key_Escape},    {"tab", Qt::Key_Tab},           {"backspace", Qt::Key_Backspace},
    {"delete", Qt::Key_Delete}, {"plus", Qt::Key_Plus},         {"minus", Qt::Key_Minus},
    {"left", Qt::Key_Left},     {"right", Qt::Key_Right},       {"up", Qt::Key_Up},
    {"down", Qt::Key_Down},     {"home", Qt::Key_Home},         {"end", Qt::Key_End},
    {"pageup", Qt::Key_PageUp}, {"pagedown", Qt::Key_PageDown},
};

struct ModifierName
{
    const char* name;
    Qt::KeyboardModifier modifier;
};

const ModifierName kModifiers[] = {
    {"shift", Qt::ShiftModifier}, {"ctrl", Qt::ControlModifier}, {"control", Qt::ControlModifier},
    {"alt", Qt::AltModifier},     {"meta", Qt::MetaModifier},
};

struct ButtonName
{
    const char* name;
    Qt::MouseButton button;
};

const ButtonName kButtons[] = {
    {"left", Qt::LeftButton},
    {"right", Qt::RightButton},
    {"middle", Qt::MiddleButton},
};

struct CheckName
{
    const char* name;
    ScriptStep::Check check;
    // How many words may follow the check's name; several are taken as one text.
    int minimum;
    int maximum;
    const char* usage;
};

const CheckName kChecks[] = {
    {"tool", ScriptStep::ExpectTool, 1, 1, "expect tool ID"},
    {"undo-count", ScriptStep::ExpectUndoCount, 1, 1, "expect undo-count N"},
    {"selected", ScriptStep::ExpectSelected, 1, 1, "expect selected N"},
    {"message", ScriptStep::ExpectMessage, 1, INT_MAX, "expect message TEXT"},
    {"no-message", ScriptStep::ExpectNoMessage, 0, 0, "expect no-message"},
    {"instructions", ScriptStep::ExpectInstructions, 1, INT_MAX, "expect instructions TEXT"},
    {"undo-text", ScriptStep::ExpectUndoText, 1, INT_MAX, "expect undo-text TEXT"},
    {"overlaps", ScriptStep::ExpectOverlaps, 1, 1, "expect overlaps N"},
    {"unmatched", ScriptStep::ExpectUnmatched, 1, 1, "expect unmatched N"},
    {"same-as-file", ScriptStep::ExpectSameAsFile, 0, 1, "expect same-as-file [PATH]"},
    {"field", ScriptStep::ExpectField, 2, INT_MAX, "expect field NAME TEXT"},
    {"clipboard", ScriptStep::ExpectClipboard, 1, INT_MAX, "expect clipboard TEXT..."},
};

// How long a lay step searches when the script does not say.
constexpr int kLaySeconds = 60;

const char* const kMouseUsage = "%1 X Y [left|right|middle] [shift] [ctrl] [alt]";

} // namespace

bool ScriptParser::parse(const QString& text, QVector<ScriptStep>* steps, int* errorLine, QString* error)
{
    QVector<ScriptStep> result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QStringList words;
        ScriptStep step;
        if (!splitWords(lines.at(i), &words, error) ||
            (!words.isEmpty() && !parseStep(words, &step, error))) {
            *errorLine = i + 1;
            return false;
        }
        if (words.isEmpty())
            continue;
        step.line = i + 1;
        step.source = words.join(QLatin1Char(' '));
        result.append(step);
    }
    *steps = result;
    return true;
}

int ScriptParser::keyCode(const QString& name)
{
    const QString lower = name.toLower();
    for (const KeyName& known : kKeys) {
        if (lower == QLatin1String(known.name))
            return known.key;
    }
    // Printable ASCII keys have their upper-case character as code (A, 5, +).
    if (name.size() == 1 && name.at(0).unicode() < 128 && name.at(0).isPrint() && !name.at(0).isSpace())
        return name.at(0).toUpper().unicode();
    if (lower.startsWith(QLatin1Char('f'))) {
        bool ok = false;
        const int number = lower.mid(1).toInt(&ok);
        if (ok && number >= 1 && number <= 12 && lower.mid(1) == QString::number(number))
            return Qt::Key_F1 + number - 1;
    }
    return 0;
}

bool ScriptParser::splitWords(const QString& line, QStringList* words, QString* error)
{
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (const QChar c : line) {
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inWord = true;
        } else if (c == QLatin1Char('#')) {
            break;
        } else if (c.isSpace()) {
            if (inWord)
                words->append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) {
        *error = tr("a quote is not closed");
        return false;
    }
    if (inWord)
        words->append(word);
    return true;
}

bool ScriptParser::parseStep(const QStringList& words, ScriptStep* step, QString* error)
{
    const QString& word = words.first();
    const StepWord* found = nullptr;
    for (const StepWord& candidate : kSteps) {
        if (word == QLatin1String(candidate.word))
            found = &candidate;
    }
    if (!found) {
        *error = tr("unknown step \"%1\"").arg(word);
        return false;
    }
    step->kind = found->kind;
    switch (step->kind) {
    case ScriptStep::ChooseTool:
        if (!expectArguments(words, 1, 1, QStringLiteral("tool ID"), error))
            return false;
        step->text = words.at(1);
        return true;
    case ScriptStep::Press:
    case ScriptStep::Release:
    case ScriptStep::Click:
    case ScriptStep::DoubleClick:
    case ScriptStep::DoublePress:
    case ScriptStep::Move:
        return parseMouse(words, step, error);
    case ScriptStep::KeyPress:
    case ScriptStep::KeyRelease:
    case ScriptStep::KeyType:
        return parseKey(words, step, error);
    case ScriptStep::Wheel:
        return parseWheel(words, step, error);
    case ScriptStep::AnswerDialog:
        return parseDialog(words, step, error);
    case ScriptStep::Undo:
    case ScriptStep::Redo:
        if (!expectArguments(words, 0, 1, word + QStringLiteral(" [all]"), error))
            return false;
        step->all = words.size() == 2;
        if (step->all && words.at(1) != QLatin1String("all")) {
            *error = tr("\"%1\" is not \"all\"; usage: %2 [all]").arg(words.at(1), word);
            return false;
        }
        return true;
    case ScriptStep::Lay:
        step->number = kLaySeconds;
        return expectArguments(words, 0, 1, QStringLiteral("lay [SECONDS]"), error) &&
               (words.size() == 1 || parseSeconds(words.at(1), &step->number, error));
    case ScriptStep::CutView:
    case ScriptStep::LinkView: {
        const QString usage = word + QStringLiteral(" on|off");
        if (!expectArguments(words, 1, 1, usage, error))
            return false;
        step->all = words.at(1) == QLatin1String("on");
        if (!step->all && words.at(1) != QLatin1String("off")) {
            *error = tr("\"%1\" is neither \"on\" nor \"off\"; usage: %2").arg(words.at(1), usage);
            return false;
        }
        return true;
    }
    case ScriptStep::OptimiseCuts:
        return expectArguments(words, 0, 0, word, error);
    case ScriptStep::Save:
        if (!expectArguments(words, 0, 1, QStringLiteral("save [PATH]"), error))
            return false;
        step->text = words.value(1);
        return true;
    case ScriptStep::Screenshot:
    case ScriptStep::ExportHpgl:
    case ScriptStep::PushButton: {
        const QString argument =
            step->kind == ScriptStep::PushButton ? QStringLiteral(" NAME") : QStringLiteral(" PATH");
        if (!expectArguments(words, 1, 1, word + argument, error))
            return false;
        step->text = words.at(1);
        return true;
    }
    case ScriptStep::ChartClick: {
        const QString usage = QStringLiteral("chart-click piece|size N [shift] [ctrl] [alt]");
        if (!expectArguments(words, 2, 6, usage, error))
            return false;
        step->text = words.at(1);
        if (step->text != QLatin1String("piece") && step->text != QLatin1String("size")) {
            *error = tr("\"%1\" is neither \"piece\" nor \"size\"; usage: %2").arg(step->text, usage);
            return false;
        }
        if (!parseCount(words.at(2), &step->number, error))
            return false;
        return parseButtonAndModifiers(words, 3, false, step, error);
    }
    case ScriptStep::Expect:
        return parseExpect(words, step, error);
    }
    return false;
}

bool ScriptParser::parseMouse(const QStringList& words, ScriptStep* step, QString* error)
{
    const bool takesButton = step->kind != ScriptStep::Move;
    const QString usage = takesButton ? QString::fromLatin1(kMouseUsage).arg(words.first())
                                      : QStringLiteral("move X Y [shift] [ctrl] [alt]");
    return expectArguments(words, 2, 6, usage, error) && parsePoint(words, 1, &step->point, error) &&
           parseButtonAndModifiers(words, 3, takesButton, step, error);
}

bool ScriptParser::parseKey(const QStringList& words, ScriptStep* step, QString* error)
{
    if (!expectArguments(words, 1, 1, words.first() + QStringLiteral(" NAME"), error))
        return false;
    step->text = words.at(1);
    step->key = keyCode(step->text);
    if (step->key == 0) {
        *error = tr("unknown key \"%1\"").arg(step->text);
        return false;
    }
    return true;
}

bool ScriptParser::parseWheel(const QStringList& words, ScriptStep* step, QString* error)
{
    if (!expectArguments(words, 3, 7, QStringLiteral("wheel DELTA X Y [shift] [ctrl] [alt]"), error))
        return false;
    bool ok = false;
    step->number = words.at(1).toInt(&ok);
    if (!ok || step->number == 0) {
        *error = tr("\"%1\" is not a wheel delta (a whole number, 120 a notch)").arg(words.at(1));
        return false;
    }
    return parsePoint(words, 2, &step->point, error) && parseButtonAndModifiers(words, 4, false, step, error);
}

bool ScriptParser::parseDialog(const QStringList& words, ScriptStep* step, QString* error)
{
    step->maybe = words.value(1) == QLatin1String("maybe");
    const int first = step->maybe ? 2 : 1;
    if (words.size() <= first) {
        *error = tr("missing argument; usage: dialog [maybe] accept|reject [NAME=VALUE...]");
        return false;
    }
    const QString answer = words.at(first).toLower();
    if (answer != QLatin1String("accept") && answer != QLatin1String("reject")) {
        *error = tr("\"%1\" is neither accept nor reject").arg(words.at(first));
        return false;
    }
    step->accept = answer == QLatin1String("accept");
    for (int i = first + 1; i < words.size(); ++i) {
        const int equals = words.at(i).indexOf(QLatin1Char('='));
        if (equals <= 0) {
            *error = tr("\"%1\" is not NAME=VALUE").arg(words.at(i));
            return false;
        }
        const QString name = words.at(i).left(equals);
        const QString value = words.at(i).mid(equals + 1);
        // A field named again gets one more line: how a text edit takes several.
        const auto named =
            std::find_if(step->fields.begin(), step->fields.end(),
                         [&name](const QPair<QString, QString>& field) { return field.first == name; });
        if (named != step->fields.end())
            named->second += QLatin1Char('\n') + value;
        else
            step->fields.append({name, value});
    }
    return true;
}

bool ScriptParser::parseExpect(const QStringList& words, ScriptStep* step, QString* error)
{
    QStringList names;
    for (const CheckName& candidate : kChecks)
        names << QLatin1String(candidate.name);
    if (words.size() < 2) {
        *error = tr("missing argument; usage: expect %1 ...").arg(names.join(QLatin1Char('|')));
        return false;
    }
    const CheckName* found = nullptr;
    for (const CheckName& candidate : kChecks) {
        if (words.at(1) == QLatin1String(candidate.name))
            found = &candidate;
    }
    if (!found) {
        *error = tr("unknown check \"%1\"; one of: %2").arg(words.at(1), names.join(QStringLiteral(", ")));
        return false;
    }
    step->check = found->check;
    const QStringList rest = words.mid(1);
    const QString usage = QLatin1String(found->usage);
    if (!expectArguments(rest, found->minimum, found->maximum, usage, error))
        return false;
    if (step->check == ScriptStep::ExpectUndoCount || step->check == ScriptStep::ExpectSelected ||
        step->check == ScriptStep::ExpectOverlaps || step->check == ScriptStep::ExpectUnmatched)
        return parseCount(rest.at(1), &step->number, error);
    if (step->check == ScriptStep::ExpectField) {
        step->fields.append({rest.at(1), rest.mid(2).join(QLatin1Char(' '))});
        return true;
    }
    // The clipboard holds a copied row of values, one tab between each.
    step->text =
        rest.mid(1).join(step->check == ScriptStep::ExpectClipboard ? QLatin1Char('\t') : QLatin1Char(' '));
    return true;
}

bool ScriptParser::parsePoint(const QStringList& words, int first, QPointF* point, QString* error)
{
    double coordinates[2];
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        coordinates[i] = words.at(first + i).toDouble(&ok);
        if (!ok || !std::isfinite(coordinates[i])) {
            *error = tr("\"%1\" is not a number of centimetres").arg(words.at(first + i));
            return false;
        }
    }
    *point = QPointF(coordinates[0], coordinates[1]);
    return true;
}

bool ScriptParser::parseButtonAndModifiers(const QStringList& words, int first, bool takesButton,
                                           ScriptStep* step, QString* error)
{
    bool buttonGiven = false;
    for (int i = first; i < words.size(); ++i) {
        const QString word = words.at(i).toLower();
        const auto modifier =
            std::find_if(std::begin(kModifiers), std::end(kModifiers),
                         [&](const ModifierName& m) { return word == QLatin1String(m.name); });
        if (modifier != std::end(kModifiers)) {
            step->modifiers |= modifier->modifier;
            continue;
        }
        const auto button = std::find_if(std::begin(kButtons), std::end(kButtons),
                                         [&](const ButtonName& b) { return word == QLatin1String(b.name); });
        if (button == std::end(kButtons)) {
            *error = tr("unknown button or modifier \"%1\"").arg(words.at(i));
            return false;
        }
        if (!takesButton) {
            *error = tr("\"%1\": this step takes no button (the buttons pressed before stay held)")
                         .arg(words.at(i));
            return false;
        }
        if (buttonGiven) {
            *error = tr("\"%1\": one button a step").arg(words.at(i));
            return false;
        }
        step->button = button->button;
        buttonGiven = true;
    }
    return true;
}

bool ScriptParser::parseCount(const QString& word, int* count, QString* error)
{
    bool ok = false;
    *count = word.toInt(&ok);
    if (!ok || *count < 0) {
        *error = tr("\"%1\" is not a count").arg(word);
        return false;
    }
    return true;
}

bool ScriptParser::parseSeconds(const QString& word, int* seconds, QString* error)
{
    bool ok = false;
    *seconds = word.toInt(&ok);
    if (!ok || *seconds < 1) {
        *error = tr("\"%1\" is not a number of seconds (a whole number, at least 1)").arg(word);
        return false;
    }
    return true;
}

bool ScriptParser::expectArguments(const QStringList& words, int minimum, int maximum, const QString& usage,
                                   QString* error)
{
    const int count = words.size() - 1;
    if (count < minimum)
        *error = tr("missing argument; usage: %1").arg(usage);
    else if (count > maximum)
        *error = tr("too many arguments; usage: %1").arg(usage);
    else
        return true;
    return false;
}

} // namespace VelSystem
