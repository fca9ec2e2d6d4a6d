// A libzint symbol owned for one encoding, and the encoding call both controls share.
#pragma once

#include <QByteArray>
#include <QString>

struct zint_symbol;

namespace quill {

// What to encode and how. Options left at -1 keep libzint's defaults.
struct ZintRequest {
    int symbology = 0;
    int option1 = -1;
    int option2 = -1;
    int option3 = -1;
    int inputMode = 1; // UNICODE_MODE: data are UTF-8
    int eci = 0;
    int outputOptions = 0;
    bool showText = false;
    QByteArray data;
};

class ZintSymbol {
public:
    ZintSymbol();
    ~ZintSymbol();
    ZintSymbol(const ZintSymbol &) = delete;
    ZintSymbol &operator=(const ZintSymbol &) = delete;

    // Encodes into vector output. Returns 0 on success (libzint's warnings included) or the
    // error number; detail receives libzint's explanation of an error.
    int encode(const ZintRequest &request, QString *detail);

    zint_symbol *get() const { return mSymbol; }

private:
    zint_symbol *mSymbol = nullptr;
    bool mUsed = false;
};

} // namespace quill
