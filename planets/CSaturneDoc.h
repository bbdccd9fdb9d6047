#pragma once

#include "planets/CPlanetDoc.h"

namespace vantorel {

class SATURNE;

// The document of a Saturn window.
class CSaturneDoc : public CPlanetDoc {
public:
    CSaturneDoc(const DATE_TIME& blank, Settings& settings);
    SATURNE& planet();

    static const PlanetDocProfile kProfile;
};

}  // namespace vantorel
