#pragma once

#include <QToolBar>
#include <string>

class QButtonGroup;
class QToolButton;

namespace VelSystem {

class ToolController;

// The tool palette: one button per tool of the plug-in, in the factory's order, with the
// tool's name and shortcut keys as tooltip and its icon in three states (normal, hovered,
// pressed or current). Disabled tools have disabled buttons; the hand grip, which has no
// icon of its own, gets a drawn hand. The current tool's button is down, temporary tools
// included.
class ToolPalette : public QToolBar
{
    Q_OBJECT
public:
    explicit ToolPalette(ToolController* controller, QWidget* parent = nullptr);

    // The button of tool `id` (null when the palette has none).
    QToolButton* button(const std::string& id) const;
    QList<QToolButton*> buttons() const;

    // `path` with `state` ("_hover", "_down") inserted before its extension.
    static QString stateImagePath(const QString& path, const QString& state);

private:
    void showCurrent(const QString& id);

    QButtonGroup* mGroup;
};

} // namespace VelSystem
