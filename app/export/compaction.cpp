#include "export/compaction.h"

#include "export/cataloguefile.h"

#include <QFileInfo>
#include <cmath>

int savingPercent(qint64 sizeBefore, qint64 sizeAfter)
{
    if (sizeBefore <= 0)
        return 0;
    // The default rounding mode takes an exact half to the even neighbour; the quotient of
    // file sizes is exact enough in a double for a half to stay a half.
    return static_cast<int>(
        std::lrint(static_cast<double>(sizeBefore - sizeAfter) * 100.0 / static_cast<double>(sizeBefore)));
}

FileResult<CompactionOutcome> compactCatalogue(const QString& database, ProgressReport* progress)
{
    const QFileInfo original(database);
    if (!original.isFile())
        return FileError { ErrorNumbers::fileNotFound,
            QStringLiteral("The catalogue %1 does not exist").arg(database) };
    CompactionOutcome outcome;
    outcome.sizeBefore = original.size();
    if (FileStatus compacted = compactCatalogueInPlace(database, progress); !compacted)
        return compacted.error();
    outcome.sizeAfter = QFileInfo(database).size();
    outcome.saving = savingPercent(outcome.sizeBefore, outcome.sizeAfter);
    return outcome;
}
