#include "export/xlsxsheet.h"

#include <QFile>
#include <QXmlStreamReader>
#include <minizip/unzip.h>
#include <xlsxwriter.h>

namespace {

// libxlsxwriter does not check its writes to the temporary files the rows and the parts of
// the workbook pass through: a disk that fills up there gives a workbook that opens with rows
// missing and reports no error. So the written workbook is read back: every part must be
// complete XML (and match its checksum). Returns why it is not, or "".
QString incompleteWorkbook(const QByteArray& path)
{
    unzFile zip = unzOpen64(path.constData());
    if (!zip)
        return QStringLiteral("it is no complete zip file");
    QString problem;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK && problem.isEmpty(); rc = unzGoToNextFile(zip)) {
        char name[512] = {};
        if (unzGetCurrentFileInfo64(zip, nullptr, name, sizeof name - 1, nullptr, 0, nullptr, 0) != UNZ_OK
            || unzOpenCurrentFile(zip) != UNZ_OK) {
            problem = QStringLiteral("a part cannot be read");
            break;
        }
        QXmlStreamReader xml;
        int read = 0;
        while ((read = unzReadCurrentFile(zip, chunk.data(), static_cast<unsigned>(chunk.size()))) > 0) {
            xml.addData(QByteArray(chunk.constData(), read));
            while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::Invalid) { }
        }
        const bool intact = unzCloseCurrentFile(zip) == UNZ_OK && read == 0;
        if (!intact || xml.tokenType() != QXmlStreamReader::EndDocument)
            problem = QStringLiteral("its part %1 is incomplete").arg(QString::fromUtf8(name));
    }
    unzClose(zip);
    return problem;
}

// What a cell can hold of `value`: a cell takes 32,767 characters (counted as UTF-16 units by
// spreadsheet programs, as code points by libxlsxwriter, which refuses a longer string and
// with it the whole workbook). A longer value is cut to fit with "…" as its last character,
// never between the halves of a surrogate pair.
QString fittedInCell(const QString& value)
{
    constexpr qsizetype cellCharacters = 32767;
    if (value.size() <= cellCharacters)
        return value;
    qsizetype kept = cellCharacters - 1;
    if (value.at(kept - 1).isHighSurrogate())
        --kept;
    return value.left(kept) + QChar(0x2026);
}

} // namespace

void XlsxSheet::WorkbookFree::operator()(lxw_workbook* workbook) const
{
    // Frees an unfinished workbook without writing it.
    lxw_workbook_free(workbook);
}

XlsxSheet::CNumericLocale::CNumericLocale()
    : c_(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE)))
    , previous_(c_ != locale_t(nullptr) ? uselocale(c_) : locale_t(nullptr))
{
}

XlsxSheet::CNumericLocale::~CNumericLocale()
{
    if (c_ != locale_t(nullptr)) {
        uselocale(previous_);
        freelocale(c_);
    }
}

XlsxSheet::XlsxSheet(const QString& path)
    : path_(QFile::encodeName(path))
{
    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE;
    workbook_.reset(workbook_new_opt(path_.constData(), &options));
    if (workbook_)
        sheet_ = workbook_add_worksheet(workbook_.get(), nullptr);
    if (!sheet_) {
        error_ = QStringLiteral("The workbook cannot be started (no room for its temporary files?)");
        return;
    }
    italic_ = workbook_add_format(workbook_.get());
    format_set_italic(italic_);
    bold_ = workbook_add_format(workbook_.get());
    format_set_bold(bold_);
}

XlsxSheet::~XlsxSheet() = default;

lxw_format* XlsxSheet::format(CellStyle style) const
{
    switch (style) {
    case CellStyle::Italic:
        return italic_;
    case CellStyle::Bold:
        return bold_;
    case CellStyle::Plain:
        break;
    }
    return nullptr;
}

bool XlsxSheet::check(int result, int row, int column)
{
    if (result == LXW_NO_ERROR)
        return true;
    char cell[LXW_MAX_CELL_NAME_LENGTH];
    lxw_rowcol_to_cell(cell, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(column - 1));
    error_ = QStringLiteral("Cell %1 of the sheet cannot be written: %2")
                 .arg(QLatin1String(cell), QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(result))));
    return false;
}

bool XlsxSheet::text(int row, int column, const QString& value, CellStyle style)
{
    const QString fitted = fittedInCell(value);
    widths_.add(column, fitted, style == CellStyle::Bold);
    const QByteArray utf8 = fitted.toUtf8();
    return check(worksheet_write_string(sheet_, static_cast<lxw_row_t>(row - 1),
                     static_cast<lxw_col_t>(column - 1), utf8.constData(), format(style)),
        row, column);
}

bool XlsxSheet::number(int row, int column, double value, CellStyle style)
{
    widths_.add(column, QString::number(value, 'g', 15), style == CellStyle::Bold);
    return check(worksheet_write_number(sheet_, static_cast<lxw_row_t>(row - 1),
                     static_cast<lxw_col_t>(column - 1), value, format(style)),
        row, column);
}

bool XlsxSheet::blank(int row, int column, CellStyle style)
{
    return check(worksheet_write_blank(sheet_, static_cast<lxw_row_t>(row - 1),
                     static_cast<lxw_col_t>(column - 1), format(style)),
        row, column);
}

bool XlsxSheet::finish()
{
    if (!sheet_)
        return false;
    for (const auto& [column, width] : widths_.widths()) {
        const auto index = static_cast<lxw_col_t>(column - 1);
        if (!check(worksheet_set_column(sheet_, index, index, width, nullptr), 1, column))
            return false;
    }
    // workbook_close writes the file and frees the workbook, whatever its outcome.
    const lxw_error closed = workbook_close(workbook_.release());
    sheet_ = nullptr;
    if (closed != LXW_NO_ERROR) {
        error_ = QStringLiteral("The workbook cannot be written: %1")
                     .arg(QString::fromUtf8(lxw_strerror(closed)));
        return false;
    }
    if (const QString problem = incompleteWorkbook(path_); !problem.isEmpty()) {
        error_ = QStringLiteral("The workbook was not written completely (is the disk full?): %1").arg(problem);
        return false;
    }
    return true;
}
