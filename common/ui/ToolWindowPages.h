#pragma once

class QWidget;

// The small windows (the phenomena, seasons, phases and Lunar X lists)
// have no menu bar: a right click on one offers Print..., Print Preview and
// Save picture as... for what it shows, the page headed by its title and
// the date, zone and site of the window that opened it.

namespace vantorel {

class ChildView;

// Gives `window` those commands once; `opener` lends its printer, language
// and heading for as long as it lives.
void addPageCommands(QWidget* window, ChildView* opener);

}  // namespace vantorel
