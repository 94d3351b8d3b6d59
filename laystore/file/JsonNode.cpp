#include "laystore/file/JsonNode.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <cctype>
#include <cmath>
#include <exception>

namespace VelSystem {

namespace {

// Limits and the like, written as a reader types them ("1000000", not "1e+06").
QString numberText(double v)
{
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

// "line L, column C" of a byte offset; columns count characters, not bytes.
QString lineAndColumn(const QByteArray& bytes, int offset)
{
    const QByteArray before = bytes.left(offset);
    const int line = before.count('\n') + 1;
    const int column = QString::fromUtf8(before.mid(before.lastIndexOf('\n') + 1)).size() + 1;
    return JsonNode::tr("line %1, column %2").arg(line).arg(column);
}

QString quoted(const QStringList& names)
{
    QStringList q;
    for (const QString& name : names)
        q << QLatin1Char('"') + name + QLatin1Char('"');
    return q.join(QLatin1String(", "));
}

} // namespace

QString JsonNode::Error::describe(const QString& source) const
{
    return path.isEmpty() ? QStringLiteral("%1: %2").arg(source, message)
                          : QStringLiteral("%1: %2: %3").arg(source, path, message);
}

bool JsonNode::readFile(const QString& path, QByteArray* bytes, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("%1: cannot open: %2").arg(name, file.errorString());
        return false;
    }
    if (file.size() > kMaxFileSize) {
        *error = tr("%1: too large (%2 bytes; at most %3)").arg(name).arg(file.size()).arg(kMaxFileSize);
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = tr("%1: cannot read: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}

bool JsonNode::read(const QByteArray& bytes, const QString& source, QString* error,
                    const std::function<void(const JsonNode&)>& reader)
{
    try {
        reader(parse(bytes));
        return true;
    } catch (const Error& e) {
        *error = e.describe(source);
    } catch (const std::exception& e) {
        *error = QStringLiteral("%1: %2").arg(source, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

JsonNode JsonNode::parse(const QByteArray& bytes)
{
    if (bytes.trimmed().isEmpty())
        throw Error{QString(), tr("the file is empty")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // The parser mostly stops just past the character that broke the document, sometimes
        // on it: step back unless that lands on white space.
        int at = error.offset;
        if (at > 0 && !std::isspace(static_cast<unsigned char>(bytes.at(at - 1))))
            --at;
        throw Error{lineAndColumn(bytes, at), error.errorString()};
    }
    return JsonNode(document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array()));
}

JsonNode::JsonNode(const QJsonValue& value, const QString& path) : mValue(value), mPath(path) {}

JsonNode JsonNode::operator[](const char* key) const
{
    return member(QLatin1String(key));
}

void JsonNode::checkKeys(const std::vector<const char*>& known) const
{
    requireObject();
    const QStringList keys = mValue.toObject().keys();
    for (const QString& key : keys) {
        bool found = false;
        for (const char* k : known)
            found = found || key == QLatin1String(k);
        if (!found)
            member(key).fail(tr("unknown key"));
    }
}

int JsonNode::size(int minimum, int maximum, const QString& what) const
{
    requireArray();
    const int n = mValue.toArray().size();
    if (n < minimum)
        fail(tr("too few %1: expected at least %2").arg(what).arg(minimum));
    if (n > maximum)
        fail(tr("too many %1: expected at most %2").arg(what).arg(maximum));
    return n;
}

JsonNode JsonNode::at(int index) const
{
    requireArray();
    return JsonNode(mValue.toArray().at(index), mPath + QStringLiteral("[%1]").arg(index));
}

double JsonNode::number(double minimum, double maximum) const
{
    const double v = mValue.toDouble(std::nan(""));
    if (!mValue.isDouble() || !std::isfinite(v))
        expected(tr("a number"));
    if (v < minimum || v > maximum)
        fail(tr("expected a number from %1 to %2").arg(numberText(minimum), numberText(maximum)));
    return v;
}

double JsonNode::angle() const
{
    const double v = mValue.toDouble(std::nan(""));
    if (!mValue.isDouble() || !(v >= 0.0 && v < 360.0))
        expected(tr("an angle from 0 to below 360"));
    return v;
}

double JsonNode::angle(double fallback) const
{
    return isPresent() ? angle() : fallback;
}

double JsonNode::positive(double maximum) const
{
    const double v = mValue.toDouble(std::nan(""));
    if (!mValue.isDouble() || !std::isfinite(v) || v <= 0.0)
        expected(tr("a positive number"));
    if (v > maximum)
        fail(tr("expected a positive number not above %1").arg(numberText(maximum)));
    return v;
}

int JsonNode::integer(int minimum, int maximum) const
{
    const double v = mValue.toDouble(std::nan(""));
    if (!mValue.isDouble() || !(v >= minimum && v <= maximum) || v != std::floor(v))
        expected(tr("an integer from %1 to %2").arg(numberText(minimum), numberText(maximum)));
    return static_cast<int>(v);
}

int JsonNode::integer(int minimum, int maximum, int fallback) const
{
    return isPresent() ? integer(minimum, maximum) : fallback;
}

bool JsonNode::boolean() const
{
    if (!mValue.isBool())
        expected(tr("true or false"));
    return mValue.toBool();
}

bool JsonNode::boolean(bool fallback) const
{
    return isPresent() ? boolean() : fallback;
}

QString JsonNode::string() const
{
    if (!mValue.isString())
        expected(tr("a string"));
    return mValue.toString();
}

QString JsonNode::string(const QString& fallback) const
{
    return isPresent() ? string() : fallback;
}

int JsonNode::choice(const QStringList& names) const
{
    const int i = mValue.isString() ? names.indexOf(mValue.toString()) : -1;
    if (i < 0)
        expected(tr("one of %1").arg(quoted(names)));
    return i;
}

int JsonNode::choice(const QStringList& names, int fallback) const
{
    return isPresent() ? choice(names) : fallback;
}

void JsonNode::fail(const QString& message) const
{
    throw Error{mPath, message};
}

void JsonNode::expected(const QString& what) const
{
    fail(isPresent() ? tr("expected %1").arg(what) : tr("missing (expected %1)").arg(what));
}

JsonNode JsonNode::member(const QString& key) const
{
    requireObject();
    return JsonNode(mValue.toObject().value(key), mPath.isEmpty() ? key : mPath + QLatin1Char('.') + key);
}

void JsonNode::requireObject() const
{
    if (!mValue.isObject())
        expected(tr("an object"));
}

void JsonNode::requireArray() const
{
    if (!mValue.isArray())
        expected(tr("an array"));
}

} // namespace VelSystem
