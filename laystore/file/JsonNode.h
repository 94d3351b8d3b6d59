#pragma once

#include <QCoreApplication>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <climits>
#include <functional>
#include <vector>

class QByteArray;

namespace VelSystem {

// A value of a JSON document being read, together with its place in the document
// ("fabrics[0].layers[1].width"), so that every complaint about it names where it applies.
// Accessors check the type and range they expect and throw JsonNode::Error otherwise:
// readers stop at the first error and report it as one message.
class JsonNode
{
    Q_DECLARE_TR_FUNCTIONS(JsonNode)

public:
    // The first thing wrong in a document: where (empty for the document as a whole) and what.
    struct Error
    {
        QString path;
        QString message;
        // "source: path: message", the form every reader reports.
        QString describe(const QString& source) const;
    };

    // Files larger than this are refused before they are read.
    static constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

    // Reads the whole file at `path`; false with `error` set to a message naming the file.
    static bool readFile(const QString& path, QByteArray* bytes, QString* error);
    // Parses `bytes` and hands the root to `reader`; false with `error` set to the first
    // complaint, as "source: path: message", when either fails. Exceptions the model throws
    // for what the checks let through are reported the same way.
    static bool read(const QByteArray& bytes, const QString& source, QString* error,
                     const std::function<void(const JsonNode&)>& reader);
    // The root of `bytes`; throws Error placed at "line L, column C" when they are not JSON
    // (or at nothing when they are empty).
    static JsonNode parse(const QByteArray& bytes);

    explicit JsonNode(const QJsonValue& value, const QString& path = QString());

    bool isPresent() const { return !mValue.isUndefined(); }
    const QJsonValue& value() const { return mValue; }

    // The member `key` of this object (absent members are nodes that are not present).
    JsonNode operator[](const char* key) const;
    // Fails on the first member whose key is not one of `known`.
    void checkKeys(const std::vector<const char*>& known) const;

    // The number of elements of this array, from `minimum` to `maximum`; `what` names the
    // elements in the complaint ("too few points: expected at least 3").
    int size(int minimum = 0, int maximum = INT_MAX, const QString& what = QString()) const;
    JsonNode at(int index) const;

    // A finite number within [minimum, maximum].
    double number(double minimum, double maximum) const;
    // Degrees from 0 to below 360.
    double angle() const;
    double angle(double fallback) const;
    // A number above 0 and not above `maximum`.
    double positive(double maximum) const;
    int integer(int minimum, int maximum) const;
    int integer(int minimum, int maximum, int fallback) const;
    bool boolean() const;
    bool boolean(bool fallback) const;
    QString string() const;
    QString string(const QString& fallback) const;
    // The position of this string among `names`.
    int choice(const QStringList& names) const;
    int choice(const QStringList& names, int fallback) const;

    [[noreturn]] void fail(const QString& message) const;

private:
    // Fails with "expected ..." (or "missing (expected ...)" when the value is absent).
    [[noreturn]] void expected(const QString& what) const;
    JsonNode member(const QString& key) const;
    void requireObject() const;
    void requireArray() const;

    QJsonValue mValue;
    QString mPath;
};

} // namespace VelSystem
