#pragma once

// Menu command numbers and the program's own window messages. The numbers are
// kept stable: they identify the same command in every language's menus.

namespace vantorel {

enum CommandId : int {
    ID_SEPARATOR = 0,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_SAVE_PICTURE = 57604,
    ID_APP_EXIT = 57665,
    ID_SITE = 32837,
    ID_LATITUDE = 32824,
    ID_TIME_ZONE = 32809,
    ID_PROJECTION = 32791,
    ID_DATE_SETTING = 32815,
    ID_LANGUAGE = 32799,
    ID_OPEN_MOON = 32788,
    ID_OPEN_MERCURY = 32776,
    ID_OPEN_VENUS = 32777,
    ID_OPEN_MARS = 32778,
    ID_OPEN_JUPITER = 32779,
    ID_OPEN_SATURN = 32780,
    ID_OPEN_URANUS = 32823,
    ID_OPEN_DATA_TABLE = 32771,
    ID_JUPITER_SATELLITES_GENERATOR = 32784,
    ID_VIEW_STATUS_BAR = 59393,
    ID_DATA_DIALOG = 32794,
    ID_OPEN_SKY = 32795,
    ID_OPEN_HELIOCENTRIC = 32797,
    ID_DATE_TIME = 32781,
    ID_TRACKING = 32774,
    ID_FIND_CENTRAL_LONGITUDE = 32775,
    ID_SEASONS = 32804,
    ID_CONJUNCTION_OPPOSITION = 32806,
    ID_CONJUNCTION = 32807,
    ID_MARS_ZOOM_IN = 32819,
    ID_MARS_ZOOM_OUT = 32818,
    ID_URANUS_ZOOM_IN = 32825,
    ID_URANUS_ZOOM_OUT = 32826,
    ID_JUPITER_ZOOM_IN = 32835,
    ID_JUPITER_ZOOM_OUT = 32836,
    // Phenomena in the Jupiter windows, zoom in in the Saturn window.
    ID_PHENOMENON_OR_SATURN_ZOOM_IN = 32821,
    ID_SATURN_ZOOM_OUT = 32822,
    ID_RED_SPOT_REFERENCE = 32814,
    ID_OPEN_JUPITER_SATELLITES = 32811,
    ID_MOON_PHASES = 32792,
    ID_LUNAR_X = 32828,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE = 57651,
    ID_WINDOW_CLOSE = 57602,
    ID_WINDOW_CLOSE_ALL = 57603,
    ID_WINDOW_NEXT = 57680,
    ID_WINDOW_PREVIOUS = 57681,
    // The Window menu's list of open windows: the first, then one number
    // for each window after it.
    ID_WINDOW_LIST_FIRST = 65280,
    ID_APP_ABOUT = 57664,
    ID_REFERENCE = 32820,
    ID_OPEN_TONIGHT = 32830,
    ID_EXPORT_CALENDAR = 32831,
};

// Sent by the main window to every child window, synchronously.
enum ProgramMessage : int {
    WM_RECOMPUTE_DATE = 0x401,  // a date was applied to all windows
    WM_RECOMPUTE_ZONE = 0x402,  // the time zone changed
    WM_JUPITER_DATE = 0x403,    // a phenomenon was picked in the phenomena list
};

}  // namespace vantorel
