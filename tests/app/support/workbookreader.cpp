#include "support/workbookreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

// Debian's python3 has python3-openpyxl; another python3 earlier on PATH may not.
const QString python = QStringLiteral("/usr/bin/python3");

const char* const readerScript = R"py(
import json, sys
import openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
out = {"sheets": len(book.worksheets), "values": {}, "bold": [], "italic": [], "widths": {}}
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is not None:
            if isinstance(cell.value, str):
                out["values"][cell.coordinate] = "s:" + cell.value
            elif isinstance(cell.value, (int, float)) and float(cell.value).is_integer():
                out["values"][cell.coordinate] = "n:%d" % int(cell.value)
            else:
                out["values"][cell.coordinate] = "n:%r" % cell.value
        if cell.font is not None and cell.font.b:
            out["bold"].append(cell.coordinate)
        if cell.font is not None and cell.font.i:
            out["italic"].append(cell.coordinate)
for letter, dimension in sheet.column_dimensions.items():
    if dimension.customWidth:
        out["widths"][letter] = dimension.width
print(json.dumps(out))
)py";

} // namespace

WorkbookContents readWorkbook(const QString& path)
{
    WorkbookContents contents;
    QProcess reader;
    reader.start(python, { QStringLiteral("-c"), QString::fromUtf8(readerScript), path });
    if (!reader.waitForFinished(60000) || reader.exitStatus() != QProcess::NormalExit
        || reader.exitCode() != 0) {
        contents.error = "openpyxl could not read " + path.toStdString() + ": "
            + reader.readAllStandardError().toStdString() + reader.errorString().toStdString();
        return contents;
    }
    QJsonParseError parseError;
    const QJsonObject out = QJsonDocument::fromJson(reader.readAllStandardOutput(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        contents.error = "unreadable answer of the reader: " + parseError.errorString().toStdString();
        return contents;
    }
    contents.sheetCount = out.value(QStringLiteral("sheets")).toInt();
    const QJsonObject values = out.value(QStringLiteral("values")).toObject();
    for (auto it = values.begin(); it != values.end(); ++it)
        contents.values[it.key().toStdString()] = it.value().toString().toStdString();
    for (const QJsonValue& cell : out.value(QStringLiteral("bold")).toArray())
        contents.bold.insert(cell.toString().toStdString());
    for (const QJsonValue& cell : out.value(QStringLiteral("italic")).toArray())
        contents.italic.insert(cell.toString().toStdString());
    const QJsonObject widths = out.value(QStringLiteral("widths")).toObject();
    for (auto it = widths.begin(); it != widths.end(); ++it)
        contents.widths[it.key().toStdString()] = it.value().toDouble();
    contents.ok = true;
    return contents;
}
