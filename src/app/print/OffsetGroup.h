// The print offset group of both print dialogs: left and top offsets in millimetres, kept in
// the settings between uses.
#pragma once

#include <QGroupBox>

class QDoubleSpinBox;
class QSettings;

namespace quill {

// Hidden at first; "여백수정" shows and hides it.
class OffsetGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr double Limit = 3000.0; // mm either way
    static constexpr int MaxTextLength = 4;

    OffsetGroup(const QString &title, const QString &leftCaption, const QString &topCaption,
        QWidget *parent = nullptr);

    // Reads "LeftMargin" and "TopMargin" of the settings group "QuillLabel"; an absent, empty
    // or unreadable text shows as 0.
    void load(QSettings &settings);
    // Writes both offsets as decimal texts.
    void save(QSettings &settings) const;

    double leftMargin() const; // mm
    double topMargin() const; // mm

    void toggle();

private:
    QDoubleSpinBox *mLeft = nullptr;
    QDoubleSpinBox *mTop = nullptr;
};

} // namespace quill
