#pragma once

#include "discovant/cddb/enums.h"
#include "resources/languagetable.h"

#include <string>

namespace discovant {
class Discovant;
}

// Looks a disc up the way the user set the component up. With the CDDB source: in the local
// CDDB database when a folder is set (CDDBFilePath), and on the server when there is no
// folder or the folder has no entry for the disc and an e-mail address is set (a public
// server wants one). The other sources (MusicBrainz, the local database alone, MusicBrainz
// then the server) are the component's own.
discovant::uCDDBMatchCode lookUpDisc(discovant::Discovant& core, const std::string& mediaToc);

// The language of the component's own windows and messages for an interface language: its
// French and German, and English for Dutch, which the component does not speak.
discovant::uCDDBLang componentLanguage(LanguageBase language);

// Whether a lookup would have to go to the CDDB server without the e-mail address it needs.
// (MusicBrainz first, then the server, asks MusicBrainz without one; the server then says
// what is missing.)
bool lookupNeedsEmail(const discovant::Discovant& core);
