#include "db/namecollation.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <sqlite3.h>
#include <string_view>

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Most names are plain ASCII; for those folding is lowering A-Z, done on the bytes without
// decoding them.
int compareFolded(void*, int leftSize, const void* left, int rightSize, const void* right)
{
    const std::string_view a(static_cast<const char*>(left), static_cast<std::size_t>(leftSize));
    const std::string_view b(static_cast<const char*>(right), static_cast<std::size_t>(rightSize));
    if (isAscii(a) && isAscii(b)) {
        const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return asciiLower(x) == asciiLower(y); });
        if (mismatch.first == a.end())
            return mismatch.second == b.end() ? 0 : -1;
        if (mismatch.second == b.end())
            return 1;
        return asciiLower(*mismatch.first) < asciiLower(*mismatch.second) ? -1 : 1;
    }
    const QString foldedA = foldedName(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size())));
    const QString foldedB = foldedName(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())));
    return foldedA.compare(foldedB);
}

} // namespace

QString foldedName(QStringView name)
{
    const QString decomposed = name.toString().normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare.append(c);
    }
    return bare.toCaseFolded();
}

QList<qsizetype> alphabeticalOrder(const QList<QString>& names, const QLocale& language, Qt::SortOrder order)
{
    QCollator collator(language);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // A sort key per name costs one pass of the collation; comparing keys is then a byte
    // compare, which keeps a list of thousands of artists quick.
    QList<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names)
        keys.append(collator.sortKey(name));
    const int sign = order == Qt::AscendingOrder ? 1 : -1;
    QList<qsizetype> positions(names.size());
    std::iota(positions.begin(), positions.end(), qsizetype(0));
    std::stable_sort(positions.begin(), positions.end(),
        [&keys, sign](qsizetype a, qsizetype b) { return sign * keys.at(a).compare(keys.at(b)) < 0; });
    return positions;
}

int registerNameFoldCollation(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, kNameFoldCollation, SQLITE_UTF8, nullptr, compareFolded, nullptr);
}
