#pragma once

#include "resources/languagetable.h"

#include <QPixmap>

// The flag shown beside the language list of the settings window: the Netherlands, the United
// Kingdom, France and Germany, drawn at the size asked for.
QPixmap languageFlag(LanguageBase language, const QSize& size);
