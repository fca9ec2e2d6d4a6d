// The product information window and the contact window of the Help menu.
#pragma once

#include <QDialog>

class QLabel;
class QVBoxLayout;

namespace quill {

class AppFolders;
class CaptionFile;
class HelpLinks;

// "QuillLabel 정보": the splash picture when installed, the version, the update hint, the
// copyright and the home page link, all from the caption file's [About] section.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(const CaptionFile &captions, const AppFolders &folders, HelpLinks &links,
        QWidget *parent = nullptr);
};

// "문의처": the head office and the support centre with their addresses and numbers; the
// purchase-points button opens [About] C_URL.
class TContactForm : public QDialog {
    Q_OBJECT
public:
    TContactForm(const CaptionFile &captions, HelpLinks &links, QWidget *parent = nullptr);
};

// A caption file text, empty for a missing key (the reader's "0").
QString aboutText(const CaptionFile &captions, const char *key);
// Adds a label for each key that has a text; returns the labels added. Long texts wrap;
// addresses and numbers (wrap false) keep their lines.
QList<QLabel *> addAboutLabels(const CaptionFile &captions, QVBoxLayout *layout,
    std::initializer_list<const char *> keys, bool wrap = false);

} // namespace quill
