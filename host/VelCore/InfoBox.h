#pragma once

#include <QMap>
#include <QObject>
#include <QString>

namespace VelSystem {

// The information box: the current tool's instruction page and the live values a tool
// shows while dragging. The host shows it as a dock; it lives here so the host and the
// plug-in share one instance.
class InfoBox : public QObject
{
    Q_OBJECT
public:
    enum Field
    {
        Dx = 4,
        Dy = 8,
        Distance = 16
    };

    // Sets field `field` to `value`; `shown` false hides the field (hasValue() turns false).
    // valuesChanged is emitted only when something changed.
    void setValue(int field, double value, bool shown = true);
    // Clears every field whose code shares a bit with `mask`.
    void clear(int mask);
    bool hasValue(int field) const { return mValues.contains(field); }
    double value(int field) const { return mValues.value(field); }

    void setInstructions(const QString& html);
    QString instructions() const { return mInstructions; }

signals:
    void valuesChanged();
    void instructionsChanged(const QString& html);

private:
    QMap<int, double> mValues;
    QString mInstructions;
};

InfoBox* GetInfoBox();

} // namespace VelSystem
