#pragma once

#include "planets/CPlanetDoc.h"

namespace vantorel {

class MERCURE;

// The document of a Mercury window.
class CMercureDoc : public CPlanetDoc {
public:
    CMercureDoc(const DATE_TIME& blank, Settings& settings);
    MERCURE& planet();

    static const PlanetDocProfile kProfile;
};

}  // namespace vantorel
