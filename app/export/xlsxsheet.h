#pragma once

#include "export/columnwidths.h"
#include "export/sheetlayout.h"

#include <QByteArray>
#include <QString>
#include <clocale>
#include <memory>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// A workbook of one sheet written to `path` with libxlsxwriter in constant-memory mode: each
// row goes to a temporary file when the next row begins, so memory does not grow with the
// number of rows, and cells must come row by row. Every column is sized to its content when
// the workbook is finished. Until finish() succeeds nothing is written at `path`; a writer
// dropped before that leaves no file behind.
class XlsxSheet : public SheetCells {
public:
    explicit XlsxSheet(const QString& path);
    ~XlsxSheet() override;
    XlsxSheet(const XlsxSheet&) = delete;
    XlsxSheet& operator=(const XlsxSheet&) = delete;

    // False when the workbook could not be started; error() says why.
    bool isOpen() const { return sheet_ != nullptr; }

    bool text(int row, int column, const QString& value, CellStyle style) override;
    bool number(int row, int column, double value, CellStyle style) override;
    bool blank(int row, int column, CellStyle style) override;

    // Sizes the columns and writes the file; false with error() set when that failed.
    bool finish();

    // Why the last failing call failed.
    const QString& error() const { return error_; }

private:
    struct WorkbookFree {
        void operator()(lxw_workbook* workbook) const;
    };
    // libxlsxwriter prints numbers with the C library's printf, which follows the process's
    // numeric locale: under a Dutch or German locale a width of 0.7 would go into the file as
    // "0,7" and spreadsheet programs refuse the workbook. This keeps the calling thread on
    // the C numeric rules for as long as the writer lives.
    class CNumericLocale {
    public:
        CNumericLocale();
        ~CNumericLocale();
        CNumericLocale(const CNumericLocale&) = delete;
        CNumericLocale& operator=(const CNumericLocale&) = delete;

    private:
        locale_t c_;
        locale_t previous_;
    };

    lxw_format* format(CellStyle style) const;
    bool check(int result, int row, int column);

    CNumericLocale numericLocale_; // first, so it outlives the workbook
    QByteArray path_;
    std::unique_ptr<lxw_workbook, WorkbookFree> workbook_;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* italic_ = nullptr;
    lxw_format* bold_ = nullptr;
    ColumnWidths widths_;
    QString error_;
};
