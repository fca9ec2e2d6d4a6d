// The format tool bar and menu on the selection: fonts, styles, text alignment, colours, line
// width and style, the shape box; and the tool bar brought in line with a selected object.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace quill {

class CaptionFile;
class EditingController;
class EditorActions;
struct FormatState;
enum class EditorCommand;

// The dialogs the commands open, replaceable by tests.
struct FormatServices {
    std::function<std::optional<QColor>(const QColor &initial)> chooseColour;
    std::function<std::optional<QFont>(const QFont &initial)> chooseFont;
    std::function<std::optional<int>()> chooseLineWidth; // the custom line width dialog
    static FormatServices system(QWidget *parent, const CaptionFile &captions);
};

class FormatToolBarCommands : public QObject {
    Q_OBJECT
public:
    FormatToolBarCommands(EditingController &editing, EditorActions &actions,
                          FormatServices services, QObject *parent = nullptr);

    // The tool bar shows the first selected object's font, styles, alignment and colours; the
    // shape box is enabled only for a selection of shapes. Nothing here changes an object.
    void reflectSelection();

    // The commands (the actions and the boxes call them).
    void applyFontName(const QString &name);
    // A typed size: a whole number from 1 to 999, otherwise a message and nothing changes.
    bool applyFontSize(const QString &text);
    void toggleStyle(EditorCommand id);
    void applyTextAlignment(int alignment);
    void chooseFontColour();
    void chooseFont();
    void chooseFillColour();
    void chooseLineColour();
    void applyLineWidth(int width); // -1: the custom width dialog
    void applyLineStyle(int penStyle);
    void applyShapeEntry(int index);

protected:
    // The font boxes taking the focus put an armed drawing tool down.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectActions();
    void connectBoxes();
    void showState(const FormatState &state);

    EditingController &mEditing;
    EditorActions &mActions;
    FormatServices mServices;
};

} // namespace quill
