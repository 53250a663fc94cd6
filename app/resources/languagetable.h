#pragma once

// The interface language: the compiled-in table of 70 messages in Dutch, English, French and
// German, and the rules that pick the language the program runs in.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>

// The interface languages. The value is the language base of the string table: message k of a
// language is table entry base + k, and the setting `Taal` holds the base as decimal text.
enum class LanguageBase : int {
    Dutch = 100,
    English = 200,
    French = 300,
    German = 400,
};

// The four bases in the order of the settings window's language list (position p holds base
// (p + 1) * 100).
inline constexpr std::array<LanguageBase, 4> kLanguageBases{
    LanguageBase::Dutch, LanguageBase::English, LanguageBase::French, LanguageBase::German};

// Every language has messages 1 to kMessageCount; none of them is empty.
inline constexpr int kMessageCount = 70;

// Message k (1 to kMessageCount) of a language.
QString languageText(LanguageBase base, int k);

// Message k of the language whose base is `base`, i.e. table entry base + k.
// k outside 1..kMessageCount gives an empty string (never a message of a neighbouring
// language). A base that is not one of the four gives the English message, the same fallback
// the program applies to a bad `Taal` setting, so a lookup always finds a text.
QString languageText(int base, int k);

// Table entry by its id: 101-170 Dutch, 201-270 English, 301-370 French, 401-470 German.
// Any other id gives an empty string.
QString languageEntry(int id);

// True when `taal` is exactly "100", "200", "300" or "400" (no blanks, signs or leading zeros).
bool isLanguageBase(QStringView taal);

// The language base a `Taal` value selects, as a number: 100, 200, 300 or 400. A value that is
// not a language base runs in English (200); the setting itself is the caller's to keep, so a
// hand-edited file keeps what the user wrote.
int languageBaseFromTaal(QStringView taal);

// The `Taal` text of a base: "100", "200", "300" or "400".
QString taalOf(LanguageBase base);

// The language a first start picks from the desktop locale: Dutch, French and German by the
// locale's language (any country), English for everything else. Callers pass QLocale::system().
LanguageBase languageBaseForLocale(const QLocale& locale);
QString taalForLocale(const QLocale& locale);

// The English name of a language: the entries of the settings window's language list and the
// base name of the language's help page ("Dutch", "English", "French", "German").
QString languageName(LanguageBase base);

// The interface language the program runs in, as a value.
class Language {
public:
    constexpr explicit Language(LanguageBase base = LanguageBase::English) : base_(base) {}

    // The language a `Taal` setting selects; a value that is not a language base is English.
    static Language fromTaal(QStringView taal);
    static Language fromLocale(const QLocale& locale);

    constexpr LanguageBase base() const { return base_; }
    QString taal() const { return taalOf(base_); }
    QString name() const { return languageName(base_); }

    // Message k (1 to kMessageCount) of this language; "" for any other k.
    QString text(int k) const { return languageText(base_, k); }

    friend constexpr bool operator==(Language, Language) = default;

private:
    LanguageBase base_;
};
