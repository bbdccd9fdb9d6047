#pragma once

#include "planets/PlanetDocument.h"

namespace vantorel {

class Mercury;

// The document of a Mercury window.
class MercuryDocument : public PlanetDocument {
public:
    MercuryDocument(const DateTime& blank, Settings& settings);
    Mercury& planet();

    static const PlanetDocProfile kProfile;
};

}  // namespace vantorel
