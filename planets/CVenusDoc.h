#pragma once

#include "planets/CPlanetDoc.h"

namespace vantorel {

class VENUS;

// The document of a Venus window.
class CVenusDoc : public CPlanetDoc {
public:
    CVenusDoc(const DATE_TIME& blank, Settings& settings);
    VENUS& planet();

    static const PlanetDocProfile kProfile;
};

}  // namespace vantorel
