#pragma once

#include "planets/CPlanetDoc.h"

namespace vantorel {

class URANUS;

// The document of the Uranus window.
class CUranusDoc : public CPlanetDoc {
public:
    CUranusDoc(const DATE_TIME& blank, Settings& settings);
    URANUS& planet();

    static const PlanetDocProfile kProfile;
};

}  // namespace vantorel
