// quill-xls-reader FILE [SHEET-INDEX]: an Excel 97-2003 workbook's sheet names, or one sheet's
// cells, read with freexl and written to stdout in the frames of XlsReaderFormat.h.
#include "XlsReaderFormat.h"

#include <freexl.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace quill::xlsframe;

namespace {

// Writes a frame to stdout in pieces (a large sheet need not fit in memory twice). A failure
// half-way is no risk: the reader takes nothing without the trailer and exit code 0.
class Frame {
public:
    explicit Frame(char kind)
    {
        mBytes.append(Magic, sizeof Magic);
        u8(Version);
        u8(std::uint8_t(kind));
    }
    void u8(std::uint8_t v)
    {
        mBytes.push_back(char(v));
        if (mBytes.size() >= FlushSize)
            flush();
    }
    void u32(std::uint32_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            u8(std::uint8_t(v >> shift));
    }
    void u64(std::uint64_t v)
    {
        for (int shift = 0; shift < 64; shift += 8)
            u8(std::uint8_t(v >> shift));
    }
    void text(const char *s)
    {
        const std::size_t n = std::strlen(s);
        u32(std::uint32_t(n));
        mBytes.append(s, n);
        if (mBytes.size() >= FlushSize)
            flush();
    }
    // The trailer: the frame is complete.
    bool writeOut()
    {
        mBytes.append(Trailer, sizeof Trailer);
        flush();
        return mGood && std::fflush(stdout) == 0;
    }

private:
    static constexpr std::size_t FlushSize = std::size_t(1) << 20;

    void flush()
    {
        mGood = mGood && std::fwrite(mBytes.data(), 1, mBytes.size(), stdout) == mBytes.size();
        mBytes.clear();
    }

    std::string mBytes;
    bool mGood = true;
};

int fail(int code, const std::string &message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return code;
}

class Workbook {
public:
    ~Workbook()
    {
        if (handle)
            freexl_close(handle);
    }
    const void *handle = nullptr;
    unsigned int sheetCount = 0;
};

// Opens the workbook; 0 when it lists at least one sheet, else the exit code (message printed).
int openWorkbook(const char *path, Workbook &book)
{
    const int rc = freexl_open(path, &book.handle);
    if (rc != FREEXL_OK)
        return fail(ExitWorkbookUnreadable,
                    "not a readable Excel 97-2003 workbook (code " + std::to_string(rc) + ")");
    if (freexl_get_info(book.handle, FREEXL_BIFF_SHEET_COUNT, &book.sheetCount) != FREEXL_OK
        || book.sheetCount == 0)
        return fail(ExitWorkbookUnreadable, "the workbook lists no sheets");
    return 0;
}

int writeNames(Workbook &book)
{
    Frame frame(KindNames);
    frame.u32(book.sheetCount);
    for (unsigned int i = 0; i < book.sheetCount; ++i) {
        const char *name = nullptr;
        const bool present = i <= 0xFFFF
                             && freexl_get_worksheet_name(book.handle, (unsigned short)i, &name)
                                    == FREEXL_OK
                             && name;
        frame.u8(present ? 1 : 0);
        if (present)
            frame.text(name);
    }
    return frame.writeOut() ? ExitRead : fail(ExitWorkbookUnreadable, "the output cannot be written");
}

void writeCell(Frame &frame, const FreeXL_CellValue &cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        frame.u8(CellInt);
        frame.u32(std::uint32_t(cell.value.int_value));
        return;
    case FREEXL_CELL_DOUBLE: {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &cell.value.double_value, sizeof bits);
        frame.u8(CellDouble);
        frame.u64(bits);
        return;
    }
    case FREEXL_CELL_TEXT: case FREEXL_CELL_SST_TEXT: case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME: case FREEXL_CELL_TIME: {
        if (!cell.value.text_value)
            break;
        const CellType type = cell.type == FREEXL_CELL_DATE       ? CellDate
                              : cell.type == FREEXL_CELL_DATETIME ? CellDateTime
                              : cell.type == FREEXL_CELL_TIME     ? CellTime
                                                                  : CellText;
        frame.u8(type);
        frame.text(cell.value.text_value);
        return;
    }
    default:
        break;
    }
    frame.u8(CellNull);
}

int writeCells(Workbook &book, unsigned long index)
{
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (index >= book.sheetCount
        || freexl_select_active_worksheet(book.handle, (unsigned short)index) != FREEXL_OK
        || freexl_worksheet_dimensions(book.handle, &rows, &columns) != FREEXL_OK)
        return fail(ExitSheetUnreadable, "the sheet is damaged");
    Frame frame(KindCells);
    frame.u32(rows);
    frame.u32(columns);
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(book.handle, r, c, &cell) == FREEXL_OK)
                writeCell(frame, cell);
            else
                frame.u8(CellNull); // an unreadable cell reads as empty
        }
    }
    return frame.writeOut() ? ExitRead : fail(ExitSheetUnreadable, "the output cannot be written");
}

bool parseIndex(const char *text, unsigned long &index)
{
    if (!*text || *text < '0' || *text > '9')
        return false;
    char *end = nullptr;
    errno = 0;
    index = std::strtoul(text, &end, 10);
    return errno == 0 && *end == '\0' && index <= 0xFFFF;
}

} // namespace

int main(int argc, char **argv)
{
    unsigned long index = 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !parseIndex(argv[2], index)))
        return fail(ExitUsage, "usage: quill-xls-reader FILE [SHEET-INDEX]");
    Workbook book;
    if (const int rc = openWorkbook(argv[1], book); rc != 0)
        return rc;
    return argc == 2 ? writeNames(book) : writeCells(book, index);
}
