#pragma once

#include <string>

#include "common/text/LanguageText.h"

// The date as the program prints it: in the order the user chose (settings key
// DATE), with a label in the status bar and without one in window titles; and
// the texts of the two date dialogs.

namespace vantorel {

// 0 year/month/day, 1 year/day/month, 2 day/month/year, 3 month/day/year;
// any other value prints as 0.
std::string unlabelledDateText(int dateFormat, double year, double month, double day);
// "Date: " ("Fecha: " in Spanish) followed by the unlabelled text.
std::string labelledDateText(int language, int dateFormat, double year, double month, double day);

// The format a radio selection of the date format dialog stands for: outside
// 0..3 counts as 0.
inline int dateFormatFromSelection(int selection) {
    return (selection >= 0 && selection <= 3) ? selection : 0;
}

// Message for a validation code of the date and time record (2 year .. 6
// minute); empty texts for code 1 (valid) or anything unknown.
TextTriple dateErrorMessage(int code);
// The question sound goes with the year, month and day messages only.
bool dateErrorBeeps(int code);

namespace datesel {
constexpr TextTriple kCaption{"Date - Time", "Date - Heure", "Fecha - Hora"};
constexpr TextTriple kTimeGroup{"Time", "Heure", "Hora"};
constexpr TextTriple kDateGroup{"Date", "Date", "Fecha"};
constexpr TextTriple kDay{"Day:", "Jour:", "Día:"};
constexpr TextTriple kMonth{"Month:", "Mois:", "Mes:"};
constexpr TextTriple kYear{"Year:", "Année:", "Año:"};
constexpr TextTriple kHour{"Hour:", "Heure:", "Hora:"};
constexpr TextTriple kMinute{"Minute:", "Minute:", "Minuto:"};
constexpr TextTriple kCurrentTime{"Current time", "Date courante", "Fecha actual"};
constexpr TextTriple kAllWindows{"Use this date for all windows.",
                                 "Appliquer cette date à toutes les fenêtres.",
                                 "Aplicar esta fecha a todas las ventanas."};
// The years the lists offer: every year the program computes; any number can
// still be typed and the check on OK decides.
constexpr int kFirstListedYear = 1985;
constexpr int kLastListedYear = 2050;
// Days the day list offers for a month (February 28; an unknown month 30).
int listedDays(int month);
}  // namespace datesel

namespace formatdate {
constexpr TextTriple kCaption{"Date display format", "Affichage de la date", "Formato de fecha"};
constexpr TextTriple kGroup{"Format", "Format", "Formato"};
constexpr TextTriple kChoices[4] = {
    {"Year/Month/Day", "Année/Mois/Jour", "Año/Mes/Día"},
    {"Year/Day/Month", "Année/Jour/Mois", "Año/Día/Mes"},
    {"Day/Month/Year", "Jour/Mois/Année", "Día/Mes/Año"},
    {"Month/Day/Year", "Mois/Jour/Année", "Mes/Día/Año"},
};
}  // namespace formatdate

constexpr TextTriple kOkText{"OK", "OK", "OK"};
constexpr TextTriple kCancelText{"Cancel", "Annuler", "Cancelar"};

}  // namespace vantorel
