// libFuzzer entry: arbitrary bytes through the document reader (current and legacy format)
// and the object list reader of undo snapshots and clipboard files.
#include "document/DocumentFile.h"
#include "document/LabelDocument.h"
#include "document/ObjectList.h"
#include "document/PropertyStreamReader.h"
#include "objects/ObjectClasses.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

using namespace quill;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Objects use fonts, which need an application; libFuzzer's own arguments stay with it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_document_reader";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    registerObjectClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        LabelDocument document;
        (void)readDocumentBytes(document, bytes, QStringLiteral("/fuzz/input.lbl"));
    }
    PropertyStreamReader reader(bytes);
    std::vector<std::unique_ptr<LabelObject>> objects;
    (void)readObjectList(reader, objects);
    return 0;
}
