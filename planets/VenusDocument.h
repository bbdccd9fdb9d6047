#pragma once

#include "planets/PlanetDocument.h"

namespace vantorel {

class Venus;

// The document of a Venus window.
class VenusDocument : public PlanetDocument {
public:
    VenusDocument(const DateTime& blank, Settings& settings);
    Venus& planet();

    static const PlanetDocProfile kProfile;
};

}  // namespace vantorel
