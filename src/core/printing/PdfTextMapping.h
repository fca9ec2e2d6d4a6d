// Keeps the spaces of our PDFs when their text is copied or extracted.
#pragma once

#include <QByteArray>
#include <QIODevice>

namespace quill {

// The PDF writer tells readers which character each embedded glyph stands for (the font's
// ToUnicode map), taking the lowest code point the font maps to the glyph. Fonts such as Nanum
// Gothic map the control characters U+0001..U+001F to their space glyph, so every space came
// out as U+0001 and extracted text ran words together ("서울시강남구"). Labels never draw control
// characters: a glyph mapped to one stands for a space.
//
// Rewrites the destinations below U+0020 of the bfchar and bfrange lists in text to U+0020,
// keeping every byte count (the PDF's object offsets stay valid). A range of several glyphs
// starting at a control character is left alone (its other glyphs mean other characters).
// Returns how many destinations were changed.
int fixControlCharacterMappings(QByteArray &cmapText);

// A write-only device between the PDF writer and its file that fixes the ToUnicode lists as
// they pass (see fixControlCharacterMappings); everything else passes unchanged. Only the
// lists are held back until their end is seen. close() (or the destructor) passes what is held.
class PdfTextMappingFilter : public QIODevice {
public:
    // target must be open for writing and outlive the filter.
    explicit PdfTextMappingFilter(QIODevice *target);
    ~PdfTextMappingFilter() override;

    bool isSequential() const override { return true; }
    void close() override;
    // False when the target refused a write.
    bool failed() const { return mFailed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    void process(bool final);
    void pass(const QByteArray &bytes);

    QIODevice *mTarget;
    QByteArray mPending;
    bool mInList = false;
    bool mFailed = false;
};

} // namespace quill
