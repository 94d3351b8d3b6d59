#pragma once

// A translator that "translates" every text to "<context>|<source>", so that a test sees
// which translation context a user-visible text went through.

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

class ContextTranslator : public QTranslator
{
public:
    ContextTranslator() { QCoreApplication::installTranslator(this); }
    ~ContextTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        return tagged(context, sourceText);
    }

    static QString tagged(const char* context, const char* sourceText)
    {
        return QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(sourceText);
    }
};
