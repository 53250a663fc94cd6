#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

struct sqlite3;

// How artist names compare. Two jobs with different needs:
// - Order follows the interface language's alphabet ("Édith Piaf" among the E's, and in
//   German "Ö" with "O"), so it changes with the language and is applied to rows after they
//   are read, never stored in an index (an index ordered by a rule that changes would be
//   corrupt after a language switch).
// - Matching a name ("is this artist catalogued?") ignores letter case and accents in every
//   script and never depends on the language: the same two names are the same artist
//   whatever language the program runs in.

// The name with compatibility forms unfolded, accents removed and letter case folded:
// "ÉDITH" and "Édith" and "edith" give the same text.
QString foldedName(QStringView name);

// The positions of `names` in the order of `language`'s alphabet (or its reverse), letter
// case aside; equal names keep their original order.
QList<qsizetype> alphabeticalOrder(
    const QList<QString>& names, const QLocale& language, Qt::SortOrder order = Qt::AscendingOrder);

// The collation matching uses, registered on every catalogue connection: equal when the
// folded names are equal ("... WHERE Artiest = ? COLLATE NAMEFOLD").
inline constexpr const char* kNameFoldCollation = "NAMEFOLD";
int registerNameFoldCollation(sqlite3* db);
