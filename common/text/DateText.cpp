#include "common/text/DateText.h"

#include <cstdio>

namespace vantorel {

std::string unlabelledDateText(int dateFormat, double year, double month, double day) {
    char text[64];
    switch (dateFormat) {
    case 1: std::snprintf(text, sizeof text, "%04.0f/%02.0f/%02.0f", year, day, month); break;
    case 2: std::snprintf(text, sizeof text, "%02.0f/%02.0f/%04.0f", day, month, year); break;
    case 3: std::snprintf(text, sizeof text, "%02.0f/%02.0f/%04.0f", month, day, year); break;
    default: std::snprintf(text, sizeof text, "%04.0f/%02.0f/%02.0f", year, month, day); break;
    }
    return text;
}

std::string labelledDateText(int language, int dateFormat, double year, double month, double day) {
    return std::string(pickText(language, "Date:", "Date:", "Fecha:")) + " " +
           unlabelledDateText(dateFormat, year, month, day);
}

TextTriple dateErrorMessage(int code) {
    switch (code) {
    case 2:
        return {"The year is not valid (1985 - 2050).",
                "L'année entrée n'est pas valide (1985 - 2050).",
                "Año inválido (1985 - 2050)."};
    case 3:
        return {"The month is not valid.", "Le mois entré n'est pas valide.", "Mes inválido."};
    case 4:
        return {"The day is not valid.", "Le jour entré n'est pas valide.", "Día inválido."};
    case 5:
        return {"The hour is not valid.", "L'heure entrée n'est pas valide.",
                "Hora inválida."};
    case 6:
        return {"The minute is not valid.", "Les minutes entrées ne sont pas valides.",
                "Minutos inválidos."};
    default: return {"", "", ""};
    }
}

bool dateErrorBeeps(int code) { return code >= 2 && code <= 4; }

int datesel::listedDays(int month) {
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 2: return 28;
    default: return 30;
    }
}

}  // namespace vantorel
