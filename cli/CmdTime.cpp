// vantorel-cli time: the derived values of the date and time record.
#include <cstdio>
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "cli/CliOptions.h"
#include "engine/Angles.h"
#include "engine/DateTime.h"

namespace vantorel::cli {
namespace {

int runTime(const CliValues& values, std::ostream& out, std::ostream&) {
    const CivilDate date = values.date("date");
    const ClockTime clock = values.time("time");
    const ZoneArg zone = values.zone("zone");

    DateTime dt;
    dt.setLocal(date.year, date.month, date.day, clock.hour, clock.minute, zone.hours, zone.minutes);
    dt.namedZone = namedZoneOf(values);
    dt.computeDate();
    dt.computeNutation();
    dt.computeSiderealTime();

    char utDate[16];
    char utTime[8];
    std::snprintf(utDate, sizeof utDate, "%04d-%02d-%02d", static_cast<int>(dt.utYear),
                  static_cast<int>(dt.utMonth), static_cast<int>(dt.utDay));
    std::snprintf(utTime, sizeof utTime, "%02d:%02d", static_cast<int>(dt.utHour),
                  static_cast<int>(dt.utMinute));
    const double deltaTSeconds = dt.deltaT * 86400.0;
    const double epsilon0Deg = toDeg(dt.epsilon0);
    const double epsilonDeg = toDeg(dt.epsilon);

    if (values.flag("json")) {
        out << "{\"ut_date\":" << jsonString(utDate) << ",\"ut_time\":" << jsonString(utTime)
            << ",\"jd\":" << fullPrecision(dt.JD) << ",\"t_millennia\":" << fullPrecision(dt.t)
            << ",\"t_centuries\":" << fullPrecision(dt.T)
            << ",\"delta_t_s\":" << fullPrecision(deltaTSeconds)
            << ",\"jde\":" << fullPrecision(dt.JDE) << ",\"theta0_deg\":" << fullPrecision(dt.theta0)
            << ",\"local_sidereal_time_deg\":" << fullPrecision(dt.localSiderealTime)
            << ",\"delta_psi_arcsec\":" << fullPrecision(dt.deltaPsi)
            << ",\"delta_epsilon_arcsec\":" << fullPrecision(dt.deltaEpsilon)
            << ",\"epsilon0_deg\":" << fullPrecision(epsilon0Deg)
            << ",\"epsilon_deg\":" << fullPrecision(epsilonDeg) << zoneJson(dt) << "}\n";
        return 0;
    }
    char line[128];
    auto row = [&](const char* label, const char* fmt, double v) {
        std::snprintf(line, sizeof line, fmt, v);
        out << label << line << "\n";
    };
    out << "UT date                 " << utDate << "\n";
    out << "UT time                 " << utTime << "\n";
    row("JD                      ", "%.6f", dt.JD);
    row("t (millennia)           ", "%.12f", dt.t);
    row("T (centuries)           ", "%.12f", dt.T);
    row("delta T (s)             ", "%.1f", deltaTSeconds);
    row("JDE                     ", "%.6f", dt.JDE);
    row("theta0 (deg)            ", "%.6f", dt.theta0);
    row("local sidereal (deg)    ", "%.4f", dt.localSiderealTime);
    row("delta psi (\")           ", "%.4f", dt.deltaPsi);
    row("delta epsilon (\")       ", "%.4f", dt.deltaEpsilon);
    row("epsilon0 (deg)          ", "%.7f", epsilon0Deg);
    row("epsilon (deg)           ", "%.7f", epsilonDeg);
    return 0;
}

const CommandSyntax kSyntax{"time",
                    "The derived values of the date and time record for a local date and time.",
                    {},
                    {
                        dateOption("date", "local date").required(),
                        timeOption("time", "local clock time").required(),
                        zoneArgument(),
                        tzArgument(),
                        jsonFlag(),
                    },
                    "time --date 1987-04-10 --time 00:00 --zone 0"};
const CliCommandRegistrar registrar(kSyntax, runTime);

}  // namespace
}  // namespace vantorel::cli
