#pragma once

// Every text the user sees exists in English, French and Spanish, chosen at the
// moment of use by the language index 0, 1 or 2. An index outside that range
// (a damaged settings file) reads as English.

namespace vantorel {

enum Language : int { kEnglish = 0, kFrench = 1, kSpanish = 2 };

inline int safeLanguage(int language) { return (language >= 0 && language <= 2) ? language : 0; }

// Offset some dialogs select their texts by: 0, 200 or 400.
inline int languageOffset(int language) { return 200 * safeLanguage(language); }
// A stored offset (200 French, 400 Spanish) back to the language index.
inline int languageFromOffset(int offset) { return offset == 200 ? 1 : offset == 400 ? 2 : 0; }

struct TextTriple {
    const char* en;
    const char* fr;
    const char* es;
    const char* operator()(int language) const {
        switch (safeLanguage(language)) {
        case kFrench: return fr;
        case kSpanish: return es;
        default: return en;
        }
    }
};

inline const char* pickText(int language, const char* en, const char* fr, const char* es) {
    return TextTriple{en, fr, es}(language);
}

// Window titles, ten per language: Moon, Mercury, Venus, Mars, Jupiter, Saturn,
// Sky, Heliocentric, Uranus, empty. The main frame indexes it with the row
// offset language * 10.
enum TitleIndex : int {
    kTitleMoon = 0, kTitleMercury, kTitleVenus, kTitleMars, kTitleJupiter, kTitleSaturn,
    kTitleSky, kTitleHeliocentric, kTitleUranus, kTitleEmpty
};
extern const char* const titleTable[30];
inline const char* windowTitle(int language, int index) {
    if (index < 0 || index > 9) index = kTitleEmpty;
    return titleTable[safeLanguage(language) * 10 + index];
}

}  // namespace vantorel
