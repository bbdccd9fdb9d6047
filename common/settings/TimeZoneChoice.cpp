#include "common/settings/TimeZoneChoice.h"

#include <cstdlib>

namespace vantorel {

const ZoneSize kZoneSizes[kZoneSizeCount] = {
    {1111, "0h", 0, 0, false},      {1180, "1h", 1, 0, false},      {1181, "2h", 2, 0, false},
    {1243, "2.5h", 2, 30, false},   {1182, "3h", 3, 0, false},      {1183, "3.5h", 3, 30, false},   {1184, "4h", 4, 0, false},
    {1185, "4.5h", 4, 30, true},    {1186, "5h", 5, 0, false},      {1187, "5.5h", 5, 30, true},
    {1238, "5.75h", 5, 45, true},   {1188, "6h", 6, 0, false},      {1189, "6.5h", 6, 30, true},
    {1190, "7h", 7, 0, false},      {1191, "8h", 8, 0, false},      {1239, "8.75h", 8, 45, true},
    {1192, "9h", 9, 0, false},      {1193, "9.5h", 9, 30, false},   {1194, "10h", 10, 0, false},
    {1195, "10.5h", 10, 30, true},  {1196, "11h", 11, 0, false},    {1197, "12h", 12, 0, false},
    {1240, "12.75h", 12, 45, true}, {1236, "13h", 13, 0, true},     {1241, "13.75h", 13, 45, true},
    {1242, "14h", 14, 0, true},
};

ZoneChoice zoneChoiceFor(int zoneHours, int zoneMinutes) {
    const bool west = zoneHours < 0 || zoneHours >= 50;
    const int hours = zoneHours >= 50 ? zoneHours - 50 : std::abs(zoneHours);
    ZoneChoice choice{0, west, {}};
    for (int i = 0; i < kZoneSizeCount; ++i) {
        if (kZoneSizes[i].hours == hours && kZoneSizes[i].minutes == zoneMinutes) {
            choice.index = i;
            break;
        }
    }
    return choice;
}

bool zoneChoosable(int index, bool west) {
    if (index < 0 || index >= kZoneSizeCount) return false;
    return !(west && kZoneSizes[index].eastOnly);
}

std::optional<Zone> zoneOf(const ZoneChoice& choice) {
    if (!zoneChoosable(choice.index, choice.west)) return std::nullopt;
    const ZoneSize& z = kZoneSizes[choice.index];
    return Zone{choice.west ? -z.hours : z.hours, z.minutes};
}

}  // namespace vantorel
