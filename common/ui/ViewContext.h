#pragma once

// What a new window's view is made from.

namespace vantorel {

class ChildView;
class DateTime;
class WindowHost;

struct ViewContext {
    WindowHost& host;
    const DateTime& blankDate;  // the copy every new document starts from
    ChildView* source;          // the view whose document is shared, or null
};

}  // namespace vantorel
