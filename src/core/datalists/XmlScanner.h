// A fast forward-only reader of the plain UTF-8 XML that workbook parts are made of.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace quill {

// Reads elements, attributes and text the way a worksheet of a hundred thousand rows needs it:
// names and raw values are views into the document, and text is decoded only when asked for.
// Checks what a damaged part shows (unbalanced or cut-off elements, bad references, a
// document type declaration) and reports it through hasError(); namespaces are not resolved:
// name() is the local name, so prefixed and unprefixed documents read alike.
class XmlScanner {
public:
    enum Token { StartElement, EndElement, Characters, EndDocument, Invalid };

    // xml must outlive the scanner. A UTF-16 document is converted to UTF-8 first.
    explicit XmlScanner(const QByteArray &xml);

    Token next();
    bool hasError() const { return mError; }

    // The local name of the current element (start or end).
    QByteArrayView name() const { return mName; }
    // The raw value of the current start element's attribute with this local name; empty if
    // it has none. decode() turns it into text.
    QByteArrayView attribute(QByteArrayView localName) const;
    // The current characters, decoded (references resolved, line ends made "\n").
    QString text() const { return mCdata ? QString::fromUtf8(mText) : decode(mText); }
    // The current characters as they stand in the document.
    QByteArrayView rawText() const { return mText; }
    // Skips to the end of the current start element (the scanner then stands on its end).
    void skipElement();

    // Resolves character and entity references in raw text; sets the error for bad ones.
    QString decode(QByteArrayView raw) const;

private:
    Token fail();
    bool skipPast(QByteArrayView terminator);
    Token readStartElement();
    Token readEndElement();

    QByteArray mOwned; // the document when it had to be converted
    QByteArrayView mXml;
    qsizetype mPos = 0;
    QByteArrayView mName, mAttributes, mText;
    bool mCdata = false;
    bool mPendingEnd = false; // the current start element was written <name/>
    mutable bool mError = false;
    QList<QByteArrayView> mOpen; // qualified names of the open elements
};

} // namespace quill
